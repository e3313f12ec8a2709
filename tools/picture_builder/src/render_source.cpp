#include "render_source.h"

#include <cairo.h>

#include "drawings.h"
#include "svg_source.h"

namespace picture_builder {

namespace {

constexpr std::string_view kDrawingPrefix = "draw:";

// Cairo keeps premultiplied colour; over a black ground the premultiplied channels are the
// composited colour itself.
RgbImage flatten_onto_black(cairo_surface_t* surface, int width, int height) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    RgbImage image{.width = width, .height = height, .pixels = {}};
    image.pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t argb = row[x];
            image.pixels.push_back(Rgb{.r = static_cast<uint8_t>(argb >> 16),
                                       .g = static_cast<uint8_t>(argb >> 8),
                                       .b = static_cast<uint8_t>(argb)});
        }
    }
    return image;
}

bool draw_source(cairo_t* cr, const std::string& source, int width, int height,
                 std::string& error) {
    if (source.starts_with(kDrawingPrefix)) {
        const std::string name = source.substr(kDrawingPrefix.size());
        const Drawing* drawing = find_drawing(name);
        if (drawing == nullptr) {
            error = "no drawing named '" + name + "' (picture_builder list-drawings shows them)";
            return false;
        }
        drawing->draw(cr, width, height);
        return true;
    }
    return draw_svg(cr, source, width, height, error);
}

}  // namespace

std::optional<RgbImage> render_source(const std::string& source, int width, int height,
                                      std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "picture size must be positive";
        return std::nullopt;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    bool drawn = draw_source(cr, source, width, height, error);
    if (drawn && cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        error = std::string("drawing failed: ") + cairo_status_to_string(cairo_status(cr));
        drawn = false;
    }
    cairo_destroy(cr);
    std::optional<RgbImage> image;
    if (drawn) image = flatten_onto_black(surface, width, height);
    cairo_surface_destroy(surface);
    return image;
}

}  // namespace picture_builder
