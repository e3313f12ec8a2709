// The host's pictures of every element kind, on the drawing fixture, compared with reviewed
// goldens. Each case starts from the resting values below, changes a few tokens (or switches
// a failure on), runs one frame and draws the gauge.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "drawing_tokens.h"
#include "gauge_snapshot.h"
#include "golden_files.h"
#include "picture_compare.h"

namespace golden {
namespace {

using namespace fixture_drawing;

constexpr double kThirtyDegreesInRadians = 0.5235987756;

struct TokenValue {
    uint32_t token;
    double value;
};

// Table needle up at 10, plain needle up, slider marker at the start of its track, icon
// case 0, sprite level and centred, the text "42", the lamp lit, nothing magenta.
const std::vector<TokenValue> kResting = {
    {token::kTableNeedle, 10.0}, {token::kPlainNeedle, 0.0}, {token::kSliderX, 0.0},
    {token::kSliderY, 0.0},      {token::kIcon, 0.0},        {token::kSpriteX, 0.0},
    {token::kSpriteY, 0.0},      {token::kSpriteRotation, 0.0}, {token::kText, 42.0},
    {token::kHiddenIconShown, 0.0},
};

struct DrawingCase {
    const char* name;
    const char* golden;   // cases that must look alike share a golden
    const char* shows;    // what the reviewed picture shows, besides the resting state
    std::vector<TokenValue> changes;
    uint32_t failure = 0;  // a failure key switched on, or 0
};

void PrintTo(const DrawingCase& c, std::ostream* out) { *out << c.name; }

const DrawingCase kCases[] = {
    {"resting", "drawing_resting", "every element at its resting value", {}},
    {"table_needle_on_a_row", "table_needle_on_row",
     "the table needle on the mark 40, pointing right", {{token::kTableNeedle, 40.0}}},
    {"table_needle_between_rows", "table_needle_between_rows",
     "the table needle halfway in value between 10 and 40: on the small cyan mark, up and right",
     {{token::kTableNeedle, 25.0}}},
    {"table_needle_between_rows_across_the_left", "table_needle_between_first_rows",
     "the table needle halfway in value between 0 and 10: on the cyan mark up and left, having "
     "turned the short way round from the left",
     {{token::kTableNeedle, 5.0}}},
    {"table_needle_below_the_first_row", "table_needle_below_first_row",
     "the table needle held on the first mark 0, pointing left", {{token::kTableNeedle, -5.0}}},
    {"table_needle_beyond_the_last_row", "table_needle_beyond_last_row",
     "the table needle held on the last mark 50, down and right", {{token::kTableNeedle, 80.0}}},
    {"plain_needle_quarter_turn", "plain_needle_right",
     "the plain needle turned 90 degrees clockwise from up: on the mark 90",
     {{token::kPlainNeedle, 90.0}}},
    {"plain_needle_turned_back", "plain_needle_left",
     "the plain needle turned 90 degrees counterclockwise from up: on the mark 270",
     {{token::kPlainNeedle, -90.0}}},
    {"slider_moved", "slider_moved",
     "the marker's centre line on the middle long tick (10 units), 4 pixels higher",
     {{token::kSliderX, 10.0}, {token::kSliderY, -2.0}}},
    {"slider_held_at_track_end", "slider_at_track_end",
     "the marker's centre line on the last long tick: the gauge holds 35 units at 20",
     {{token::kSliderX, 35.0}}},
    {"icon_second_case", "icon_case_1", "the icon slot shows the amber 1 (picture 133)",
     {{token::kIcon, 1.0}}},
    {"icon_last_case_truncated", "icon_case_2",
     "the icon slot shows the red 2 (picture 136): 2.7 selects case 2", {{token::kIcon, 2.7}}},
    {"icon_value_of_the_case_count", "icon_no_case",
     "the icon slot empty: 3 is past the last case", {{token::kIcon, 3.0}}},
    {"icon_negative_value", "icon_no_case", "the icon slot empty: -1 is no case",
     {{token::kIcon, -1.0}}},
    {"sprite_shifted", "sprite_shifted",
     "the texture 6 pixels right and 8 down: the horizon under the orange wings",
     {{token::kSpriteX, 6.0}, {token::kSpriteY, 8.0}}},
    {"sprite_turned", "sprite_turned",
     "the texture turned 30 degrees counterclockwise: the horizon rises to the right, the "
     "white arrow leans left",
     {{token::kSpriteRotation, kThirtyDegreesInRadians}}},
    {"sprite_shifted_then_turned", "sprite_shifted_and_turned",
     "the texture 8 pixels down along its own axis, then turned 30 degrees counterclockwise: "
     "the horizon rises to the right and passes below and right of the centre dot",
     {{token::kSpriteY, 8.0}, {token::kSpriteRotation, kThirtyDegreesInRadians}}},
    {"text_longer_than_its_count", "text_cut",
     "the text box shows 1234: the gauge writes 123456, four characters show",
     {{token::kText, 123456.0}}},
    {"hidden_icon_shown_by_its_gauge", "hidden_icon_shown",
     "the magenta square under the lamp: the gauge cleared the icon's hidden flag, "
     "so its absence everywhere else is the flag's doing",
     {{token::kHiddenIconShown, 1.0}}},
    {"lamp_failed", "lamp_failed", "the lamp slot empty: failure 0x15 blanks the lamp", {},
     kLampFailureKeys[1]},
};

// The fixture after one frame at the resting values with the case's changes.
Picture draw_case(const DrawingCase& drawing_case) {
    GaugeSnapshot gauge("fixture_drawing", "drawing");
    EXPECT_TRUE(gauge.placed()) << gauge.error();
    if (!gauge.placed()) return nullptr;
    for (const TokenValue& rest : kResting) gauge.set(rest.token, rest.value);
    for (const TokenValue& change : drawing_case.changes) gauge.set(change.token, change.value);
    if (drawing_case.failure != 0) gauge.fail(drawing_case.failure);
    gauge.frame();
    return gauge.draw();
}

class DrawingGolden : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(DrawingGolden, MatchesTheReviewedPicture) {
    const DrawingCase& drawing_case = GetParam();
    const Picture drawn = draw_case(drawing_case);
    ASSERT_TRUE(drawn);
    const GoldenResult result = check_golden(drawing_case.golden, drawn.get());
    if (result.outcome == Outcome::written || result.outcome == Outcome::kept)
        GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::matched)
        << "expected: " << drawing_case.shows << "\n" << result.message;
}

INSTANTIATE_TEST_SUITE_P(Fixture, DrawingGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A case whose picture the tolerance could not tell from the resting one would pass whatever
// the host drew for it.
TEST(DrawingGoldenCases, EachLooksDifferentFromTheRestingState) {
    const Picture resting = draw_case(kCases[0]);
    ASSERT_TRUE(resting);
    for (const DrawingCase& drawing_case : kCases) {
        if (drawing_case.changes.empty() && drawing_case.failure == 0) continue;
        SCOPED_TRACE(drawing_case.name);
        const Picture drawn = draw_case(drawing_case);
        ASSERT_TRUE(drawn);
        const Comparison comparison = compare_pictures(resting.get(), drawn.get());
        EXPECT_FALSE(comparison.matches())
            << "the picture of '" << drawing_case.shows << "' passes for the resting one: "
            << describe(comparison);
    }
}

}  // namespace
}  // namespace golden
