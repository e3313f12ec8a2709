// A simulated aircraft on its own variable store, with the tokens and key events the tests
// use and the helpers to drive it.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string_view>

#include "panel_host/variable_store.h"
#include "panel_sim/simulated_aircraft.h"

namespace sim_test {

// Tokens.
constexpr uint32_t kTickCount = 0x01;
constexpr uint32_t kVerticalSpeed = 0x41;  // 1/256 m/s
constexpr uint32_t kAltitude = 0x4a;
constexpr uint32_t kAutopilotMaster = 0x67;
constexpr uint32_t kNavMode = 0x69;
constexpr uint32_t kHeadingMode = 0x6a;
constexpr uint32_t kAltitudeHold = 0x6c;
constexpr uint32_t kAltitudeTarget = 0x6d;
constexpr uint32_t kApproachMode = 0x70;
constexpr uint32_t kBackCourseMode = 0x71;
constexpr uint32_t kVerticalSpeedTarget = 0x78;

// Key events.
constexpr uint32_t kHeadingButton = 0x10106;
constexpr uint32_t kNavButton = 0x100c1;
constexpr uint32_t kApproachButton = 0x100bc;
constexpr uint32_t kBackCourseButton = 0x100c0;
constexpr uint32_t kSetVerticalSpeedTarget = 0x101f4;
constexpr uint32_t kSetAltitudeTarget = 0x1024c;
constexpr uint32_t kEngageFirst = 0x10243;
constexpr uint32_t kEngageSecond = 0x10237;
constexpr uint32_t kDisengageFirst = 0x10244;
constexpr uint32_t kDisengageSecond = 0x10238;

// The tokens the aircraft changes in response to key events and frames.
constexpr uint32_t kChangingTokens[] = {
    kTickCount,     kVerticalSpeed,  kAltitude,       kAutopilotMaster,
    kNavMode,       kHeadingMode,    kAltitudeHold,   kAltitudeTarget,
    kApproachMode,  kBackCourseMode, kVerticalSpeedTarget,
};

constexpr double kUnitsPerFpm = 1.30048;

namespace {

// A table case prints as its name in test output.
template <typename Case>
    requires requires(const Case& c) { std::string_view(c.name); }
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace

// Not copyable: the simulated aircraft refers to its own store.
struct Aircraft {
    Aircraft() = default;
    Aircraft(const Aircraft&) = delete;
    Aircraft& operator=(const Aircraft&) = delete;

    panel_host::VariableStore store;
    panel_sim::SimulatedAircraft aircraft{store};

    bool send(uint32_t id, int32_t value = 0) {
        return aircraft.apply({.id = id, .value = value});
    }
    void send_all(std::initializer_list<uint32_t> ids) {
        for (uint32_t id : ids) send(id);
    }
    void engage() { send_all({kEngageFirst, kEngageSecond}); }
    void disengage() { send_all({kDisengageFirst, kDisengageSecond}); }

    void run_frames(int frames) {
        for (int i = 0; i < frames; ++i) aircraft.advance_frame();
    }
    void run_seconds(double seconds) {
        run_frames(static_cast<int>(std::lround(seconds * panel_sim::kFramesPerSecond)));
    }

    double altitude() const { return store.number(kAltitude); }
    double vertical_speed_fpm() const { return store.number(kVerticalSpeed) / kUnitsPerFpm; }
    void set_vertical_speed_fpm(double fpm) { store.set_number(kVerticalSpeed, fpm * kUnitsPerFpm); }
};

}  // namespace sim_test
