// A placed display control panel on a panel host with its own variable store, recording every
// key event the host's sink receives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "panel_host/panel_host.h"

namespace efdisplay_qp48_test {

// Simulator tokens the panel reads.
inline constexpr uint32_t kHeading = 0x51;
inline constexpr uint32_t kVor1Bearing = 0x226;  // degrees from the nose
inline constexpr uint32_t kVor2Bearing = 0x3b;   // degrees from the nose
inline constexpr uint32_t kAdfBearing = 0x27;    // degrees from the nose
inline constexpr uint32_t kGpsBearing = 0x344;   // radians

// Key events the panel sends.
inline constexpr uint32_t kSetVor1Course = 0x100b4;
inline constexpr uint32_t kSetVor2Course = 0x100b5;
inline constexpr uint32_t kVor1CourseDown = 0x1007e;
inline constexpr uint32_t kVor1CourseUp = 0x1007f;
inline constexpr uint32_t kVor2CourseDown = 0x10080;
inline constexpr uint32_t kVor2CourseUp = 0x10081;
inline constexpr uint32_t kSetSelectedHeading = 0x101fa;
inline constexpr uint32_t kSelectedHeadingDown = 0x10158;
inline constexpr uint32_t kSelectedHeadingUp = 0x10157;

// A point on a control of the panel, in gauge pixels.
struct Spot {
    const char* name;
    int x;
    int y;
};
inline constexpr Spot kNavButton{"NAV", 229, 54};
inline constexpr Spot kDirCentre{"DIR centre", 70, 106};
inline constexpr Spot kDirLeft{"DIR left half", 45, 106};
inline constexpr Spot kDirRight{"DIR right half", 95, 106};
inline constexpr Spot kSingleArrowButton{"single arrow", 135, 100};
inline constexpr Spot kDoubleArrowButton{"double arrow", 182, 100};
inline constexpr Spot kSyncCentre{"SYNC centre", 340, 106};
inline constexpr Spot kSyncLeft{"SYNC left half", 315, 106};
inline constexpr Spot kSyncRight{"SYNC right half", 365, 106};
inline constexpr Spot kTstRefKnob{"TST/REF knob", 253, 19};
// Painted controls that no mouse area covers.
inline constexpr Spot kHsiButton{"HSI", 135, 54};
inline constexpr Spot kArcButton{"ARC", 182, 54};
inline constexpr Spot kRingUpButton{"RING up", 276, 54};
inline constexpr Spot kOneTwoButton{"1-2", 229, 100};
inline constexpr Spot kRingDownButton{"RING down", 276, 100};
inline constexpr Spot kBrtKnob{"BRT", 370, 28};

// A test name made of a spot's letters and digits ("DIR left half" gives "DIRlefthalf").
std::string test_name(const Spot& spot);

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

class Qp48Panel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void frame() { host_.run_frame(); }
    // A left click (press and release) on the spot.
    void press(const Spot& spot) { press(spot, panel_); }
    void press(const Spot& spot, panel_host::InstanceId instance);
    void press_times(const Spot& spot, int times);
    // The key events sent since the last call.
    Events take_events();
    // The VOR whose course the DIR knob steps, read by a click on its right half: 1 or 2.
    int stepped_vor();

    panel_host::InstanceId place_another();

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId panel_ = panel_host::kNoInstance;

private:
    Events events_;
};

}  // namespace efdisplay_qp48_test
