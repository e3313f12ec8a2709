#include "bmp_fixture.h"

namespace pictures_test {

void put_u16(Bytes& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

void put_u32(Bytes& bytes, size_t at, uint32_t value) {
    put_u16(bytes, at, static_cast<uint16_t>(value));
    put_u16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

Bytes make_bmp(const BmpPlan& plan) {
    const size_t palette_size = plan.bits == 8 ? 4 * plan.palette.size() : 0;
    const size_t pixel_offset = 14 + plan.header_size + palette_size;
    const size_t row_size = (static_cast<size_t>(plan.width) * plan.bits + 31) / 32 * 4;
    Bytes bytes(pixel_offset + row_size * plan.height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put_u32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    put_u32(bytes, kPixelOffsetField, static_cast<uint32_t>(pixel_offset));
    put_u32(bytes, kHeaderSizeField, plan.header_size);
    put_u32(bytes, kWidthField, static_cast<uint32_t>(plan.width));
    put_u32(bytes, kHeightField, static_cast<uint32_t>(plan.top_down ? -plan.height : plan.height));
    put_u16(bytes, kPlanesField, 1);
    put_u16(bytes, kBitsField, static_cast<uint16_t>(plan.bits));
    if (plan.bits == 8 && plan.write_colours_used)
        put_u32(bytes, kColoursUsedField, static_cast<uint32_t>(plan.palette.size()));
    for (size_t i = 0; i < plan.palette.size() && plan.bits == 8; ++i) {
        const size_t at = 14 + plan.header_size + 4 * i;
        bytes[at] = static_cast<unsigned char>(plan.palette[i]);
        bytes[at + 1] = static_cast<unsigned char>(plan.palette[i] >> 8);
        bytes[at + 2] = static_cast<unsigned char>(plan.palette[i] >> 16);
    }
    for (int y = 0; y < plan.height; ++y) {
        const int stored_row = plan.top_down ? y : plan.height - 1 - y;
        size_t at = pixel_offset + stored_row * row_size;
        for (int x = 0; x < plan.width; ++x) {
            const uint32_t pixel = plan.pixels[static_cast<size_t>(y) * plan.width + x];
            if (plan.bits == 8) {
                bytes[at++] = static_cast<unsigned char>(pixel);
            } else {
                bytes[at++] = static_cast<unsigned char>(pixel);
                bytes[at++] = static_cast<unsigned char>(pixel >> 8);
                bytes[at++] = static_cast<unsigned char>(pixel >> 16);
            }
        }
    }
    return bytes;
}

}  // namespace pictures_test
