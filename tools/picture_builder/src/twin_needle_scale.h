// Where a twin-needle gauge's needle points for a value, as the panel host turns it: towards
// the scale point of the table row holding the value, interpolated linearly in value between
// the directions of two adjacent rows (the shorter way round), and held at the end rows
// beyond them. The face drawings place every mark with it, so that a mark stands exactly
// where the needle points for the mark's value.
#pragma once

#include "engine_cluster/twin_needle/dial_tables.h"

namespace picture_builder {

struct ScalePosition {
    double direction;  // radians, clockwise from pointing right (y grows downwards)
    double radius;     // distance of the scale from the pivot, interpolated like the direction
};

ScalePosition scale_position(const twin_needle::DialGeometry& dial, double value);

// The point at `radius` from the pivot in `direction`, in picture coordinates.
struct PicturePoint {
    double x;
    double y;
};
PicturePoint point_at(const twin_needle::DialGeometry& dial, double direction, double radius);

}  // namespace picture_builder
