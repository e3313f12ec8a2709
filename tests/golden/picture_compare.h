// Comparison of a drawn picture with its reviewed golden under a small tolerance: a pixel
// counts as different when any of its channels (alpha, red, green, blue, as drawn) is off by
// more than a few levels, and a picture matches when no more than a tiny share of its pixels
// differ, which leaves room for anti-aliased edges and nothing else.
#pragma once

#include <cairo.h>

#include <string>

#include "picture.h"

namespace golden {

struct Tolerance {
    int channel_levels;     // the largest difference of one channel that is no difference
    double differing_share; // the share of all pixels that may differ
};

inline constexpr Tolerance kGoldenTolerance{.channel_levels = 6, .differing_share = 0.0005};

struct Comparison {
    bool same_size = false;
    int width = 0;               // the actual picture's size
    int height = 0;
    int expected_width = 0;
    int expected_height = 0;
    long differing_pixels = 0;
    long allowed_pixels = 0;     // the most differing pixels a match admits
    int largest_difference = 0;  // in levels, over every channel of every pixel

    bool matches() const { return same_size && differing_pixels <= allowed_pixels; }
};

// Both pictures must be image surfaces in ARGB32 format (as drawn and as read from PNG).
Comparison compare_pictures(cairo_surface_t* expected, cairo_surface_t* actual,
                            const Tolerance& tolerance = kGoldenTolerance);

// One line saying how the pictures differ, or that they match.
std::string describe(const Comparison& comparison);

// A picture of where two same-sized pictures differ: the expected picture faded to a dim
// grey, pixels off by more than the tolerance in red, smaller differences in yellow.
Picture difference_picture(cairo_surface_t* expected, cairo_surface_t* actual,
                           const Tolerance& tolerance = kGoldenTolerance);

}  // namespace golden
