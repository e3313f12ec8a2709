// The panel's selections as a situation display on the same panel shows them: the bearing
// buttons pick what each bearing pointer follows, TST/REF switches ground speed and time to
// go, NAV the navigation source; the display's compass card refreshes the heading that
// course direct uses.
#include "qp48_panel.h"

#include <string>

namespace efdisplay_qp48_test {
namespace {

// Depths of the situation display's elements in its single-chain tree.
constexpr int kBearing1Pointer = 4;
constexpr int kBearing2Pointer = 5;
constexpr int kSpeedOrTime = 14;
constexpr int kBearing2Label = 18;
constexpr int kBearing1Label = 19;
constexpr int kAnnunciator = 20;

constexpr uint32_t kGpsGroundSpeed = 0x340;  // metres per second
constexpr uint32_t kDme1Distance = 0x1f;     // nautical miles
constexpr uint32_t kDme1Speed = 0x20;        // knots

class Qp48WithDisplay : public Qp48Panel {
protected:
    void SetUp() override {
        Qp48Panel::SetUp();
        std::string error;
        display_ = host_.place(module_, "qd42ehsi", &error);
        ASSERT_NE(display_, panel_host::kNoInstance) << error;
        frame();
    }

    const panel_host::ElementState& element(int depth) const {
        const auto& states = host_.elements(display_);
        for (const panel_host::ElementState& state : states)
            if (state.depth == depth) return state;
        ADD_FAILURE() << "no element at depth " << depth;
        static const panel_host::ElementState none;
        return none;
    }

    panel_host::InstanceId display_ = panel_host::kNoInstance;
};

struct BearingButton {
    const char* name;
    Spot spot;
    int pointer_depth;
    int label_depth;
    int other_label_depth;
};

std::ostream& operator<<(std::ostream& out, const BearingButton& b) { return out << b.name; }

class Qp48BearingButton : public Qp48WithDisplay,
                          public ::testing::WithParamInterface<BearingButton> {};

TEST_P(Qp48BearingButton, CyclesOffVor1Vor2GpsAdf) {
    const BearingButton& b = GetParam();
    const char* const labels[] = {"    ", "VOR 1", "VOR 2", "GPS  ", "ADF  ", "    "};
    for (int clicks = 0; clicks < 6; ++clicks) {
        EXPECT_EQ(element(b.label_depth).text, labels[clicks]) << "after " << clicks << " clicks";
        EXPECT_EQ(element(b.pointer_depth).hidden, clicks % 5 == 0)
            << "after " << clicks << " clicks";
        EXPECT_EQ(element(b.other_label_depth).text, "    ") << "the other pointer's label";
        press(b.spot);
        frame();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Qp48BearingButton,
    ::testing::Values(
        BearingButton{"SingleArrow", kSingleArrowButton, kBearing1Pointer, kBearing1Label,
                      kBearing2Label},
        BearingButton{"DoubleArrow", kDoubleArrowButton, kBearing2Pointer, kBearing2Label,
                      kBearing1Label}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Qp48WithDisplay, TstRefSwitchesGroundSpeedAndTimeToGo) {
    set(kGpsGroundSpeed, 51.44);
    set(kDme1Distance, 10.0);
    set(kDme1Speed, 120.0);
    frame();
    EXPECT_EQ(element(kSpeedOrTime).text, " 99 KT");
    press(kTstRefKnob);
    frame();
    EXPECT_EQ(element(kSpeedOrTime).text, "05:00");
    press(kTstRefKnob);
    frame();
    EXPECT_EQ(element(kSpeedOrTime).text, " 99 KT");
}

TEST_F(Qp48WithDisplay, NavButtonStepsTheAnnunciator) {
    // VOR 1, VOR 2, GPS, ADF, VOR 1 with no localizer tuned.
    const int cases[] = {0, 2, 4, 5, 0};
    for (int clicks = 0; clicks < 5; ++clicks) {
        EXPECT_EQ(element(kAnnunciator).icon_case, cases[clicks]) << "after " << clicks;
        press(kNavButton);
        frame();
    }
}

TEST_F(Qp48WithDisplay, CourseDirectUsesTheHeadingTheCompassCardRefreshed) {
    set(kHeading, 20.0);
    frame();
    set(kHeading, 200.0);  // not refreshed until the next frame
    set(kVor1Bearing, 350.2);
    press(kDirCentre);
    EXPECT_EQ(take_events(), (Events{{kSetVor1Course, 11}}));
}

}  // namespace
}  // namespace efdisplay_qp48_test
