// The flat local map that the flight plan, the DME stations and the marker beacons are placed
// on: positions in nautical miles east and north of a fixed origin, directions in degrees
// clockwise from north. The map covers a hundred miles or so, small enough to take as flat.
#pragma once

namespace panel_sim {

struct MapPosition {
    double east_nm;
    double north_nm;
};

// The same direction in the range [0, 360).
double degrees_within_circle(double degrees);

double distance_nm(MapPosition from, MapPosition to);

// Direction from `from` to `to`, in [0, 360); 0 when the two are the same point.
double bearing_deg(MapPosition from, MapPosition to);

// The position `nm` further on along `track_deg`.
MapPosition moved(MapPosition from, double track_deg, double nm);

// A straight leg of the flight plan, flown from `from` to `to` (two different points).
struct Leg {
    MapPosition from;
    MapPosition to;
};

double desired_track_deg(const Leg& leg);

// Distance of `position` from the leg's line, positive when it lies left of the leg as flown.
double cross_track_nm(const Leg& leg, MapPosition position);

// Distance along the leg from the point abeam `position` to the leg's end; negative once the
// position is abeam a point past the end.
double to_go_along_nm(const Leg& leg, MapPosition position);

// The point of the leg's line `along_nm` from its start (beyond the end past its length).
MapPosition point_along(const Leg& leg, double along_nm);

double leg_length_nm(const Leg& leg);

}  // namespace panel_sim
