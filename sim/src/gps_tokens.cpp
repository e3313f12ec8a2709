#include "gps_tokens.h"

#include "navaids.h"
#include "navigation_units.h"
#include "radio_tokens.h"

namespace panel_sim {

void write_gps_tokens(panel_host::VariableStore& store, const GpsNavigation& gps) {
    const Waypoint& waypoint = flight_plan()[gps.active_waypoint];
    const double bearing = bearing_deg(gps.position, waypoint.position);
    const double to_waypoint_nm = distance_nm(gps.position, waypoint.position);

    store.set_number(radio_token::kGpsGroundSpeed, kGpsGroundSpeedMps);
    store.set_number(radio_token::kGpsTrack, radians_token_value(gps_track_deg(gps)));
    store.set_text(radio_token::kGpsWaypointIdentifier, waypoint.identifier);
    store.set_number(radio_token::kGpsDistance, to_waypoint_nm / kNmPerMetre);
    store.set_number(radio_token::kGpsBearing, radians_token_value(bearing));
    store.set_number(radio_token::kGpsBearingDegrees, degrees_token_value(bearing));
    store.set_number(radio_token::kGpsDesiredTrack,
                     degrees_token_value(desired_track_deg(active_leg(gps))));
    store.set_number(radio_token::kGpsCrossTrack, gps_cross_track_nm(gps) / kNmPerMetre);
}

}  // namespace panel_sim
