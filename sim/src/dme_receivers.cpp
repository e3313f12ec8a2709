#include "dme_receivers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "envelope_limits.h"
#include "navaids.h"
#include "navigation_units.h"
#include "panel_sim/flight_envelope.h"
#include "radio_tokens.h"
#include "tokens.h"

namespace panel_sim {

namespace {

constexpr double kNoDistance = -1.0;

struct DmeReceiver {
    uint32_t active_frequency;
    uint32_t distance;
    uint32_t speed;
};

constexpr DmeReceiver kReceivers[] = {
    {.active_frequency = radio_token::kNav1Active,
     .distance = radio_token::kDme1Distance,
     .speed = radio_token::kDme1Speed},
    {.active_frequency = radio_token::kNav2Active,
     .distance = radio_token::kDme2Distance,
     .speed = radio_token::kDme2Speed},
};

const DmeStation* station_on(int32_t frequency) {
    const auto stations = dme_stations();
    const auto found = std::find_if(stations.begin(), stations.end(),
                                    [&](const DmeStation& s) { return s.frequency == frequency; });
    return found == stations.end() ? nullptr : &*found;
}

// How fast the aircraft closes on or draws away from the station, in knots: the share of
// the ground speed along the line to it.
double closing_speed_kt(const GpsNavigation& gps, const DmeStation& station) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    if (distance_nm(gps.position, station.position) == 0.0) return 0.0;
    const double off_track_deg = gps_track_deg(gps) - bearing_deg(gps.position, station.position);
    return kGpsGroundSpeedMps * kKnotsPerMetrePerSecond *
           std::abs(std::cos(off_track_deg * kRadiansPerDegree));
}

}  // namespace

void write_dme_tokens(panel_host::VariableStore& store, const GpsNavigation& gps) {
    const double altitude_ft =
        within(store.number(token::kAltitude), kMinAltitudeFt, kMaxAltitudeFt);
    const double height_nm = std::abs(altitude_ft) / kFeetPerNm;

    for (const DmeReceiver& receiver : kReceivers) {
        const DmeStation* station = station_on(store.integer(receiver.active_frequency));
        if (station == nullptr) {
            store.set_number(receiver.distance, kNoDistance);
            store.set_number(receiver.speed, 0.0);
            continue;
        }
        const double across_nm = distance_nm(gps.position, station->position);
        store.set_number(receiver.distance, std::hypot(across_nm, height_nm));
        store.set_number(receiver.speed, closing_speed_kt(gps, *station));
    }
}

}  // namespace panel_sim
