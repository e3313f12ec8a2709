// The buttons: COM1, COM2, COM 1/2 and MKR MUTE pass straight to the simulator; NAV1, NAV2,
// DME and ADF flip this panel's own lamp and pass the toggle on; the copilot knob shows and
// hides panel window 50; the painted controls take no clicks.
#include <cctype>

#include "audpnl_panel.h"

namespace navstack_audpnl_test {
namespace {

constexpr int32_t kPushCursor = 5;

struct SimulatorButton {
    Spot button;
    uint32_t event;
};

std::ostream& operator<<(std::ostream& out, const SimulatorButton& b) {
    return out << b.button.name;
}

class AudpnlSimulatorButton : public AudpnlPanel,
                              public ::testing::WithParamInterface<SimulatorButton> {};

TEST_P(AudpnlSimulatorButton, SendsItsKeyEventAndLightsNothingItself) {
    press(GetParam().button);
    EXPECT_EQ(take_events(), (Events{{GetParam().event, 0}}));
    frame();
    EXPECT_TRUE(lit_lamps().empty()) << "the simulator, not the button, lights the lamp";
}

INSTANTIATE_TEST_SUITE_P(Buttons, AudpnlSimulatorButton,
                         ::testing::Values(SimulatorButton{kCom1Button, 0x1039f},
                                           SimulatorButton{kCom2Button, 0x103a0},
                                           SimulatorButton{kComSplitButton, 0x103a1},
                                           SimulatorButton{kMarkerMuteButton, 0x103ad}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.button.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

struct AudioButton {
    Spot button;
    Lamp lamp;
    uint32_t event;
};

std::ostream& operator<<(std::ostream& out, const AudioButton& b) { return out << b.button.name; }

class AudpnlAudioButton : public AudpnlPanel, public ::testing::WithParamInterface<AudioButton> {};

TEST_P(AudpnlAudioButton, TogglesItsLampAndSendsItsEventEachClick) {
    const AudioButton& b = GetParam();
    std::vector<bool> lamp_after;
    for (int click = 0; click < 3; ++click) {
        press(b.button);
        frame();
        lamp_after.push_back(lit(b.lamp));
        EXPECT_EQ(lit_lamps().size(), lit(b.lamp) ? 1u : 0u) << "another lamp changed";
    }
    EXPECT_EQ(lamp_after, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(take_events(), (Events{{b.event, 0}, {b.event, 0}, {b.event, 0}}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, AudpnlAudioButton,
                         ::testing::Values(AudioButton{kNav1Button, Lamp::nav1, kToggleNav1Ident},
                                           AudioButton{kNav2Button, Lamp::nav2, kToggleNav2Ident},
                                           AudioButton{kDmeButton, Lamp::dme, kToggleDmeAudio},
                                           AudioButton{kAdfButton, Lamp::adf, kToggleAdfAudio}),
                         [](const auto& info) { return std::string(info.param.button.name); });

TEST_F(AudpnlPanel, AllFourAudioLampsCanBeLitTogether) {
    for (const Spot& spot : {kNav1Button, kNav2Button, kDmeButton, kAdfButton}) press(spot);
    frame();
    EXPECT_EQ(lit_lamps(), (std::vector<Lamp>{Lamp::nav1, Lamp::nav2, Lamp::dme, Lamp::adf}));
}

TEST_F(AudpnlPanel, TheCopilotKnobTogglesPanelWindow50) {
    host_.define_window(kCopilotWindow, false);
    press(kCopilotKnob);
    EXPECT_TRUE(host_.window_visible(kCopilotWindow));
    press(kCopilotKnob);
    EXPECT_FALSE(host_.window_visible(kCopilotWindow));
    EXPECT_EQ(take_window_toggles(),
              (std::vector<std::pair<uint32_t, bool>>{{kCopilotWindow, true},
                                                      {kCopilotWindow, false}}));
    EXPECT_TRUE(take_events().empty());
}

TEST_F(AudpnlPanel, PaintedControlsTakeNoClicks) {
    for (const Spot& spot : kPaintedControls) {
        press(spot);
        frame();
        EXPECT_TRUE(take_events().empty()) << spot.name;
        EXPECT_TRUE(take_window_toggles().empty()) << spot.name;
        EXPECT_TRUE(lit_lamps().empty()) << spot.name;
        EXPECT_EQ(marker_shown(), Marker::none) << spot.name;
        EXPECT_FALSE(host_.hover(audpnl_, spot.x, spot.y).over_area) << spot.name;
    }
}

TEST_F(AudpnlPanel, LiveControlsShowThePushCursor) {
    for (const Spot& spot : kLiveControls) {
        const panel_host::HoverInfo hover = host_.hover(audpnl_, spot.x, spot.y);
        EXPECT_TRUE(hover.over_area) << spot.name;
        EXPECT_EQ(hover.cursor, kPushCursor) << spot.name;
    }
}

TEST_F(AudpnlPanel, RightClicksAreNotTaken) {
    for (const Spot& spot : kLiveControls) {
        host_.mouse_press(audpnl_, spot.x, spot.y, panel_host::MouseButton::right);
        host_.mouse_release();
        frame();
        EXPECT_TRUE(take_events().empty()) << spot.name;
        EXPECT_TRUE(take_window_toggles().empty()) << spot.name;
        EXPECT_TRUE(lit_lamps().empty()) << spot.name;
        EXPECT_EQ(marker_shown(), Marker::none) << spot.name;
    }
}

// Placed twice (2D panel and virtual cockpit), both panels show the one set of flags.
TEST_F(AudpnlPanel, TwoPlacedPanelsShareTheirFlags) {
    const panel_host::InstanceId other = place("audpnl");
    press(kDmeButton, other);
    press(kTestButton);
    frame();
    EXPECT_TRUE(lit(Lamp::dme));
    EXPECT_TRUE(lit(Lamp::dme, other));
    EXPECT_EQ(marker_shown(), Marker::outer);
    press(kDmeButton);
    frame();
    EXPECT_FALSE(lit(Lamp::dme, other));
}

// The NAV volume/ident knob of GPS/NAV/COM unit 1 sends the same event as NAV1 here but does
// not touch this panel's flag, so the lamp then shows the opposite of the identifier audio.
TEST_F(AudpnlPanel, TheUnitsIdentKnobSendsTheSameEventWithoutTheLamp) {
    std::string error;
    const panel_host::InstanceId unit = host_.place(module_, "navcom1", &error);
    ASSERT_NE(unit, panel_host::kNoInstance) << error;
    const Spot unit_ident_knob{"navcom1 NAV ident knob", 38, 82};

    press(kNav1Button);
    frame();
    ASSERT_TRUE(lit(Lamp::nav1));
    press(unit_ident_knob, unit);
    frame();
    EXPECT_TRUE(lit(Lamp::nav1));
    EXPECT_EQ(take_events(), (Events{{kToggleNav1Ident, 0}, {kToggleNav1Ident, 0}}));
    press(kNav1Button);
    frame();
    EXPECT_FALSE(lit(Lamp::nav1));
    EXPECT_EQ(take_events(), (Events{{kToggleNav1Ident, 0}}));
}

}  // namespace
}  // namespace navstack_audpnl_test
