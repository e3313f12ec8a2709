// A placed attitude display on a panel host with its own variable store. The navigation
// source is changed the way a pilot changes it: with the NAV button of the display control
// panel placed beside it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "panel_host/panel_host.h"

namespace efdisplay_test {

// Simulator tokens the attitude display reads.
inline constexpr uint32_t kPitchCompared = 0x4d;
inline constexpr uint32_t kPitchSphere = 0x4e;
inline constexpr uint32_t kBankScale = 0x4f;
inline constexpr uint32_t kBank = 0x50;
inline constexpr uint32_t kDirectorOn = 0x318;
inline constexpr uint32_t kDirectorPitch = 0x319;
inline constexpr uint32_t kDirectorBank = 0x31a;
inline constexpr uint32_t kRadioAltitude = 0x266;
inline constexpr uint32_t kMarker = 0x162;
inline constexpr uint32_t kVor1Flags = 0x2e;
inline constexpr uint32_t kVor2Flags = 0x37;
inline constexpr uint32_t kVor1Deviation = 0x28;
inline constexpr uint32_t kVor2Deviation = 0x32;
inline constexpr uint32_t kVor1Glideslope = 0x29;
inline constexpr uint32_t kVor2Glideslope = 0x372;

inline constexpr uint32_t kGlideslopeBit = 0x40;
inline constexpr uint32_t kLocalizerBit = 0x80;

// The elements of the display, by their place in the chain.
enum class Item : int {
    background = 0,
    sphere = 1,
    command_bars = 2,
    bank_scale = 3,
    glideslope_scale = 4,
    glideslope_pointer = 5,
    localizer_scale = 6,
    localizer_pointer = 7,
    radio_altitude = 8,
    marker_lights = 9,
};

class EadiPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void frame() { host_.run_frame(); }
    // Clicks NAV on the display control panel until nav_source is `source` (1 to 4); it
    // starts at 1 when the module loads and steps 1, 2, 3, 4, 1.
    void select_nav_source(int source);

    const panel_host::ElementState& item(Item which) const;
    const panel_host::ElementState& item(Item which, panel_host::InstanceId instance) const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId eadi_ = panel_host::kNoInstance;
    std::vector<panel_abi::KeyEvent> events_;

private:
    panel_host::InstanceId control_panel_ = panel_host::kNoInstance;
    int nav_source_ = 1;
};

}  // namespace efdisplay_test
