#include "picture_compare.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace golden {

namespace {

int width_of(cairo_surface_t* surface) { return cairo_image_surface_get_width(surface); }
int height_of(cairo_surface_t* surface) { return cairo_image_surface_get_height(surface); }

uint32_t pixel_at(cairo_surface_t* surface, int x, int y) {
    const unsigned char* row = cairo_image_surface_get_data(surface) +
                               static_cast<size_t>(y) * cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

// The largest difference of the four channels of two pixels, in levels.
int channel_difference(uint32_t a, uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int difference = std::abs(static_cast<int>((a >> shift) & 0xff) -
                                        static_cast<int>((b >> shift) & 0xff));
        largest = std::max(largest, difference);
    }
    return largest;
}

uint32_t faded_grey(uint32_t pixel) {
    const uint32_t red = (pixel >> 16) & 0xff;
    const uint32_t green = (pixel >> 8) & 0xff;
    const uint32_t blue = pixel & 0xff;
    const uint32_t grey = (red + green + blue) / 3 / 3;
    return 0xff000000 | grey << 16 | grey << 8 | grey;
}

constexpr uint32_t kBeyondTolerance = 0xffff0000;  // opaque red
constexpr uint32_t kWithinTolerance = 0xffffff00;  // opaque yellow

}  // namespace

Comparison compare_pictures(cairo_surface_t* expected, cairo_surface_t* actual,
                            const Tolerance& tolerance) {
    Comparison result;
    cairo_surface_flush(expected);
    cairo_surface_flush(actual);
    result.width = width_of(actual);
    result.height = height_of(actual);
    result.expected_width = width_of(expected);
    result.expected_height = height_of(expected);
    result.same_size = result.width == result.expected_width &&
                       result.height == result.expected_height;
    if (!result.same_size) return result;
    const long pixels = static_cast<long>(result.width) * result.height;
    result.allowed_pixels = static_cast<long>(pixels * tolerance.differing_share);
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            const int difference =
                channel_difference(pixel_at(expected, x, y), pixel_at(actual, x, y));
            result.largest_difference = std::max(result.largest_difference, difference);
            if (difference > tolerance.channel_levels) ++result.differing_pixels;
        }
    }
    return result;
}

std::string describe(const Comparison& comparison) {
    std::ostringstream text;
    if (!comparison.same_size) {
        text << "the picture is " << comparison.width << " x " << comparison.height
             << " pixels, the golden " << comparison.expected_width << " x "
             << comparison.expected_height;
        return text.str();
    }
    text << comparison.differing_pixels << " of " << comparison.width * comparison.height
         << " pixels differ (at most " << comparison.allowed_pixels
         << " may), the largest channel difference is " << comparison.largest_difference
         << " levels";
    return text.str();
}

Picture difference_picture(cairo_surface_t* expected, cairo_surface_t* actual,
                           const Tolerance& tolerance) {
    const int width = width_of(actual);
    const int height = height_of(actual);
    Picture difference{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)};
    if (width != width_of(expected) || height != height_of(expected)) return difference;
    cairo_surface_flush(expected);
    cairo_surface_flush(actual);
    cairo_surface_flush(difference.get());
    unsigned char* data = cairo_image_surface_get_data(difference.get());
    const int stride = cairo_image_surface_get_stride(difference.get());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t wanted = pixel_at(expected, x, y);
            const int off = channel_difference(wanted, pixel_at(actual, x, y));
            row[x] = off > tolerance.channel_levels ? kBeyondTolerance
                     : off > 0                       ? kWithinTolerance
                                                     : faded_grey(wanted);
        }
    }
    cairo_surface_mark_dirty(difference.get());
    return difference;
}

}  // namespace golden
