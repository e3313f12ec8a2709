// The two in-memory picture forms the builder works with: true colour as rasterised, and
// palettised after quantisation. Rows run top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace picture_builder {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline bool is_pure_black(Rgb colour) { return colour.r == 0 && colour.g == 0 && colour.b == 0; }

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // width * height, row by row from the top

    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;      // at most 256 colours
    std::vector<uint8_t> indices;  // width * height palette indices, row by row from the top

    Rgb at(int x, int y) const { return palette[indices[static_cast<size_t>(y) * width + x]]; }
};

}  // namespace picture_builder
