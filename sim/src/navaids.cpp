// The aircraft's part of the map. It cruises east along the first leg at the start; the
// circuit turns north-east, then north-west, flies the instrument approach west into the
// airport KSIM over its outer, middle and inner markers, and returns south-west to the first
// waypoint: about 177 nautical miles, an hour's flying at the GPS's ground speed.
#include "navaids.h"

namespace panel_sim {

namespace {

constexpr MapPosition kAirport{.east_nm = 10.0, .north_nm = 40.0};

constexpr Waypoint kFlightPlan[] = {
    {.identifier = "DUNES", .position = {.east_nm = -30.0, .north_nm = 0.0}},
    {.identifier = "MESAS", .position = {.east_nm = 20.0, .north_nm = 0.0}},
    {.identifier = "RIDGE", .position = {.east_nm = 40.0, .north_nm = 25.0}},
    {.identifier = "CANYN", .position = {.east_nm = 30.0, .north_nm = 40.0}},
    {.identifier = "KSIM", .position = kAirport},
};

constexpr DmeStation kDmeStations[] = {
    // A VOR with DME a few miles north of the first leg.
    {.frequency = 0x1340, .position = {.east_nm = 0.0, .north_nm = 10.0}},
    // The DME of the airport's localizer.
    {.frequency = 0x1030, .position = kAirport},
};

// On the final approach course, 270 degrees into the airport from CANYN.
constexpr MarkerBeacon kMarkerBeacons[] = {
    {.state = 1, .position = {.east_nm = 14.5, .north_nm = 40.0}, .radius_nm = 0.35},
    {.state = 2, .position = {.east_nm = 10.6, .north_nm = 40.0}, .radius_nm = 0.15},
    {.state = 3, .position = {.east_nm = 10.15, .north_nm = 40.0}, .radius_nm = 0.07},
};

}  // namespace

std::span<const Waypoint> flight_plan() { return kFlightPlan; }

std::span<const DmeStation> dme_stations() { return kDmeStations; }

std::span<const MarkerBeacon> marker_beacons() { return kMarkerBeacons; }

}  // namespace panel_sim
