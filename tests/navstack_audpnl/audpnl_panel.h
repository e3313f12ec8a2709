// A placed audio panel on a panel host with its own variable store, recording the key events
// and panel window toggles the host sends.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "panel_host/panel_host.h"

namespace navstack_audpnl_test {

// Simulator tokens.
inline constexpr uint32_t kCom1Selected = 0x36a;
inline constexpr uint32_t kCom2Selected = 0x36b;
inline constexpr uint32_t kComSplit = 0x36c;
inline constexpr uint32_t kMarkerAudio = 0x371;
inline constexpr uint32_t kMarkerReceived = 0x162;

// Key events.
inline constexpr uint32_t kToggleNav1Ident = 0x10132;
inline constexpr uint32_t kToggleNav2Ident = 0x10133;
inline constexpr uint32_t kToggleDmeAudio = 0x10134;
inline constexpr uint32_t kToggleAdfAudio = 0x10136;

inline constexpr uint32_t kCopilotWindow = 50;

// A point on the face, in gauge pixels.
struct Spot {
    const char* name;
    int x;
    int y;
};
inline constexpr Spot kCom1Button{"COM1", 137, 28};
inline constexpr Spot kCom2Button{"COM2", 177, 28};
inline constexpr Spot kComSplitButton{"COM 1/2", 276, 70};
inline constexpr Spot kNav1Button{"NAV1", 278, 28};
inline constexpr Spot kNav2Button{"NAV2", 319, 28};
inline constexpr Spot kDmeButton{"DME", 360, 28};
inline constexpr Spot kMarkerMuteButton{"MKR MUTE", 91, 28};
inline constexpr Spot kAdfButton{"ADF", 402, 28};
inline constexpr Spot kCopilotKnob{"COPILOT knob", 466, 63};
inline constexpr Spot kTestButton{"TEST", 466, 23};
inline constexpr Spot kLiveControls[] = {kCom1Button,       kCom2Button, kComSplitButton,
                                         kNav1Button,       kNav2Button, kDmeButton,
                                         kMarkerMuteButton, kAdfButton,  kCopilotKnob,
                                         kTestButton};
// Controls painted on the face that take no clicks.
inline constexpr Spot kPaintedControls[] = {
    {"COM3", 218, 28},     {"COM1 MIC", 137, 60}, {"COM2 MIC", 177, 60}, {"COM3 MIC", 218, 60},
    {"SENS", 53, 74},      {"SPKR", 319, 55},     {"PA", 360, 55},       {"PILOT", 319, 77},
    {"CREW", 360, 77},     {"PILOT knob", 21, 64}, {"marker strip", 37, 26},
};

// The lamps, by where they sit.
enum class Lamp { com1, com2, com_split, nav1, nav2, dme, marker_mute, adf };
inline constexpr Lamp kAllLamps[] = {Lamp::com1, Lamp::com2, Lamp::com_split,   Lamp::nav1,
                                     Lamp::nav2, Lamp::dme,  Lamp::marker_mute, Lamp::adf};
const char* lamp_name(Lamp lamp);
std::ostream& operator<<(std::ostream& out, Lamp lamp);

// What the marker strip shows.
enum class Marker { none, outer, middle, inner };
std::ostream& operator<<(std::ostream& out, Marker marker);

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

class AudpnlPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void frame() { host_.run_frame(); }
    // A left click (press and release) on the spot.
    void press(const Spot& spot) { press(spot, audpnl_); }
    void press(const Spot& spot, panel_host::InstanceId instance);

    Events take_events();
    std::vector<std::pair<uint32_t, bool>> take_window_toggles();

    panel_host::InstanceId place(const char* gauge);

    const panel_host::ElementState& lamp(Lamp which) const { return lamp(which, audpnl_); }
    const panel_host::ElementState& lamp(Lamp which, panel_host::InstanceId instance) const;
    bool lit(Lamp which) const { return lamp(which).icon_case == 0; }
    bool lit(Lamp which, panel_host::InstanceId instance) const {
        return lamp(which, instance).icon_case == 0;
    }
    // The lamps lit after the last frame.
    std::vector<Lamp> lit_lamps() const;
    const panel_host::ElementState& marker_strip() const;
    Marker marker_shown() const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId audpnl_ = panel_host::kNoInstance;

private:
    Events events_;
    std::vector<std::pair<uint32_t, bool>> window_toggles_;
};

}  // namespace navstack_audpnl_test
