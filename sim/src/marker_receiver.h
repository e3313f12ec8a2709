// The marker beacon receiver: which marker the aircraft is over (0 none, 1 outer, 2 middle,
// 3 inner). The markers lie on the final approach of the flight plan, so the receiver lights
// outer, middle and inner in turn near the end of that leg and reports none elsewhere.
#pragma once

#include "gps_navigation.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

void write_marker_beacon(panel_host::VariableStore& store, const GpsNavigation& gps);

}  // namespace panel_sim
