// A placed autopilot on a panel host with its own variable store, recording every key event
// the host's sink receives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "panel_host/panel_host.h"

namespace autoflight_test {

// Simulator tokens the autopilot reads.
inline constexpr uint32_t kVerticalSpeed = 0x41;  // 1/256 m/s
inline constexpr uint32_t kAltitude = 0x4a;
inline constexpr uint32_t kMaster = 0x67;
inline constexpr uint32_t kAltitudeTarget = 0x6d;
inline constexpr uint32_t kVerticalSpeedTarget = 0x78;

// Key events the autopilot sends.
inline constexpr uint32_t kSetVerticalSpeed = 0x101f4;
inline constexpr uint32_t kSetAltitude = 0x1024c;
inline constexpr uint32_t kEngageFirst = 0x10243;
inline constexpr uint32_t kEngageSecond = 0x10237;
inline constexpr uint32_t kDisengageFirst = 0x10244;
inline constexpr uint32_t kDisengageSecond = 0x10238;

// A point on a button of the face, in gauge pixels.
struct Spot {
    const char* name;
    int x;
    int y;
};
inline constexpr Spot kHdgButton{"HDG", 48, 86};
inline constexpr Spot kNavButton{"NAV", 113, 86};
inline constexpr Spot kAprButton{"APR", 179, 86};
inline constexpr Spot kRevButton{"REV", 244, 86};
inline constexpr Spot kAltButton{"ALT", 310, 86};
inline constexpr Spot kCaptureStrip{"capture", 344, 86};
inline constexpr Spot kVsButton{"VS", 377, 86};
inline constexpr Spot kKnobLeft{"knob left", 431, 89};
inline constexpr Spot kKnobRight{"knob right", 473, 89};

// The annunciation legends, named by their picture.
enum class Legend : int32_t {
    rdy = 4118,
    hdg = 4099,
    nav = 4102,
    apr = 4105,
    rev = 4106,
    alt = 4109,
    gs = 4112,
    gpss = 4121,
    vs = 4115,
};
inline constexpr Legend kAllLegends[] = {Legend::rdy, Legend::hdg, Legend::nav,
                                         Legend::apr, Legend::rev, Legend::alt,
                                         Legend::gs,  Legend::gpss, Legend::vs};
const char* legend_name(Legend legend);
std::ostream& operator<<(std::ostream& out, Legend legend);

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

// The key events of an engage: vertical-speed target, altitude target, the engage pair.
Events engage_events(int32_t vertical_speed_target, int32_t altitude_target);
Events disengage_events();

// The raw token value for a vertical speed in feet per minute, chosen so that the gauge's
// conversion back gives at least that magnitude (no rounding down across a whole foot).
double raw_vertical_speed(double feet_per_minute);

class AutopilotPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void set_vertical_speed_fpm(double feet_per_minute) {
        set(kVerticalSpeed, raw_vertical_speed(feet_per_minute));
    }
    void frame() { host_.run_frame(); }
    // A left click (press and release) on the spot.
    void press(const Spot& spot) { press(spot, autopilot_); }
    void press(const Spot& spot, panel_host::InstanceId instance);
    // The key events sent since the last call.
    Events take_events();

    panel_host::InstanceId place_another();

    const panel_host::ElementState& legend(Legend which) const { return legend(which, autopilot_); }
    const panel_host::ElementState& legend(Legend which, panel_host::InstanceId instance) const;
    bool lit(Legend which) const { return lit(which, autopilot_); }
    bool lit(Legend which, panel_host::InstanceId instance) const;
    const panel_host::ElementState& readout() const;
    // The legends lit after the last frame.
    std::vector<Legend> lit_legends() const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId autopilot_ = panel_host::kNoInstance;

private:
    Events events_;
};

}  // namespace autoflight_test
