#include "image_records.h"

#include <cstdlib>
#include <cstring>

namespace panel_host {

namespace {

// A BMP file: a 14-byte file header, then the info header with width and height.
constexpr uint32_t kBmpWidthAt = 18;
constexpr uint32_t kBmpHeightAt = 22;
constexpr int32_t kLargestSide = 16384;

int32_t read_int32(const unsigned char* bytes) {
    int32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace

panel_abi::ImageSize bitmap_size(const LoadedModule& module, int32_t image_id) {
    const panel_abi::ResourceDirectory* directory = module.resources();
    if (directory == nullptr || directory->entries == nullptr || image_id < 0) return {0, 0};
    for (uint32_t i = 0; i < directory->count; ++i) {
        const panel_abi::ResourceEntry& entry = directory->entries[i];
        if (entry.type != panel_abi::kResourceBitmap || entry.name != nullptr ||
            entry.id != static_cast<uint32_t>(image_id))
            continue;
        if (entry.bytes == nullptr || entry.size < kBmpHeightAt + 4 || entry.bytes[0] != 'B' ||
            entry.bytes[1] != 'M')
            return {0, 0};
        const int32_t width = read_int32(entry.bytes + kBmpWidthAt);
        const int32_t height = read_int32(entry.bytes + kBmpHeightAt);
        // Top-down bitmaps give a negative height.
        const int32_t rows = height == INT32_MIN ? 0 : std::abs(height);
        if (width <= 0 || width > kLargestSide || rows > kLargestSide) return {0, 0};
        return {width, rows};
    }
    return {0, 0};
}

}  // namespace panel_host
