// A simulated aircraft on its own variable store, the radio stack's tokens and key events,
// and an independent statement of which BCD words are channels of the COM and NAV bands.
#pragma once

#include <cmath>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "panel_host/variable_store.h"
#include "panel_sim/simulated_aircraft.h"

namespace radio_test {

// Tokens.
constexpr uint32_t kTickCount = 0x01;
constexpr uint32_t kAltitude = 0x4a;
constexpr uint32_t kCom1Active = 0x17, kCom1Standby = 0x269;
constexpr uint32_t kCom2Active = 0x366, kCom2Standby = 0x367;
constexpr uint32_t kNav1Active = 0x18, kNav1Standby = 0x368;
constexpr uint32_t kNav2Active = 0x1b, kNav2Standby = 0x369;
constexpr uint32_t kDme1Distance = 0x1f, kDme1Speed = 0x20;
constexpr uint32_t kDme2Distance = 0x23, kDme2Speed = 0x24;
constexpr uint32_t kTransponderCode = 0x26;
constexpr uint32_t kCom1Selected = 0x36a, kCom2Selected = 0x36b, kComSplit = 0x36c;
constexpr uint32_t kMarkerAudio = 0x371;
constexpr uint32_t kNav1Ident = 0x1a, kNav2Ident = 0x1d, kDmeAudio = 0x21, kAdfAudio = 0x15;
constexpr uint32_t kMarkerBeacon = 0x162;
constexpr uint32_t kCourseSource = 0x350;
constexpr uint32_t kGroundSpeed = 0x340;  // m/s
constexpr uint32_t kTrack = 0x342;        // radians
constexpr uint32_t kDistance = 0x343;     // metres
constexpr uint32_t kBearing = 0x344;      // radians
constexpr uint32_t kCrossTrack = 0x345;   // metres
constexpr uint32_t kWaypoint = 0x347;     // text
constexpr uint32_t kBearingDegrees = 0x34e;
constexpr uint32_t kDesiredTrack = 0x34f;  // degrees

// Key events.
constexpr uint32_t kSetCom1 = 0x10343, kCom1Down = 0x10382, kCom1Up = 0x10383, kSwapCom1 = 0x10344;
constexpr uint32_t kSetCom2 = 0x1038b, kCom2Down = 0x10387, kCom2Up = 0x10389, kSwapCom2 = 0x1038c;
constexpr uint32_t kSetNav1 = 0x1038f, kNav1Down = 0x1038d, kNav1Up = 0x1038e, kSwapNav1 = 0x10390;
constexpr uint32_t kSetNav2 = 0x10393, kNav2Down = 0x10391, kNav2Up = 0x10392, kSwapNav2 = 0x10394;
constexpr uint32_t kSetCode = 0x100b3;
constexpr uint32_t kDigitUp[] = {0x10073, 0x10074, 0x10075, 0x10076};
constexpr uint32_t kDigitDown[] = {0x10397, 0x10398, 0x10399, 0x1039a};
constexpr uint32_t kSelectCom1 = 0x1039f, kSelectCom2 = 0x103a0, kToggleSplit = 0x103a1;
constexpr uint32_t kToggleMarkerAudio = 0x103ad;
constexpr uint32_t kToggleNav1Ident = 0x10132, kToggleNav2Ident = 0x10133;
constexpr uint32_t kToggleDmeAudio = 0x10134, kToggleAdfAudio = 0x10136;
constexpr uint32_t kToggleCourseSource = 0x10347;

// Every number-form token the radio stack writes (the frequencies and the code are checked
// separately, as integers).
constexpr uint32_t kNumberTokens[] = {
    kDme1Distance, kDme1Speed,      kDme2Distance, kDme2Speed, kCom1Selected, kCom2Selected,
    kComSplit,     kMarkerAudio,    kNav1Ident,    kNav2Ident, kDmeAudio,     kAdfAudio,
    kMarkerBeacon, kCourseSource,   kGroundSpeed,  kTrack,     kDistance,     kBearing,
    kCrossTrack,   kBearingDegrees, kDesiredTrack};
constexpr uint32_t kWordTokens[] = {kCom1Active,  kCom1Standby, kCom2Active,
                                    kCom2Standby, kNav1Active,  kNav1Standby,
                                    kNav2Active,  kNav2Standby, kTransponderCode};

constexpr double kNmPerMetre = 0.00054;
constexpr double kDegreesPerRadian = 57.29578;
constexpr double kKnotsPerMps = 1.944;

namespace {

// A table case prints as its name in test output.
template <typename Case>
requires requires(const Case& c) { std::string_view(c.name); }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

}  // namespace

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
    int32_t word(uint32_t token) const { return store.integer(token); }
    double number(uint32_t token) const { return store.number(token); }
    std::string waypoint() const { return store.text(kWaypoint); }
    double distance_nm() const { return number(kDistance) * kNmPerMetre; }
    double cross_track_nm() const { return number(kCrossTrack) * kNmPerMetre; }
};

// The band a radio tunes, as the channels a pilot can dial: the frequencies in kHz from the
// lowest to the highest channel in steps of the channel spacing, each written with its first
// two decimals as BCD (118.025 MHz is 0x1802).
struct Band {
    int lowest_khz;
    int highest_khz;
    int spacing_khz;
};
constexpr Band kComBand{.lowest_khz = 118000, .highest_khz = 135975, .spacing_khz = 25};
constexpr Band kNavBand{.lowest_khz = 108000, .highest_khz = 117950, .spacing_khz = 50};

inline int32_t written_word(int khz) {
    const int above_100_mhz = khz / 1000 - 100;
    const int hundredths = khz % 1000 / 10;
    return (above_100_mhz / 10) << 12 | (above_100_mhz % 10) << 8 | (hundredths / 10) << 4 |
           hundredths % 10;
}

inline std::set<int32_t> channels(const Band& band) {
    std::set<int32_t> words;
    for (int khz = band.lowest_khz; khz <= band.highest_khz; khz += band.spacing_khz)
        words.insert(written_word(khz));
    return words;
}

inline bool is_channel(const Band& band, int32_t word) { return channels(band).count(word) == 1; }

inline bool is_transponder_code(int32_t word) {
    if (word < 0 || word > 0xffff) return false;
    for (int shift = 0; shift < 16; shift += 4)
        if (((word >> shift) & 0xf) > 7) return false;
    return true;
}

}  // namespace radio_test
