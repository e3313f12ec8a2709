// Decoding of the BMP files that modules carry as bitmap resources: uncompressed 8-bit
// palettised and 24-bit pictures, stored bottom-up or top-down. Any other or damaged data is
// rejected with a reason, and no input makes the decoder read outside the bytes it is given.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace panel_host {

struct Bitmap {
    int width = 0;
    int height = 0;
    int bits_per_pixel = 0;        // 8 or 24, as stored in the file
    std::vector<uint32_t> pixels;  // 0xAARRGGBB with alpha 0xff, row by row from the top

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

enum class BitmapError {
    none,
    truncated,                // the data ends before a header, the palette or the pixel rows
    not_a_bmp,                // no "BM" signature
    unsupported_header,       // an info header other than the 40-byte one or its later forms
    unsupported_compression,  // anything but uncompressed rows
    unsupported_depth,        // neither 8 nor 24 bits per pixel, or not one plane
    bad_size,                 // width or height zero, negative width, or too large a side
    bad_palette,              // more than 256 palette colours
    bad_pixel_offset,         // the pixel rows start inside the headers or the palette
    index_outside_palette,    // an 8-bit pixel names a colour the palette does not have
};

struct DecodedBitmap {
    Bitmap bitmap;
    BitmapError error = BitmapError::none;

    bool ok() const { return error == BitmapError::none; }
};

// The longest side a module picture may have; larger sizes are taken as damage.
inline constexpr int kLargestBitmapSide = 16384;

DecodedBitmap decode_bmp(std::span<const unsigned char> bytes);

const char* describe(BitmapError error);

}  // namespace panel_host
