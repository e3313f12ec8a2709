#include "marker_receiver.h"

#include "navaids.h"
#include "radio_tokens.h"

namespace panel_sim {

void write_marker_beacon(panel_host::VariableStore& store, const GpsNavigation& gps) {
    int received = 0;
    for (const MarkerBeacon& marker : marker_beacons())
        if (distance_nm(gps.position, marker.position) < marker.radius_nm) received = marker.state;
    store.set_number(radio_token::kMarkerBeacon, received);
}

}  // namespace panel_sim
