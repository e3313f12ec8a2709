// What the aircraft navigates by, on the local map: the GPS flight plan, the DME stations and
// the marker beacons of the instrument approach.
#pragma once

#include <cstdint>
#include <span>

#include "map_geometry.h"

namespace panel_sim {

struct Waypoint {
    const char* identifier;  // at most five characters, as the GPS shows them
    MapPosition position;
};

// The GPS flight plan: a closed circuit. After its last waypoint the first is next again.
std::span<const Waypoint> flight_plan();

struct DmeStation {
    uint16_t frequency;  // BCD frequency word the NAV receiver is tuned to
    MapPosition position;
};

// The stations a NAV receiver gets a DME distance from; any other frequency gives none.
std::span<const DmeStation> dme_stations();

struct MarkerBeacon {
    int state;  // what the marker receiver reports over it: 1 outer, 2 middle, 3 inner
    MapPosition position;
    double radius_nm;  // heard within this distance, whatever the altitude
};

std::span<const MarkerBeacon> marker_beacons();

}  // namespace panel_sim
