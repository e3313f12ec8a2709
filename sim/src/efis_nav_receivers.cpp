#include "efis_nav_receivers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "efis_tokens.h"
#include "navaids.h"
#include "navigation_units.h"
#include "radio_tokens.h"
#include "tokens.h"

namespace panel_sim {

namespace {

struct NavReceiver {
    uint32_t active_frequency;
    uint32_t relative_bearing;
    uint32_t flags;
    uint32_t course_deviation;
    uint32_t glideslope_deviation;
    uint32_t selected_course;
};

constexpr NavReceiver kNavReceivers[] = {
    {.active_frequency = radio_token::kNav1Active,
     .relative_bearing = efis_token::kVor1RelativeBearing,
     .flags = efis_token::kVor1Flags,
     .course_deviation = efis_token::kVor1CourseDeviation,
     .glideslope_deviation = efis_token::kVor1GlideslopeDeviation,
     .selected_course = efis_token::kVor1Course},
    {.active_frequency = radio_token::kNav2Active,
     .relative_bearing = efis_token::kVor2RelativeBearing,
     .flags = efis_token::kVor2Flags,
     .course_deviation = efis_token::kVor2CourseDeviation,
     .glideslope_deviation = efis_token::kVor2GlideslopeDeviation,
     .selected_course = efis_token::kVor2Course},
};

// From -180 to 180.
double signed_angle(double degrees) {
    const double within = degrees_within_circle(degrees);
    return within > 180.0 ? within - 360.0 : within;
}

double clamped_units(double units) {
    return std::clamp(units, -kDeviationFullScale, kDeviationFullScale);
}

// Localizers are the 108.10 - 111.95 MHz channels with an odd tenth digit. The BCD word holds
// the frequency's digits after the leading 1: 0x1030 is 110.30.
bool is_localizer(int32_t word) {
    const int tens = (word >> 12) & 0xf;
    const int units = (word >> 8) & 0xf;
    const int tenths = (word >> 4) & 0xf;
    const int mhz = 100 + tens * 10 + units;
    return mhz >= 108 && mhz <= 111 && tenths % 2 == 1;
}

const DmeStation* station_on(int32_t word) {
    for (const DmeStation& station : dme_stations())
        if (station.frequency == static_cast<uint16_t>(word)) return &station;
    return nullptr;
}

double finite_or(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

void write_no_station(panel_host::VariableStore& store, const NavReceiver& receiver) {
    store.set_number(receiver.relative_bearing, 0.0);
    store.set_number(receiver.flags, 0.0);
    store.set_number(receiver.course_deviation, 0.0);
    store.set_number(receiver.glideslope_deviation, 0.0);
}

void write_receiver(panel_host::VariableStore& store, const NavReceiver& receiver,
                    MapPosition position, double heading_deg, double height_ft) {
    const int32_t word = store.integer(receiver.active_frequency);
    const DmeStation* station = station_on(word);
    if (station == nullptr) {
        write_no_station(store, receiver);
        return;
    }
    const double bearing = bearing_deg(position, station->position);
    store.set_number(receiver.relative_bearing, degrees_token_value(bearing - heading_deg));

    if (!is_localizer(word)) {
        const double course = finite_or(store.number(receiver.selected_course), 0.0);
        store.set_number(receiver.flags, 0.0);
        store.set_number(
            receiver.course_deviation,
            course_deviation_units(station->position, position, course, kVorFullScaleDeg));
        store.set_number(receiver.glideslope_deviation, 0.0);
        return;
    }
    const double distance = distance_nm(position, station->position);
    // In front of the localizer: the station lies within 90 degrees of the inbound course.
    const bool in_front = std::abs(signed_angle(bearing - kLocalizerCourseDeg)) < 90.0;
    const bool glideslope = in_front && distance <= kGlideslopeRangeNm;
    int flags = efis_token::kLocalizerTuned;
    if (glideslope) flags |= efis_token::kGlideslopeReceived;
    store.set_number(receiver.flags, flags);
    store.set_number(receiver.course_deviation,
                     course_deviation_units(station->position, position, kLocalizerCourseDeg,
                                            kLocalizerFullScaleDeg));
    store.set_number(receiver.glideslope_deviation,
                     glideslope ? glideslope_deviation_units(distance, height_ft) : 0.0);
}

}  // namespace

std::optional<MapPosition> aircraft_position(const panel_host::VariableStore& store) {
    const std::string identifier = store.text(radio_token::kGpsWaypointIdentifier);
    const double distance = store.number(radio_token::kGpsDistance) * kNmPerMetre;
    const double bearing = store.number(radio_token::kGpsBearingDegrees);
    if (!std::isfinite(distance) || !std::isfinite(bearing)) return std::nullopt;
    for (const Waypoint& waypoint : flight_plan())
        if (identifier == waypoint.identifier)
            return moved(waypoint.position, bearing + 180.0, distance);
    return std::nullopt;
}

double course_deviation_units(MapPosition station, MapPosition position, double course_deg,
                              double full_scale_deg) {
    if (distance_nm(position, station) == 0.0) return 0.0;
    // Flying the course toward the station, the station lies right of the course when the
    // aircraft is left of the course line; past the station, the aircraft's radial lies left
    // of the course.
    const double off_to = signed_angle(bearing_deg(position, station) - course_deg);
    const double off = std::abs(off_to) <= 90.0
                           ? off_to
                           : -signed_angle(bearing_deg(station, position) - course_deg);
    return clamped_units(off / full_scale_deg * kDeviationFullScale);
}

double glideslope_deviation_units(double distance_nm_to_station, double height_ft) {
    const double distance_ft = std::max(distance_nm_to_station * kFeetPerNm, 1.0);
    const double angle = std::atan2(height_ft, distance_ft) * 180.0 / M_PI;
    const double units =
        (angle - kGlideslopeAngleDeg) / kGlideslopeFullScaleDeg * kDeviationFullScale;
    return std::isfinite(units) ? clamped_units(units) : 0.0;
}

void write_nav_receiver_tokens(panel_host::VariableStore& store, double height_above_ground_ft) {
    const std::optional<MapPosition> position = aircraft_position(store);
    const double heading = finite_or(store.number(token::kHeading), 0.0);
    const double height = finite_or(height_above_ground_ft, 0.0);
    for (const NavReceiver& receiver : kNavReceivers) {
        if (position)
            write_receiver(store, receiver, *position, heading, height);
        else
            write_no_station(store, receiver);
    }
    store.set_number(
        efis_token::kAdfRelativeBearing,
        position ? degrees_token_value(bearing_deg(*position, kAdfBeacon) - heading) : 0.0);
}

}  // namespace panel_sim
