#include "png_preview.h"

#include <cairo.h>

namespace picture_builder {

bool write_png_preview(const RgbImage& image, int scale, const std::string& path,
                       std::string& error) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width * scale, image.height * scale);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height * scale; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < image.width * scale; ++x) {
            const Rgb colour = image.at(x / scale, y / scale);
            row[x] = (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
        }
    }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

}  // namespace picture_builder
