// The vertical modes the panel runs: ALT, VS and the capture strip each engage with their
// targets and the engage pair, disengage with the disengage pair, and replace one another.
#include <cmath>
#include <limits>

#include "autopilot_panel.h"

namespace autoflight_test {
namespace {

struct VsCase {
    double feet_per_minute;
    int32_t target;
};

std::ostream& operator<<(std::ostream& out, const VsCase& c) {
    return out << c.feet_per_minute << " fpm";
}

class AutopilotVsEngage : public AutopilotPanel,
                          public ::testing::WithParamInterface<VsCase> {};

TEST_P(AutopilotVsEngage, SendsTheCurrentVerticalSpeedAsTarget) {
    set_vertical_speed_fpm(GetParam().feet_per_minute);
    press(kVsButton);
    EXPECT_EQ(take_events(), engage_events(GetParam().target, 0));
}

// Slower than 100 fpm either way engages at 100 up; the target is truncated toward zero.
INSTANTIATE_TEST_SUITE_P(
    Targets, AutopilotVsEngage,
    ::testing::Values(VsCase{-50, 100}, VsCase{-100, -100}, VsCase{1234.9, 1234},
                      VsCase{0, 100}, VsCase{99.9, 100}, VsCase{-99.9, 100}, VsCase{100, 100},
                      VsCase{-1234.9, -1234}, VsCase{1e12, std::numeric_limits<int32_t>::max()},
                      VsCase{-1e12, std::numeric_limits<int32_t>::min()},
                      VsCase{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST_F(AutopilotPanel, AltHoldsTheCurrentAltitudeAndTogglesOff) {
    set(kMaster, 1);
    set(kAltitude, 4500.7);
    press(kAltButton);
    EXPECT_EQ(take_events(), engage_events(0, 4500));
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{Legend::alt});

    press(kAltButton);
    EXPECT_EQ(take_events(), disengage_events());
    frame();
    EXPECT_TRUE(lit_legends().empty());

    set(kAltitude, -120.9);
    press(kAltButton);
    EXPECT_EQ(take_events(), engage_events(0, -120));
}

TEST_F(AutopilotPanel, VsTogglesOff) {
    set(kMaster, 1);
    set_vertical_speed_fpm(-800);
    press(kVsButton);
    EXPECT_EQ(take_events(), engage_events(-800, 0));
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{Legend::vs});

    press(kVsButton);
    EXPECT_EQ(take_events(), disengage_events());
    frame();
    EXPECT_TRUE(lit_legends().empty());
}

TEST_F(AutopilotPanel, CaptureFliesToTheAltitudeTargetAtTheVerticalSpeedTarget) {
    set(kMaster, 1);
    set(kAltitudeTarget, 8000.6);
    set(kVerticalSpeedTarget, -700.9);
    press(kCaptureStrip);
    EXPECT_EQ(take_events(), engage_events(-700, 8000));
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{Legend::alt});

    press(kCaptureStrip);
    EXPECT_EQ(take_events(), disengage_events());
    frame();
    EXPECT_TRUE(lit_legends().empty());
}

TEST_F(AutopilotPanel, CaptureWithoutAltitudeTargetDoesNothing) {
    set(kMaster, 1);
    set(kVerticalSpeedTarget, 500);
    for (double no_target : {0.0, 0.9, -0.9}) {
        set(kAltitudeTarget, no_target);
        press(kCaptureStrip);
        EXPECT_TRUE(take_events().empty()) << "target " << no_target;
    }

    // Not even a disengage while capture is engaged.
    set(kAltitudeTarget, 9000);
    press(kCaptureStrip);
    take_events();
    set(kAltitudeTarget, 0);
    press(kCaptureStrip);
    EXPECT_TRUE(take_events().empty());
    frame();
    EXPECT_TRUE(lit(Legend::alt)) << "capture stays engaged";

    set(kAltitudeTarget, 9000);
    press(kCaptureStrip);
    EXPECT_EQ(take_events(), disengage_events());
}

// Engaging one vertical mode while another is engaged replaces it without a disengage; the
// replaced mode's button then engages again instead of disengaging.
struct Replacement {
    Spot first;
    Spot second;
    Legend lit_after;
};

std::ostream& operator<<(std::ostream& out, const Replacement& r) {
    return out << r.second.name << " over " << r.first.name;
}

class AutopilotModeReplacement : public AutopilotPanel,
                        public ::testing::WithParamInterface<Replacement> {
protected:
    void SetUp() override {
        AutopilotPanel::SetUp();
        set(kMaster, 1);
        set(kAltitude, 4500);
        set_vertical_speed_fpm(800);
        set(kAltitudeTarget, 9000);
        set(kVerticalSpeedTarget, 500);
    }
    static Events engage_of(const Spot& button) {
        if (button.x == kAltButton.x) return engage_events(0, 4500);
        if (button.x == kVsButton.x) return engage_events(800, 0);
        return engage_events(500, 9000);
    }
};

TEST_P(AutopilotModeReplacement, SecondModeReplacesTheFirst) {
    const Replacement& r = GetParam();
    press(r.first);
    take_events();

    press(r.second);
    EXPECT_EQ(take_events(), engage_of(r.second));
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{r.lit_after});

    press(r.first);
    EXPECT_EQ(take_events(), engage_of(r.first));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, AutopilotModeReplacement,
    ::testing::Values(Replacement{kVsButton, kAltButton, Legend::alt},
                      Replacement{kAltButton, kVsButton, Legend::vs},
                      Replacement{kCaptureStrip, kVsButton, Legend::vs},
                      Replacement{kVsButton, kCaptureStrip, Legend::alt},
                      Replacement{kAltButton, kCaptureStrip, Legend::alt},
                      Replacement{kCaptureStrip, kAltButton, Legend::alt}));

TEST_F(AutopilotPanel, TwoPlacedAutopilotsShareTheModes) {
    const panel_host::InstanceId second = place_another();
    set(kMaster, 1);
    set(kAltitude, 3000);
    press(kAltButton, second);
    EXPECT_EQ(take_events(), engage_events(0, 3000));
    frame();
    EXPECT_TRUE(lit(Legend::alt, autopilot_));
    EXPECT_TRUE(lit(Legend::alt, second));

    press(kAltButton, autopilot_);
    EXPECT_EQ(take_events(), disengage_events());
    frame();
    EXPECT_FALSE(lit(Legend::alt, autopilot_));
    EXPECT_FALSE(lit(Legend::alt, second));
}

}  // namespace
}  // namespace autoflight_test
