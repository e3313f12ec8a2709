// The halves of the DIR and SYNC knobs step the selected course and heading; the SYNC centre
// sets the selected heading to the heading.
#include "qp48_panel.h"

namespace efdisplay_qp48_test {
namespace {

struct CourseStep {
    const char* name;
    int nav_clicks;  // from source 1
    Sent down;
    Sent up;
};

std::ostream& operator<<(std::ostream& out, const CourseStep& c) { return out << c.name; }

class Qp48CourseStep : public Qp48Panel, public ::testing::WithParamInterface<CourseStep> {};

TEST_P(Qp48CourseStep, DirHalvesStepTheSelectedVorCourse) {
    press_times(kNavButton, GetParam().nav_clicks);
    press(kDirLeft);
    press(kDirRight);
    EXPECT_EQ(take_events(), (Events{GetParam().down, GetParam().up}));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Qp48CourseStep,
    ::testing::Values(
        CourseStep{"Vor1", 0, {kVor1CourseDown, 0}, {kVor1CourseUp, 0}},
        CourseStep{"Vor2", 1, {kVor2CourseDown, 0}, {kVor2CourseUp, 0}},
        CourseStep{"GpsStepsVor1", 2, {kVor1CourseDown, 0}, {kVor1CourseUp, 0}},
        CourseStep{"AdfStepsVor1", 3, {kVor1CourseDown, 0}, {kVor1CourseUp, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeadingSync {
    const char* name;
    double heading;
    int32_t sent;
};

std::ostream& operator<<(std::ostream& out, const HeadingSync& h) { return out << h.name; }

class Qp48HeadingSync : public Qp48Panel, public ::testing::WithParamInterface<HeadingSync> {};

TEST_P(Qp48HeadingSync, SendsTheTruncatedHeading) {
    set(kHeading, GetParam().heading);
    press(kSyncCentre);
    EXPECT_EQ(take_events(), (Events{{kSetSelectedHeading, GetParam().sent}}));
}

INSTANTIATE_TEST_SUITE_P(Headings, Qp48HeadingSync,
                         ::testing::Values(HeadingSync{"North", 0.0, 0},
                                           HeadingSync{"AlmostNorth", 359.7, 359},
                                           HeadingSync{"Fraction", 127.99, 127},
                                           HeadingSync{"SmallNegativeTowardZero", -0.5, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Qp48Panel, SyncReadsTheHeadingAtEachClick) {
    set(kHeading, 10.0);
    press(kSyncCentre);
    set(kHeading, 250.4);
    press(kSyncCentre);
    EXPECT_EQ(take_events(), (Events{{kSetSelectedHeading, 10}, {kSetSelectedHeading, 250}}));
}

TEST_F(Qp48Panel, SyncHalvesSendTheHeadingStepsWithValueZero) {
    set(kHeading, 123.0);
    press(kSyncLeft);
    press(kSyncRight);
    EXPECT_EQ(take_events(), (Events{{kSelectedHeadingDown, 0}, {kSelectedHeadingUp, 0}}));
}

struct HeldHalf {
    Spot spot;
    Sent step;
};

std::ostream& operator<<(std::ostream& out, const HeldHalf& h) { return out << h.spot.name; }

class Qp48HeldHalf : public Qp48Panel, public ::testing::WithParamInterface<HeldHalf> {};

TEST_P(Qp48HeldHalf, RepeatsItsStepWhileHeld) {
    host_.mouse_press(panel_, GetParam().spot.x, GetParam().spot.y,
                      panel_host::MouseButton::left);
    for (int i = 0; i < 40; ++i) frame();
    host_.mouse_release();
    const Events sent = take_events();
    EXPECT_GT(sent.size(), 2u);
    for (const Sent& s : sent) EXPECT_EQ(s, GetParam().step);
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_TRUE(take_events().empty()) << "no step after the release";
}

INSTANTIATE_TEST_SUITE_P(Halves, Qp48HeldHalf,
                         ::testing::Values(HeldHalf{kDirLeft, {kVor1CourseDown, 0}},
                                           HeldHalf{kDirRight, {kVor1CourseUp, 0}},
                                           HeldHalf{kSyncLeft, {kSelectedHeadingDown, 0}},
                                           HeldHalf{kSyncRight, {kSelectedHeadingUp, 0}}),
                         [](const auto& info) { return test_name(info.param.spot); });

TEST_F(Qp48Panel, HeldCentresActOnce) {
    set(kHeading, 45.0);
    for (const Spot& spot : {kSyncCentre, kDirCentre}) {
        host_.mouse_press(panel_, spot.x, spot.y, panel_host::MouseButton::left);
        for (int i = 0; i < 40; ++i) frame();
        host_.mouse_release();
        EXPECT_EQ(take_events().size(), 1u) << spot.name;
    }
}

}  // namespace
}  // namespace efdisplay_qp48_test
