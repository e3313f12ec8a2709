// Builds BMP files byte by byte for the decoder tests, with every header field under the
// test's control, and patches single fields of a built file to damage it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures_test {

using Bytes = std::vector<unsigned char>;

// Byte offsets of the header fields the tests change.
inline constexpr size_t kPixelOffsetField = 10;
inline constexpr size_t kHeaderSizeField = 14;
inline constexpr size_t kWidthField = 18;
inline constexpr size_t kHeightField = 22;
inline constexpr size_t kPlanesField = 26;
inline constexpr size_t kBitsField = 28;
inline constexpr size_t kCompressionField = 30;
inline constexpr size_t kColoursUsedField = 46;

struct BmpPlan {
    int width = 0;
    int height = 0;
    int bits = 24;                   // 8 or 24
    std::vector<uint32_t> pixels;    // 24 bits: 0xRRGGBB; 8 bits: palette index; top row first
    std::vector<uint32_t> palette;   // 0xRRGGBB, written for 8 bits
    bool top_down = false;
    uint32_t header_size = 40;       // 40, or a later form's size (zero-filled beyond 40)
    bool write_colours_used = true;  // false writes 0, which means 256 colours
};

Bytes make_bmp(const BmpPlan& plan);

void put_u16(Bytes& bytes, size_t at, uint16_t value);
void put_u32(Bytes& bytes, size_t at, uint32_t value);

}  // namespace pictures_test
