// The GPS as the panel reads it: ground speed, track, the active waypoint's identifier,
// distance and bearing, the desired track and the cross-track error.
#pragma once

#include "gps_navigation.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

void write_gps_tokens(panel_host::VariableStore& store, const GpsNavigation& gps);

}  // namespace panel_sim
