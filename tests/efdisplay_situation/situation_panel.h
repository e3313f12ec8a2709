// Both situation displays placed on one panel host with their own variable store. The
// navigation selections are made the way a pilot makes them: by clicking the qd41cdu bezel.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "panel_host/panel_host.h"

namespace efdisplay_test {

// Simulator tokens the displays read.
inline constexpr uint32_t kHeading = 0x51;
inline constexpr uint32_t kSelectedHeading = 0x6b;
inline constexpr uint32_t kVor1Bearing = 0x226;
inline constexpr uint32_t kVor2Bearing = 0x3b;
inline constexpr uint32_t kAdfBearing = 0x27;
inline constexpr uint32_t kGpsBearing = 0x34e;
inline constexpr uint32_t kGpsDistance = 0x343;     // metres
inline constexpr uint32_t kGpsGroundSpeed = 0x340;  // metres per second
inline constexpr uint32_t kGpsCrossTrack = 0x345;   // metres
inline constexpr uint32_t kVor1Flags = 0x2e;
inline constexpr uint32_t kVor2Flags = 0x37;
inline constexpr uint32_t kVor1Deviation = 0x28;
inline constexpr uint32_t kVor2Deviation = 0x32;
inline constexpr uint32_t kVor1Glideslope = 0x29;
inline constexpr uint32_t kVor2Glideslope = 0x372;
inline constexpr uint32_t kVor1Course = 0x2d;
inline constexpr uint32_t kVor2Course = 0x36;
inline constexpr uint32_t kDme1Distance = 0x1f;
inline constexpr uint32_t kDme1Speed = 0x20;
inline constexpr uint32_t kDme2Distance = 0x23;
inline constexpr uint32_t kDme2Speed = 0x24;
inline constexpr uint32_t kWindDirection = 0x158;
inline constexpr uint32_t kWindSpeed = 0x157;

inline constexpr int32_t kGlideslopeBit = 0x40;
inline constexpr int32_t kLocalizerBit = 0x80;

// The display's elements by their place in the chain.
enum Part : int {
    kBackground = 0,
    kCompassCard = 1,
    kDeviationBar = 2,
    kCoursePointer = 3,
    kBearing1Pointer = 4,
    kBearing2Pointer = 5,
    kHeadingBug = 6,
    kGlideslopeScale = 7,
    kGlideslopePointer = 8,
    kWindArrow = 9,
    kHeadingReadout = 10,
    kWindSpeedReadout = 11,
    kSelectedHeadingReadout = 12,
    kCourseReadout = 13,
    kSpeedTimeReadout = 14,
    kNavigationDistance = 15,
    kBearing1Distance = 16,
    kBearing2Distance = 17,
    kBearing2Label = 18,
    kBearing1Label = 19,
    kAnnunciator = 20,
    kPartCount = 21,
};

// Navigation sources, as the selections number them.
enum Source : int { kOff = 0, kVor1 = 1, kVor2 = 2, kGps = 3, kAdf = 4 };
const char* source_name(int source);

// A point on a control of the qd41cdu bezel, in gauge pixels.
struct Spot {
    const char* name;
    int x;
    int y;
};
inline constexpr Spot kNavButton{"NAV", 26, 217};
inline constexpr Spot kBearing1Button{"single arrow", 134, 392};
inline constexpr Spot kBearing2Button{"double arrow", 294, 392};
inline constexpr Spot kSpeedTimeKnob{"TST/REF", 400, 80};
inline constexpr Spot kHsiButton{"HSI", 26, 292};
inline constexpr Spot kArcButton{"ARC", 400, 292};
inline constexpr Spot kUpTriangle{"up triangle", 403, 140};
inline constexpr Spot kDownTriangle{"down triangle", 403, 216};
inline constexpr Spot kSyncLeft{"SYNC left", 336, 380};
inline constexpr Spot kSyncRight{"SYNC right", 417, 380};
inline constexpr Spot kOneTwoButton{"1 2", 26, 142};
inline constexpr Spot kBrightnessKnob{"BRT", 214, 396};

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

class SituationPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void frame() { host_.run_frame(); }
    void press(const Spot& spot);
    // Click the bezel until the selection has the value (each click steps it once).
    void select_navigation(int source);
    void select_bearing1(int source);
    void select_bearing2(int source);
    void show_time_to_go();
    Events take_events();

    const panel_host::ElementState& part(Part which) const { return part(which, ehsi_); }
    const panel_host::ElementState& part(Part which, panel_host::InstanceId instance) const;
    const std::string& text(Part which) const { return part(which).text; }

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId ehsi_ = panel_host::kNoInstance;
    panel_host::InstanceId cdu_ = panel_host::kNoInstance;

private:
    void step_until(const Spot& button, int* selection, int source, int choices);

    int navigation_ = kVor1;
    int bearing1_ = kOff;
    int bearing2_ = kOff;
    Events events_;
};

}  // namespace efdisplay_test
