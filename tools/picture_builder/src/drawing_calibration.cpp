// A test chart that exercises what can go wrong between rasterising and quantising:
// it holds pure black holes that must stay exactly black, patches and specks one step away
// from black that must not become black, flat fills that must keep their exact colour, and a smooth
// two-way gradient with far more colours than an 8-bit palette holds. Proportional to the
// picture size, so any size works.
#include <cmath>

#include "drawings.h"

namespace picture_builder {

namespace {

void fill_rect(cairo_t* cr, double x, double y, double w, double h, double r, double g,
               double b) {
    cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

}  // namespace

void draw_calibration(cairo_t* cr, int width, int height) {
    const double w = width, h = height;

    // Top half: hue across, brightness down, from full colour to nearly black.
    cairo_pattern_t* hue = cairo_pattern_create_linear(0, 0, w, 0);
    const double stops[][3] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0},
                               {0, 255, 255}, {0, 0, 255}, {255, 0, 255}};
    for (int i = 0; i < 6; ++i)
        cairo_pattern_add_color_stop_rgb(hue, i / 5.0, stops[i][0] / 255, stops[i][1] / 255,
                                         stops[i][2] / 255);
    cairo_set_source(cr, hue);
    cairo_rectangle(cr, 0, 0, w, h / 2);
    cairo_fill(cr);
    cairo_pattern_destroy(hue);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, h / 2);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.97);
    cairo_set_source(cr, shade);
    cairo_rectangle(cr, 0, 0, w, h / 2);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);

    // Bottom half: a flat window colour holding the nearly black patches and the holes.
    fill_rect(cr, 0, h / 2, w, h / 2, 0xcf, 0xb4, 0x66);
    const double patch = std::floor(std::min(w / 8, h / 4) * 3 / 4);
    const double nearly_black[][3] = {{1, 1, 1}, {0, 0, 1}, {1, 0, 0}, {8, 8, 8}};
    for (int i = 0; i < 4; ++i)
        fill_rect(cr, std::floor(w / 16 + i * w / 8), std::floor(h / 2 + h / 8), patch, patch,
                  nearly_black[i][0], nearly_black[i][1], nearly_black[i][2]);

    // Specks one step from black, too small to get a palette entry of their own: black is
    // their nearest palette colour, and they must take the next nearest instead.
    for (int i = 0; i < 8; ++i)
        fill_rect(cr, std::floor(w / 16 + i * w / 16), std::floor(h * 15 / 16 - 2), 2, 2, 0, 1, 0);

    // Pure black holes: a square with sharp edges and a disc with soft edges.
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, std::floor(w * 9 / 16), std::floor(h / 2 + h / 8), patch, patch);
    cairo_fill(cr);
    cairo_arc(cr, w * 13 / 16, h * 3 / 4, patch / 2, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

}  // namespace picture_builder
