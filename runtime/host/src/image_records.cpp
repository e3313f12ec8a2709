#include "image_records.h"

#include "panel_host/bitmap.h"
#include "panel_host/module_resources.h"

namespace panel_host {

panel_abi::ImageSize bitmap_size(const LoadedModule& module, int32_t image_id) {
    if (image_id < 0) return {0, 0};
    const panel_abi::ResourceEntry* entry = find_bitmap(module.resources(), static_cast<uint32_t>(image_id));
    if (entry == nullptr) return {0, 0};
    const DecodedBitmap decoded = decode_bmp(resource_bytes(*entry));
    if (!decoded.ok()) return {0, 0};
    return {decoded.bitmap.width, decoded.bitmap.height};
}

}  // namespace panel_host
