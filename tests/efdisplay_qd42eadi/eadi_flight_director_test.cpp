// The flight director command bars: shown only while the director is on, lowered or raised
// by two thirds of the pitch error (held to 45 degrees), turned by the bank error.
#include <limits>
#include <ostream>

#include "eadi_panel.h"

namespace efdisplay_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPixelsPerUnit = -1.244;

struct PitchCase {
    const char* name;
    double pitch;
    double command;
    int bar_units;  // what the callback gives before the element's scale
};

std::ostream& operator<<(std::ostream& out, const PitchCase& c) { return out << c.name; }

class CommandPitch : public EadiPanel, public ::testing::WithParamInterface<PitchCase> {};

TEST_P(CommandPitch, MovesTheBarsByTwoThirdsOfTheHeldPitchError) {
    set(kDirectorOn, 1);
    set(kPitchCompared, GetParam().pitch);
    set(kDirectorPitch, GetParam().command);
    frame();
    EXPECT_NEAR(item(Item::command_bars).sprite_y, GetParam().bar_units * kPixelsPerUnit, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CommandPitch,
    ::testing::Values(
        PitchCase{"on_command", 5.0, 5.0, 0},
        PitchCase{"far_below_command_is_held_at_45", 0.0, 60.0, -30},
        PitchCase{"far_above_command_is_held_at_45", 0.0, -60.0, 30},
        PitchCase{"exactly_45_above", 45.0, 0.0, 30},
        PitchCase{"46_above_is_held", 46.0, 0.0, 30},
        PitchCase{"one_below_truncates_to_zero", 0.0, 1.0, 0},
        PitchCase{"two_above_gives_one", 2.0, 0.0, 1},
        PitchCase{"three_below_gives_minus_two", -3.0, 0.0, -2},
        PitchCase{"fraction_of_a_degree_is_dropped_before_scaling", 10.9, 0.0, 6},
        PitchCase{"error_wraps_as_a_16_bit_number", 65546.0, 0.0, 6},
        PitchCase{"error_past_16_bits_negative_is_held", 40000.0, 0.0, -30},
        PitchCase{"no_number_is_no_error", kNaN, 0.0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct DirectorCase {
    double on_value;
    bool shown;
};

std::ostream& operator<<(std::ostream& out, const DirectorCase& c) {
    return out << "director " << c.on_value;
}

class DirectorSwitch : public EadiPanel, public ::testing::WithParamInterface<DirectorCase> {};

TEST_P(DirectorSwitch, ShowsTheBarsOnlyWhileTheDirectorIsOn) {
    set(kDirectorOn, GetParam().on_value);
    frame();
    const auto& bars = item(Item::command_bars);
    EXPECT_EQ(bars.hidden, !GetParam().shown);
    EXPECT_EQ(bars.drawn, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Values, DirectorSwitch,
                         ::testing::Values(DirectorCase{0.0, false}, DirectorCase{1.0, true},
                                           DirectorCase{1.7, true}, DirectorCase{2.0, false},
                                           DirectorCase{-1.0, false},
                                           // Only the low eight bits count.
                                           DirectorCase{257.0, true}, DirectorCase{256.0, false}));

TEST_F(EadiPanel, DirectorOnShiftsTheBarsOnePixelAcross) {
    set(kDirectorOn, 1);
    frame();
    EXPECT_DOUBLE_EQ(item(Item::command_bars).sprite_x, 1.0);

    set(kDirectorOn, 0);
    frame();
    EXPECT_DOUBLE_EQ(item(Item::command_bars).sprite_x, 0.0);
}

TEST_F(EadiPanel, DirectorTurnedOffAndOnAgainShowsTheBarsAgain) {
    set(kDirectorOn, 1);
    frame();
    set(kDirectorOn, 0);
    frame();
    ASSERT_TRUE(item(Item::command_bars).hidden);
    set(kDirectorOn, 1);
    frame();
    EXPECT_FALSE(item(Item::command_bars).hidden);
}

struct BankCase {
    double bank;
    double command;
    double turn;  // degrees, counterclockwise positive
};

std::ostream& operator<<(std::ostream& out, const BankCase& c) {
    return out << "bank " << c.bank << " command " << c.command;
}

class CommandBank : public EadiPanel, public ::testing::WithParamInterface<BankCase> {};

TEST_P(CommandBank, TurnsTheBarsByTheBankErrorClockwise) {
    set(kDirectorOn, 1);
    set(kBank, GetParam().bank);
    set(kDirectorBank, GetParam().command);
    frame();
    EXPECT_NEAR(item(Item::command_bars).sprite_rotation, GetParam().turn, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Errors, CommandBank,
                         ::testing::Values(BankCase{0, 0, 0}, BankCase{10, 4, -6},
                                           BankCase{-20, 5, 25}, BankCase{12.5, 12.5, 0},
                                           BankCase{3.25, 0, -3.25}));

}  // namespace
}  // namespace efdisplay_test
