// Pictures that are geometry rather than art (scales, roses, test charts) are drawn by code.
// Each drawing function has a name; a manifest line names it as "draw:<name>".
// A drawing paints a width × height picture with cairo; what it leaves unpainted is pure
// black, the colour the host shows through.
#pragma once

#include <cairo.h>

#include <span>
#include <string_view>

namespace picture_builder {

using DrawingFunction = void (*)(cairo_t* cr, int width, int height);

struct Drawing {
    const char* name;
    const char* description;
    DrawingFunction draw;
};

std::span<const Drawing> drawings();
const Drawing* find_drawing(std::string_view name);

// The drawings themselves, one file each.
void draw_calibration(cairo_t* cr, int width, int height);
// The twin-needle engine gauges' faces (drawing_twin_needle_faces.cpp).
void draw_twin_needle_halttff(cairo_t* cr, int width, int height);
void draw_twin_needle_halfuel(cairo_t* cr, int width, int height);
void draw_twin_needle_halchvc(cairo_t* cr, int width, int height);
void draw_twin_needle_halmprp(cairo_t* cr, int width, int height);
void draw_twin_needle_halotop(cairo_t* cr, int width, int height);

}  // namespace picture_builder
