#include "map_geometry.h"

#include <cmath>
#include <numbers>

namespace panel_sim {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

struct Direction {
    double east;
    double north;
};

Direction leg_direction(const Leg& leg) {
    const double length = leg_length_nm(leg);
    return {.east = (leg.to.east_nm - leg.from.east_nm) / length,
            .north = (leg.to.north_nm - leg.from.north_nm) / length};
}

}  // namespace

double degrees_within_circle(double degrees) {
    const double within = std::fmod(degrees, 360.0);
    if (within >= 0.0) return within;
    // A tiny negative angle plus 360 can round to 360 itself.
    return within + 360.0 < 360.0 ? within + 360.0 : 0.0;
}

double distance_nm(MapPosition from, MapPosition to) {
    return std::hypot(to.east_nm - from.east_nm, to.north_nm - from.north_nm);
}

double bearing_deg(MapPosition from, MapPosition to) {
    const double east = to.east_nm - from.east_nm;
    const double north = to.north_nm - from.north_nm;
    if (east == 0.0 && north == 0.0) return 0.0;
    return degrees_within_circle(std::atan2(east, north) * kDegreesPerRadian);
}

MapPosition moved(MapPosition from, double track_deg, double nm) {
    const double track = track_deg / kDegreesPerRadian;
    return {.east_nm = from.east_nm + nm * std::sin(track),
            .north_nm = from.north_nm + nm * std::cos(track)};
}

double desired_track_deg(const Leg& leg) { return bearing_deg(leg.from, leg.to); }

double cross_track_nm(const Leg& leg, MapPosition position) {
    const Direction d = leg_direction(leg);
    const double east = position.east_nm - leg.from.east_nm;
    const double north = position.north_nm - leg.from.north_nm;
    return d.east * north - d.north * east;
}

double to_go_along_nm(const Leg& leg, MapPosition position) {
    const Direction d = leg_direction(leg);
    return d.east * (leg.to.east_nm - position.east_nm) +
           d.north * (leg.to.north_nm - position.north_nm);
}

MapPosition point_along(const Leg& leg, double along_nm) {
    const Direction d = leg_direction(leg);
    return {.east_nm = leg.from.east_nm + along_nm * d.east,
            .north_nm = leg.from.north_nm + along_nm * d.north};
}

double leg_length_nm(const Leg& leg) { return distance_nm(leg.from, leg.to); }

}  // namespace panel_sim
