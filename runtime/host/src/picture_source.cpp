#include "picture_source.h"

#include <cstring>

#include "panel_host/bitmap.h"
#include "panel_host/module_resources.h"

namespace panel_host {

cairo_surface_t* picture_surface(const LoadedModule& module, int32_t id, bool black_transparent) {
    if (id < 0) return nullptr;
    const panel_abi::ResourceEntry* entry = find_bitmap(module.resources(), static_cast<uint32_t>(id));
    if (entry == nullptr) return nullptr;
    const DecodedBitmap decoded = decode_bmp(resource_bytes(*entry));
    if (!decoded.ok()) return nullptr;
    const Bitmap& bitmap = decoded.bitmap;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < bitmap.width; ++x) {
            const uint32_t pixel = bitmap.at(x, y);
            // Fully opaque or fully clear pixels need no premultiplying.
            row[x] = black_transparent && (pixel & 0x00ffffff) == 0 ? 0 : (pixel | 0xff000000);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

int32_t case_picture_id(const LoadedModule& module, int32_t first_id, int icon_case) {
    if (first_id < 0 || icon_case < 0) return -1;
    const panel_abi::ResourceEntry* entry =
        find_icon_case_bitmap(module.resources(), static_cast<uint32_t>(first_id), icon_case);
    return entry != nullptr ? static_cast<int32_t>(entry->id) : -1;
}

}  // namespace panel_host
