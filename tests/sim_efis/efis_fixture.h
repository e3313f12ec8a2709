// A simulated aircraft on its own variable store, with the tokens and key events of the
// flight instruments and the helpers the EFIS tests drive it with.
#pragma once

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string_view>

#include "panel_host/variable_store.h"
#include "panel_sim/simulated_aircraft.h"

namespace efis_test {

// Tokens.
constexpr uint32_t kAltitude = 0x4a;
constexpr uint32_t kVerticalSpeed = 0x41;  // 1/256 m/s
constexpr uint32_t kHeading = 0x51;
constexpr uint32_t kAutopilotMaster = 0x67;
constexpr uint32_t kHeadingMode = 0x6a;
constexpr uint32_t kAltitudeHold = 0x6c;
constexpr uint32_t kVor1Bearing = 0x226, kVor2Bearing = 0x3b, kAdfBearing = 0x27;
constexpr uint32_t kVor1Flags = 0x2e, kVor2Flags = 0x37;
constexpr uint32_t kVor1Deviation = 0x28, kVor2Deviation = 0x32;
constexpr uint32_t kVor1Glideslope = 0x29, kVor2Glideslope = 0x372;
constexpr uint32_t kVor1Course = 0x2d, kVor2Course = 0x36;
constexpr uint32_t kSelectedHeading = 0x6b;
constexpr uint32_t kWindDirection = 0x158, kWindSpeed = 0x157;
constexpr uint32_t kPitch = 0x4d, kSpherePitch = 0x4e, kBankScale = 0x4f, kBank = 0x50;
constexpr uint32_t kDirectorOn = 0x318, kDirectorPitch = 0x319, kDirectorBank = 0x31a;
constexpr uint32_t kRadioAltitude = 0x266;  // metres
constexpr uint32_t kNav1Active = 0x18, kNav2Active = 0x1b;
constexpr uint32_t kDme2Distance = 0x23;
constexpr uint32_t kGpsDistance = 0x343, kGpsBearing = 0x34e, kGpsWaypoint = 0x347;

constexpr int kGlideslopeBit = 0x40, kLocalizerBit = 0x80;

// Every number the EFIS system writes.
constexpr uint32_t kEfisTokens[] = {
    kVor1Bearing,   kVor2Bearing,    kAdfBearing,     kVor1Flags,     kVor2Flags,  kVor1Deviation,
    kVor2Deviation, kVor1Glideslope, kVor2Glideslope, kVor1Course,    kVor2Course, kSelectedHeading,
    kWindDirection, kWindSpeed,      kPitch,          kSpherePitch,   kBankScale,  kBank,
    kDirectorOn,    kDirectorPitch,  kDirectorBank,   kRadioAltitude, kHeading};

// Key events.
constexpr uint32_t kSetVor1Course = 0x100b4, kSetVor2Course = 0x100b5;
constexpr uint32_t kVor1Down = 0x1007e, kVor1Up = 0x1007f, kVor2Down = 0x10080, kVor2Up = 0x10081;
constexpr uint32_t kSetHeading = 0x101fa, kHeadingDown = 0x10158, kHeadingUp = 0x10157;
constexpr uint32_t kCoarseHeadingUp = 0x10311, kCoarseHeadingDown = 0x10312;
constexpr uint32_t kHeadingButton = 0x10106;
constexpr uint32_t kSetVerticalSpeedTarget = 0x101f4;
constexpr uint32_t kEngageFirst = 0x10243, kEngageSecond = 0x10237;
constexpr uint32_t kSetNav1Standby = 0x1038f, kSwapNav1 = 0x10390;

constexpr uint32_t kSelectors[] = {kVor1Course, kVor2Course, kSelectedHeading};

constexpr double kMetresPerFoot = 0.3048;
constexpr double kFeetPerNm = 6076.12;
constexpr double kGroundElevationFt = 500.0;

namespace {

// A table case prints as its name in test output.
template <typename Case>
requires requires(const Case& c) { std::string_view(c.name); }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

}  // namespace

// The angle from `from` to `to`, the shorter way round, in (-180, 180].
inline double angle_between(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

// Not copyable: the simulated aircraft refers to its own store.
struct Aircraft {
    Aircraft() = default;
    Aircraft(const Aircraft&) = delete;
    Aircraft& operator=(const Aircraft&) = delete;

    panel_host::VariableStore store;
    panel_sim::SimulatedAircraft aircraft{store};

    bool send(uint32_t id, int32_t value = 0) { return aircraft.apply({.id = id, .value = value}); }
    void run_frames(int frames) {
        for (int i = 0; i < frames; ++i) aircraft.advance_frame();
    }
    void run_seconds(double seconds) {
        run_frames(static_cast<int>(std::lround(seconds * panel_sim::kFramesPerSecond)));
    }
    double number(uint32_t token) const { return store.number(token); }
    int flags(uint32_t token) const { return store.integer(token); }
    // The compass bearing to a receiver's station: its relative bearing plus the heading.
    double station_bearing(uint32_t relative_bearing) const {
        return std::fmod(number(relative_bearing) + number(kHeading), 360.0);
    }
    // Tunes NAV 1 through its standby frequency.
    void tune_nav1(int32_t word) {
        send(kSetNav1Standby, word);
        send(kSwapNav1);
    }
};

}  // namespace efis_test
