// The situation display's rules: compass card, course pointer and deviation bar, bearing
// pointers, heading bug, glideslope, wind, annunciator and readouts, steered by the module's
// navigation selections.
#include "situation_rules.h"

#include <cmath>
#include <cstdio>

#include "display_actions.h"
#include "navigation_selections.h"
#include "panel_abi/numbers.h"
#include "panel_abi/services.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

// Simulator variables, refreshed with lookup_var right before each use. The heading
// (heading_variable) is refreshed only by the compass card; every other rule uses the value
// the card read in the same frame.
ModuleVariable vor1_bearing = {.token = 0x226};       // degrees from the nose
ModuleVariable vor2_bearing = {.token = 0x3b};        // degrees from the nose
ModuleVariable adf_bearing = {.token = 0x27};         // degrees from the nose
ModuleVariable gps_bearing = {.token = 0x34e};        // compass degrees
ModuleVariable gps_distance = {.token = 0x343};       // metres
ModuleVariable gps_ground_speed = {.token = 0x340};   // metres per second
ModuleVariable gps_cross_track = {.token = 0x345};    // metres
ModuleVariable vor1_flags = {.token = 0x2e};
ModuleVariable vor2_flags = {.token = 0x37};
ModuleVariable vor1_deviation = {.token = 0x28};
ModuleVariable vor2_deviation = {.token = 0x32};
ModuleVariable vor1_glideslope = {.token = 0x29};
ModuleVariable vor2_glideslope = {.token = 0x372};
ModuleVariable vor1_course = {.token = 0x2d};
ModuleVariable vor2_course = {.token = 0x36};
ModuleVariable dme1_distance = {.token = 0x1f};       // NM, -1.0 when there is no DME
ModuleVariable dme1_speed = {.token = 0x20};          // knots
ModuleVariable dme2_distance = {.token = 0x23};
ModuleVariable dme2_speed = {.token = 0x24};

constexpr uint32_t kSourceOff = 0;
constexpr uint32_t kSourceVor1 = 1;
constexpr uint32_t kSourceVor2 = 2;
constexpr uint32_t kSourceGps = 3;
constexpr uint32_t kSourceAdf = 4;

// Receiver flag bits.
constexpr int32_t kGlideslopeReceived = 0x40;
constexpr int32_t kLocalizerTuned = 0x80;

constexpr double kNauticalMilesPerMetre = 0.00054;
constexpr double kKnotsPerMetrePerSecond = 1.944;
// The GPS cross-track full scale (5 NM) maps to 127 deviation units.
constexpr double kCrossTrackLimitNm = 5.0;
constexpr double kDeviationUnitsPerNm = 25.4;

constexpr double kDark = -1.0;
constexpr int32_t kNoDmeData = -1;

const char kSixBlanks[] = "      ";

double heading() { return heading_variable.value.number; }

int32_t flags_of(ModuleVariable* receiver) { return truncate_to_int(lookup_number(receiver)); }

char* buffer_of(Element* element) { return reinterpret_cast<TextString*>(element)->buffer; }

double own_number(Element* element, int index) {
    return reinterpret_cast<TextString*>(element)->sources[index].value.number;
}

void show(Element* element, bool shown) {
    if (shown)
        element->image_flags &= ~kImageHidden;
    else
        element->image_flags |= kImageHidden;
}

void write_text(Element* element, const char* text) {
    std::snprintf(buffer_of(element), kTextBufferBytes, "%s", text);
}

// Three-digit readouts of a whole number of degrees, taken as an unsigned 16-bit number.
void write_degrees(Element* element, const char* format, double degrees) {
    const auto shown = static_cast<uint16_t>(truncate_to_int(degrees));
    std::snprintf(buffer_of(element), kTextBufferBytes, format, shown);
}

// The course of the navigation source: VOR 2's when it is selected, VOR 1's otherwise.
double selected_course() {
    return nav_source == kSourceVor2 ? lookup_number(&vor2_course)
                                     : lookup_number(&vor1_course);
}

