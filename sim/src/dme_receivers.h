// The DME of each NAV receiver: the slant distance to the station of the active frequency, from
// the aircraft's map position and altitude (token 0x4a, stations at sea level), and the speed
// toward or away from it (the ground speed's share along the line to the station, in knots).
// With no DME station on the active frequency the distance is -1.0 and the speed 0.
#pragma once

#include "gps_navigation.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

void write_dme_tokens(panel_host::VariableStore& store, const GpsNavigation& gps);

}  // namespace panel_sim
