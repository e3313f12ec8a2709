// The course source label: "GPS" only on the unit whose CDI button asked for GPS, while the
// GPS drives the course indicator; "NAV" otherwise, which also forgets the request. The
// simulator toggles the source on the CDI button's key event; here the test plays its part.
#include "navcom_panel.h"

namespace navcom_test {
namespace {

Unit other_than(Unit unit) { return unit == Unit::one ? Unit::two : Unit::one; }

struct PressCase {
    const char* what;
    double source_when_pressed;
    double source_at_next_refresh;
    const char* label;  // of the unit whose button was pressed
};

std::ostream& operator<<(std::ostream& out, const PressCase& c) { return out << c.what; }

constexpr PressCase kPressCases[] = {
    {"NAV to GPS", 0.0, 1.0, "GPS"},
    {"not switched yet", 0.0, 0.0, "NAV"},
    {"GPS to NAV", 1.0, 0.0, "NAV"},
    {"pressed on GPS, still GPS", 1.0, 1.0, "NAV"},
    {"2.0 is not GPS when pressed", 2.0, 1.0, "GPS"},
    {"0.999 is not GPS when pressed", 0.999, 1.0, "GPS"},
    {"only exactly 1.0 shows GPS", 0.0, 1.0000001, "NAV"},
    {"2.0 shows NAV", 0.0, 2.0, "NAV"},
};

class CdiButton : public NavcomPanel,
                  public ::testing::WithParamInterface<std::tuple<Unit, PressCase>> {};

TEST_P(CdiButton, LabelsGpsOnlyOnTheUnitThatAskedForIt) {
    const auto& [unit, c] = GetParam();
    set(kCourseSource, c.source_when_pressed);
    frame_at(100);
    click(unit, kCdiButton);
    EXPECT_EQ(take_events(), (Events{{kToggleCourseSource, 0}}));

    set(kCourseSource, c.source_at_next_refresh);
    refresh();
    EXPECT_EQ(text(unit, Shown::source_label), c.label);
    EXPECT_EQ(text(other_than(unit), Shown::source_label), "NAV");
}

INSTANTIATE_TEST_SUITE_P(BothUnits, CdiButton,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kPressCases)));

// Unit 1 turns the GPS on; unit 2's button then turns it off again.
TEST_F(NavcomPanel, SecondUnitsButtonTurnsTheGpsLabelOffOnBoth) {
    set(kCourseSource, 0.0);
    frame_at(100);
    click(Unit::one, kCdiButton);
    set(kCourseSource, 1.0);
    refresh();
    EXPECT_EQ(text(Unit::one, Shown::source_label), "GPS");
    EXPECT_EQ(text(Unit::two, Shown::source_label), "NAV");

    click(Unit::two, kCdiButton);
    set(kCourseSource, 0.0);
    refresh();
    EXPECT_EQ(text(Unit::one, Shown::source_label), "NAV");
    EXPECT_EQ(text(Unit::two, Shown::source_label), "NAV");
    EXPECT_EQ(take_events(), (Events{{kToggleCourseSource, 0}, {kToggleCourseSource, 0}}));

    // Unit 1's request was forgotten when its label showed NAV.
    set(kCourseSource, 1.0);
    refresh();
    EXPECT_EQ(text(Unit::one, Shown::source_label), "NAV");
}

// A label that shows NAV before the simulator switched forgets the request for good.
TEST_F(NavcomPanel, LabelRefreshedBeforeTheSwitchForgetsTheRequest) {
    set(kCourseSource, 0.0);
    frame_at(100);
    click(Unit::one, kCdiButton);
    refresh();
    EXPECT_EQ(text(Unit::one, Shown::source_label), "NAV");
    set(kCourseSource, 1.0);
    refresh();
    EXPECT_EQ(text(Unit::one, Shown::source_label), "NAV");
}

// Between its refreshes the label keeps what it showed; the request waits for the refresh.
TEST_F(NavcomPanel, RequestWaitsForTheLabelsNextRefresh) {
    set(kCourseSource, 0.0);
    frame_at(100);
    click(Unit::one, kCdiButton);
    set(kCourseSource, 1.0);
    frame_at(103);
    EXPECT_EQ(text(Unit::one, Shown::source_label), "NAV");
    frame_at(106);
    EXPECT_EQ(text(Unit::one, Shown::source_label), "GPS");
}

TEST_F(NavcomPanel, SourceSwitchedByOtherMeansShowsNavOnBoth) {
    set(kCourseSource, 1.0);
    frame_at(100);
    refresh();
    for (Unit unit : kBothUnits) EXPECT_EQ(text(unit, Shown::source_label), "NAV") << unit;
}

// Every placed instance of a unit shares its request: the CDI button of a second navcom1
// (say, in the virtual cockpit) lights GPS on the first one.
TEST_F(NavcomPanel, SecondInstanceOfAUnitSharesItsRequest) {
    std::string error;
    const panel_host::InstanceId second = host_.place(module_, "navcom1", &error);
    ASSERT_NE(second, panel_host::kNoInstance) << error;
    set(kCourseSource, 0.0);
    frame_at(100);
    host_.mouse_press(second, kCdiButton.x, kCdiButton.y, MouseButton::left);
    host_.mouse_release();
    set(kCourseSource, 1.0);
    refresh();
    EXPECT_EQ(text(Unit::one, Shown::source_label), "GPS");
    EXPECT_EQ(text(Unit::two, Shown::source_label), "NAV");
}

}  // namespace
}  // namespace navcom_test