double bearing_pointer_value(Element* element, uint32_t source) {
    show(element, source != kSourceOff);
    switch (source) {
    case kSourceVor1: return lookup_number(&vor1_bearing) - 90.0;
    case kSourceVor2: return lookup_number(&vor2_bearing) - 90.0;
    case kSourceGps: return lookup_number(&gps_bearing) - (heading() + 89.5);
    case kSourceAdf: return lookup_number(&adf_bearing) - 90.0;
    default: return 0.0;
    }
}

void write_dme_distance(Element* element, double distance_nm) {
    if (distance_nm == kNoDmeData)
        write_text(element, "--.- NM");
    else
        std::snprintf(buffer_of(element), kTextBufferBytes, "%4.1f NM", distance_nm);
}

// Distance to the source: the element's own DME variables (0x1f, 0x23), or the GPS.
void write_distance(Element* element, uint32_t source) {
    switch (source) {
    case kSourceVor1: write_dme_distance(element, own_number(element, 0)); return;
    case kSourceVor2: write_dme_distance(element, own_number(element, 1)); return;
    case kSourceGps: {
        const double nm = lookup_number(&gps_distance) * kNauticalMilesPerMetre;
        std::snprintf(buffer_of(element), kTextBufferBytes, nm < 100.0 ? "%4.1f NM" : "%4.0f NM",
                      nm);
        return;
    }
    default: write_text(element, kSixBlanks); return;
    }
}

void write_label(Element* element, uint32_t source) {
    switch (source) {
    case kSourceVor1: write_text(element, "VOR 1"); return;
    case kSourceVor2: write_text(element, "VOR 2"); return;
    case kSourceGps: write_text(element, "GPS  "); return;
    case kSourceAdf: write_text(element, "ADF  "); return;
    default: write_text(element, "    "); return;
    }
}

void write_minutes_seconds(Element* element, uint32_t minutes, uint32_t seconds) {
    std::snprintf(buffer_of(element), kTextBufferBytes, "%02u:%02u", minutes, seconds);
}

// Time to go from a DME: blank without speed, and from an hour on.
void write_dme_time(Element* element, ModuleVariable* distance, ModuleVariable* speed) {
    const double nm = lookup_number(distance);
    const double knots = lookup_number(speed);
    if (knots == 0.0) {
        write_text(element, kSixBlanks);
        return;
    }
    const auto t = static_cast<uint32_t>(truncate_to_int(nm * 3600.0 / knots));
    const uint32_t minutes = t / 60;
    if (minutes < 60)
        write_minutes_seconds(element, minutes, t % 60);
    else
        write_text(element, kSixBlanks);
}

// Seconds to the GPS waypoint, as an unsigned 32-bit count; 0 without ground speed or when the
// quotient is no finite number within the 64-bit integer range.
uint32_t gps_seconds_to_go(double metres, double metres_per_second) {
    if (metres_per_second == 0.0) return 0;
    const double quotient = metres / metres_per_second;
    if (!std::isfinite(quotient) || quotient >= 9223372036854775807.0 ||
        quotient < -9223372036854775808.0)
        return 0;
    return static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(quotient)));
}

// Time to go to the GPS waypoint: whole hours are dropped, and it never blanks.
void write_gps_time(Element* element) {
    const double metres = lookup_number(&gps_distance);
    const double metres_per_second = lookup_number(&gps_ground_speed);
    const uint32_t t = gps_seconds_to_go(metres, metres_per_second);
    write_minutes_seconds(element, (t % 3600) / 60, t % 60);
}

}  // namespace

double GAUGE_CALL compass_card_value(Element*) { return -lookup_number(&heading_variable); }

double GAUGE_CALL course_value(Element*) { return selected_course() - (heading() - 0.5); }

double GAUGE_CALL deviation_value(Element*) {
    switch (nav_source) {
    case kSourceVor1: return lookup_number(&vor1_deviation);
    case kSourceVor2: return lookup_number(&vor2_deviation);
    case kSourceGps: {
        double nm = lookup_number(&gps_cross_track) * kNauticalMilesPerMetre;
        if (nm < -kCrossTrackLimitNm)
            nm = -kCrossTrackLimitNm;
        else if (nm > kCrossTrackLimitNm)
            nm = kCrossTrackLimitNm;
        return truncate_to_int(nm * kDeviationUnitsPerNm);
    }
    default: return 0.0;
    }
}

double GAUGE_CALL bearing1_pointer_value(Element* element) {
    return bearing_pointer_value(element, bearing1_source);
}

