// Encodes pictures as complete BMP files (file header, 40-byte info header, palette for
// 8-bit pictures, bottom-up rows padded to four bytes), the form the gauge host loads.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace picture_builder {

std::vector<uint8_t> encode_bmp24(const RgbImage& image);
std::vector<uint8_t> encode_bmp8(const IndexedImage& image);

}  // namespace picture_builder
