// The face of a twin-needle engine gauge: a dark panel with four corner screws and two round
// dials, each with a scale (a major mark on every table row of its needle, minor marks
// between), numbers, a caption with its unit in the part of the dial the needle never
// visits, and red limit marks.
#pragma once

#include <cairo.h>

#include <span>

#include "engine_cluster/twin_needle/dial_tables.h"

namespace picture_builder {

// A number painted at a scale value.
struct ScaleLabel {
    double value;
    const char* text;
};

// A red mark across the scale at a value; a short one covers only its outer part.
struct RedTick {
    double value;
    bool short_mark;
};

// A red band along the scale from one value to another.
struct RedBand {
    double from;
    double to;
};

struct DialFace {
    const twin_needle::DialGeometry* geometry;
    const char* caption;
    const char* unit;
    std::span<const ScaleLabel> labels;
    double minor_step;  // a minor mark every step from the first row's value, 0 for none
    std::span<const RedTick> red_ticks;
    std::span<const RedBand> red_bands;
};

struct TwinNeedleFace {
    DialFace left;
    DialFace right;
    const char* centre_caption;  // between the dials, or null
};

void paint_twin_needle_face(cairo_t* cr, int width, int height, const TwinNeedleFace& face);

}  // namespace picture_builder
