// What the host makes of the values the gauges' callbacks return: needle angles on a
// nonlinearity table, icon cases, texts cut to their character count, sprite and slider
// offsets, and the source values of elements without a callback.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

#include "host_harness.h"

namespace host_test {
namespace {

using namespace fixture;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The difference of two angles in degrees, folded into [0, 180].
double angle_apart(double a, double b) {
    const double turn = std::fmod(std::fabs(a - b), 360.0);
    return turn > 180.0 ? 360.0 - turn : turn;
}

std::string case_name(const char* name) { return name; }

// --- Needle on a nonlinearity table (0x262). The callback scales the token by 10; the rows
// at 0, 50, 100 and 150 point the needle from its pivot left, up, right and down.
struct NeedleCase {
    const char* name;
    double token;
    double angle;  // clockwise from the bitmap's own direction, y downwards
};

// Cases print as their name in test listings.
void PrintTo(const NeedleCase& c, std::ostream* out) { *out << c.name; }

const NeedleCase kNeedleCases[] = {
    {"below_first_row_points_at_it", -3.0, 180.0},
    {"first_row", 0.0, 180.0},
    {"between_first_and_second", 2.5, 225.0},
    {"second_row", 5.0, 270.0},
    {"between_second_and_third", 7.5, 315.0},
    {"third_row", 10.0, 0.0},
    {"between_third_and_last", 12.5, 45.0},
    {"last_row", 15.0, 90.0},
    {"above_last_row_points_at_it", 40.0, 90.0},
};

class hostNeedleTable : public ::testing::TestWithParam<NeedleCase> {};

TEST_P(hostNeedleTable, PointsAtTheDialPointOfTheCallbackValue) {
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    harness.store.set_number(token::kOldestNeedle, GetParam().token);
    harness.host->run_frame();
    const auto& needle = harness.state(instance, kOldestNeedle);
    EXPECT_DOUBLE_EQ(needle.value, GetParam().token * 10.0) << "the variable callback's value";
    EXPECT_LT(angle_apart(needle.needle_angle, GetParam().angle), 1e-6)
        << "angle " << needle.needle_angle;
}

INSTANTIATE_TEST_SUITE_P(rows, hostNeedleTable, ::testing::ValuesIn(kNeedleCases),
                         [](const auto& info) { return case_name(info.param.name); });

// --- Icon cases. The second gauge's icon (4 cases) shows its token unchanged.
struct IconCase {
    const char* name;
    double value;
    int shown_case;  // -1: no picture
};

// Cases print as their name in test listings.
void PrintTo(const IconCase& c, std::ostream* out) { *out << c.name; }

const IconCase kIconCases[] = {
    {"minus_one_is_dark", -1.0, -1},
    {"first_case", 0.0, 0},
    {"middle_case", 2.0, 2},
    {"last_case", 3.0, 3},
    {"fraction_truncates", 3.9, 3},
    {"small_negative_truncates_to_zero", -0.5, 0},
    {"case_count_is_dark", 4.0, -1},
    {"count_plus_five_is_dark", 9.0, -1},
    {"nan_is_dark", kNaN, -1},
    {"infinity_is_dark", kInfinity, -1},
    {"minus_infinity_is_dark", -kInfinity, -1},
};

class hostIconCases : public ::testing::TestWithParam<IconCase> {};

TEST_P(hostIconCases, ValueSelectsTheCaseOrNone) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    harness.store.set_number(token::kCaseIcon, GetParam().value);
    harness.host->run_frame();
    EXPECT_EQ(harness.state(instance, kCaseIcon).icon_case, GetParam().shown_case);
}

INSTANTIATE_TEST_SUITE_P(values, hostIconCases, ::testing::ValuesIn(kIconCases),
                         [](const auto& info) { return case_name(info.param.name); });

// The oldest icon's variable callback turns token t into case 2 - t: the host must show the
// callback's value, not the token.
TEST(hostOldestIcon, ShowsTheVariableCallbackValue) {
    const std::pair<double, int> token_to_case[] = {{0, 2}, {1, 1}, {2, 0}, {3, -1}, {-1, -1}};
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    for (auto [token, shown] : token_to_case) {
        harness.store.set_number(token::kOldestIcon, token);
        harness.host->run_frame();
        EXPECT_EQ(harness.state(instance, kOldestIcon).icon_case, shown) << "token " << token;
    }
}

// --- Texts are cut to their character count.
struct TextCase {
    const char* name;
    double token;
    const char* shown;
};

// Cases print as their name in test listings.
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

// The second gauge's long text shows word n of "", "ABC", "ABCDEFGH", "A…Z" in 8 characters.
const TextCase kLongTextCases[] = {
    {"empty", 0, ""},
    {"shorter_than_count", 1, "ABC"},
    {"exactly_count", 2, "ABCDEFGH"},
    {"longer_than_count_is_cut", 3, "ABCDEFGH"},
};

class hostTextCut : public ::testing::TestWithParam<TextCase> {};

TEST_P(hostTextCut, ShowsAtMostTheCharacterCount) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    harness.store.set_number(token::kLongTextWord, GetParam().token);
    harness.host->run_frame();
    EXPECT_EQ(harness.state(instance, kLongText).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(words, hostTextCut, ::testing::ValuesIn(kLongTextCases),
                         [](const auto& info) { return case_name(info.param.name); });

// The oldest text callback gets source 0's value as a double and formats "%05.1f" into its
// element's buffer; 8 characters are shown.
const TextCase kOldestTextCases[] = {
    {"padded", 12.34, "012.3"},
    {"negative", -3.0, "-03.0"},
    {"wider_than_pad", 1234.5, "1234.5"},
    {"longer_than_count_is_cut", 1234567.8, "1234567."},
};

class hostOldestText : public ::testing::TestWithParam<TextCase> {};

TEST_P(hostOldestText, CallbackGetsSourceZeroAndWritesTheBuffer) {
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    harness.store.set_number(token::kOldestText, GetParam().token);
    harness.host->run_frame();
    EXPECT_EQ(harness.state(instance, kOldestText).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(values, hostOldestText, ::testing::ValuesIn(kOldestTextCases),
                         [](const auto& info) { return case_name(info.param.name); });

// --- Sprite: the x callback adds 1 (scale 2), the y callback negates (scale 3), the
// rotation callback doubles (scale 0.5).
TEST(hostSprite, OffsetsAndTurnComeFromTheirCallbacks) {
    struct Case {
        double x, y, rotation;
        double shown_x, shown_y, shown_rotation;
    };
    const Case cases[] = {
        {0, 0, 0, 2, 0, 0},
        {4, -2, 30, 10, 6, 30},
        {-1, 1.5, -90, 0, -4.5, -90},
    };
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    for (const Case& c : cases) {
        harness.store.set_number(token::kSpriteX, c.x);
        harness.store.set_number(token::kSpriteY, c.y);
        harness.store.set_number(token::kSpriteRotation, c.rotation);
        harness.host->run_frame();
        const auto& sprite = harness.state(instance, kSecondSprite);
        EXPECT_DOUBLE_EQ(sprite.sprite_x, c.shown_x) << "x " << c.x;
        EXPECT_DOUBLE_EQ(sprite.sprite_y, c.shown_y) << "y " << c.y;
        EXPECT_LT(angle_apart(sprite.sprite_rotation, c.shown_rotation), 1e-9)
            << "rotation " << c.rotation;
    }
}

// --- The oldest slider has no callbacks: x scale 2, y scale -1.5.
TEST(hostOldestSlider, OffsetsAreSourceTimesScale) {
    const double cases[][4] = {{0, 0, 0, 0}, {7, 2, 14, -3}, {-2.5, -4, -5, 6}};
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    for (const auto& c : cases) {
        harness.store.set_number(token::kOldestSliderX, c[0]);
        harness.store.set_number(token::kOldestSliderY, c[1]);
        harness.host->run_frame();
        EXPECT_DOUBLE_EQ(harness.state(instance, kOldestSlider).slider_x, c[2]) << "x " << c[0];
        EXPECT_DOUBLE_EQ(harness.state(instance, kOldestSlider).slider_y, c[3]) << "y " << c[1];
    }
}

// --- Elements without a callback use their source variable as it is.
TEST(hostNoCallbacks, ElementsShowTheirSourceValues) {
    HostHarness harness;
    const auto instance = harness.place(kNewestModule, "plain");
    struct Case {
        double needle, icon, slider_x, slider_y;
        double angle;
        int shown_case;
        double shown_x, shown_y;
    };
    const Case cases[] = {
        {30, 1, 3, 5, 30, 1, 6, 20},
        {-45, 0, -1, 0.5, -45, 0, -2, 2},
        {90, 2, 0, 0, 90, -1, 0, 0},
    };
    for (const Case& c : cases) {
        harness.store.set_number(token::kPlainNeedle, c.needle);
        harness.store.set_number(token::kPlainIcon, c.icon);
        harness.store.set_number(token::kPlainSliderX, c.slider_x);
        harness.store.set_number(token::kPlainSliderY, c.slider_y);
        harness.host->run_frame();
        EXPECT_LT(angle_apart(harness.state(instance, kPlainNeedle).needle_angle, c.angle), 1e-9)
            << "needle " << c.needle;
        EXPECT_EQ(harness.state(instance, kPlainIcon).icon_case, c.shown_case) << "icon " << c.icon;
        EXPECT_DOUBLE_EQ(harness.state(instance, kPlainSlider).slider_x, c.shown_x);
        EXPECT_DOUBLE_EQ(harness.state(instance, kPlainSlider).slider_y, c.shown_y);
    }
}

// --- The background's image record: the host gives it the bitmap's size before the first
// callback (the oldest needle's callback reads the height, as the engine quadrant does).
TEST(hostImageRecords, BackgroundRecordHoldsTheBitmapSize) {
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    harness.host->run_frame();
    EXPECT_EQ(fixture_view(kOldestModule).probe->background_height, 100);
    const panel_abi::ImageSize size = harness.host->design_size(instance);
    EXPECT_EQ(size.width, 160);
    EXPECT_EQ(size.height, 100);
}

}  // namespace
}  // namespace host_test
