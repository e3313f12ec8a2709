// The GPS data of the units (the simulator's one GPS, the same on both), the course source
// label, and the deviation bar.
#include "navcom_unit.h"
#include "panel_abi/services.h"

namespace navstack::navcom {

using namespace panel_abi;

namespace {

constexpr double kNauticalMilesPerMetre = 0.00054;
constexpr double kKnotsPerMetrePerSecond = 1.944;
constexpr double kDegreesPerRadian = 57.29578;

// Distances from 100 nautical miles up are shown without a decimal.
constexpr double kWholeMilesFrom = 100.0;
// The deviation bar's full deflection, in nautical miles either way.
constexpr double kFullDeflectionMiles = 5.0;

constexpr double kSecondsRange = 4294967296.0;  // counts of seconds are unsigned 32-bit

// Simulator variables, refreshed with lookup_var right before each use.
ModuleVariable ground_speed = {.token = 0x340};   // metres per second
ModuleVariable track = {.token = 0x342};          // radians
ModuleVariable gps_distance = {.token = 0x343};   // metres to the active waypoint
ModuleVariable bearing = {.token = 0x344};        // radians
ModuleVariable cross_track = {.token = 0x345};    // metres off the active leg
ModuleVariable waypoint = {.token = 0x347};       // text
ModuleVariable desired_track = {.token = 0x34f};  // degrees
ModuleVariable course_source = {.token = 0x350};  // 1.0 while the GPS drives the course

}  // namespace

bool gps_drives_course() { return lookup_number(&course_source) == 1.0; }

namespace {

void write_gps_distance(TextString* text) {
    const double miles = lookup_number(&gps_distance) * kNauticalMilesPerMetre;
    if (miles < kWholeMilesFrom)
        print_text(text, "%4.1f", miles);
    else
        print_text(text, "%4.0f", miles);
}

void write_angle(TextString* text, double degrees) {
    print_text(text, "%03u", truncate_to_unsigned(degrees));
}

// Time to the active waypoint as minutes and seconds; whole hours are dropped.
void write_ete(TextString* text) {
    const double distance = lookup_number(&gps_distance);
    const double speed = lookup_number(&ground_speed);
    uint32_t seconds = 0;
    if (speed != 0.0) {
        const double quotient = distance / speed;
        if (quotient >= 0.0 && quotient < kSecondsRange) seconds = truncate_to_unsigned(quotient);
    }
    print_text(text, "%02u:%02u", (seconds % 3600) / 60, seconds % 60);
}

void write_waypoint(TextString* text) {
    lookup_var(&waypoint);
    const char* identifier = waypoint.value.text;
    print_text(text, "%s", identifier != nullptr ? identifier : "");
}

// "GPS" only on the unit whose CDI button asked for it, while the GPS drives the course.
void write_source_label(UnitId unit, TextString* text) {
    if (gps_drives_course() && gps_label_latch[unit] != 0) {
        print_text(text, "GPS");
        return;
    }
    print_text(text, "NAV");
    gps_label_latch[unit] = 0;
}

}  // namespace

void write_throttled_text(UnitId unit, ThrottledText which, TextString* text) {
    switch (which) {
    case kSourceLabel: write_source_label(unit, text); break;
    case kEte: write_ete(text); break;
    case kTrack: write_angle(text, lookup_number(&track) * kDegreesPerRadian); break;
    case kGroundSpeed:
        print_text(text, "%3u",
                   truncate_to_unsigned(lookup_number(&ground_speed) * kKnotsPerMetrePerSecond));
        break;
    case kBearing: write_angle(text, lookup_number(&bearing) * kDegreesPerRadian); break;
    case kDesiredTrack: write_angle(text, lookup_number(&desired_track)); break;
    case kGpsDistance: write_gps_distance(text); break;
    case kWaypoint: write_waypoint(text); break;
    case kThrottledTextCount: break;
    }
}

double GAUGE_CALL deviation_bar_offset(Element*) {
    double miles = lookup_number(&cross_track) * kNauticalMilesPerMetre;
    if (miles < -kFullDeflectionMiles) miles = -kFullDeflectionMiles;
    if (miles > kFullDeflectionMiles) miles = kFullDeflectionMiles;
    return miles;
}

}  // namespace navstack::navcom