double GAUGE_CALL bearing2_pointer_value(Element* element) {
    return bearing_pointer_value(element, bearing2_source);
}

double GAUGE_CALL heading_bug_value(Element* element) {
    const double selected = reinterpret_cast<Needle*>(element)->source.value.number;
    return selected - (heading() + 89.5);
}

double GAUGE_CALL glideslope_scale_case(Element*) {
    ModuleVariable* receiver = nav_source == kSourceVor1   ? &vor1_flags
                               : nav_source == kSourceVor2 ? &vor2_flags
                                                           : nullptr;
    if (receiver == nullptr) return kDark;
    return (flags_of(receiver) & kGlideslopeReceived) != 0 ? 0.0 : kDark;
}

double GAUGE_CALL glideslope_pointer_value(Element* element) {
    ModuleVariable* receiver = nullptr;
    ModuleVariable* glideslope = nullptr;
    if (nav_source == kSourceVor1) {
        receiver = &vor1_flags;
        glideslope = &vor1_glideslope;
    } else if (nav_source == kSourceVor2) {
        receiver = &vor2_flags;
        glideslope = &vor2_glideslope;
    }
    if (receiver == nullptr) {
        show(element, false);
        return 0.0;
    }
    const bool received = (flags_of(receiver) & kGlideslopeReceived) != 0;
    const double deviation = lookup_number(glideslope);
    show(element, received);
    return received ? deviation : 0.0;
}

double GAUGE_CALL wind_arrow_value(Element* element) {
    const double wind_from = reinterpret_cast<Needle*>(element)->source.value.number;
    int32_t v = truncate_to_int(-heading() + 89.5 + wind_from);
    if (v < 0) v += 360;
    return v;
}

double GAUGE_CALL navigation_source_case(Element*) {
    switch (nav_source) {
    case kSourceVor1: return (flags_of(&vor1_flags) & kLocalizerTuned) != 0 ? 1.0 : 0.0;
    case kSourceVor2: return (flags_of(&vor2_flags) & kLocalizerTuned) != 0 ? 3.0 : 2.0;
    case kSourceGps: return 4.0;
    case kSourceAdf: return 5.0;
    default: return kDark;
    }
}

double GAUGE_CALL heading_text(Element* element) {
    write_degrees(element, "%03d", own_number(element, 0));
    return 0.0;
}

double GAUGE_CALL wind_speed_text(Element* element) {
    write_degrees(element, "%-2d", own_number(element, 1) + 0.4);
    return 0.0;
}

double GAUGE_CALL selected_heading_text(Element* element) {
    write_degrees(element, "%03d", own_number(element, 0));
    return 0.0;
}

double GAUGE_CALL course_text(Element* element) {
    write_degrees(element, "CRS %03d", selected_course());
    return 0.0;
}

double GAUGE_CALL speed_or_time_text(Element* element) {
    if (show_ground_speed == 1) {
        const double knots = lookup_number(&gps_ground_speed) * kKnotsPerMetrePerSecond;
        std::snprintf(buffer_of(element), kTextBufferBytes, "%3u KT",
                      static_cast<uint32_t>(truncate_to_int(knots)));
        return 0.0;
    }
    switch (nav_source) {
    case kSourceVor1: write_dme_time(element, &dme1_distance, &dme1_speed); break;
    case kSourceVor2: write_dme_time(element, &dme2_distance, &dme2_speed); break;
    case kSourceGps: write_gps_time(element); break;
    default: write_text(element, kSixBlanks); break;
    }
    return 0.0;
}

double GAUGE_CALL navigation_distance_text(Element* element) {
    write_distance(element, nav_source);
    return 0.0;
}

double GAUGE_CALL bearing1_distance_text(Element* element) {
    write_distance(element, bearing1_source);
    return 0.0;
}

double GAUGE_CALL bearing2_distance_text(Element* element) {
    write_distance(element, bearing2_source);
    return 0.0;
}

double GAUGE_CALL bearing1_label_text(Element* element) {
    write_label(element, bearing1_source);
    return 0.0;
}

double GAUGE_CALL bearing2_label_text(Element* element) {
    write_label(element, bearing2_source);
    return 0.0;
}

}  // namespace efdisplay
