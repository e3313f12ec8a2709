#include "bmp_writer.h"

namespace picture_builder {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

uint32_t padded_row_size(int width, int bits_per_pixel) {
    return (static_cast<uint32_t>(width) * bits_per_pixel + 31) / 32 * 4;
}

// File header and info header for a bottom-up, uncompressed picture.
std::vector<uint8_t> headers(int width, int height, int bits_per_pixel, uint32_t palette_colours) {
    const uint32_t pixel_offset = kFileHeaderSize + kInfoHeaderSize + 4 * palette_colours;
    const uint32_t pixel_bytes = padded_row_size(width, bits_per_pixel) * height;
    std::vector<uint8_t> out;
    out.reserve(pixel_offset + pixel_bytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixel_offset + pixel_bytes);  // file size
    put32(out, 0);                           // reserved
    put32(out, pixel_offset);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));  // positive: rows stored bottom-up
    put16(out, 1);                              // planes
    put16(out, static_cast<uint32_t>(bits_per_pixel));
    put32(out, 0);  // uncompressed
    put32(out, pixel_bytes);
    put32(out, 2835);  // 72 dots per inch, in dots per metre
    put32(out, 2835);
    put32(out, palette_colours);
    put32(out, 0);  // all colours important
    return out;
}

void pad_row(std::vector<uint8_t>& out, uint32_t written, uint32_t row_size) {
    for (; written < row_size; ++written) out.push_back(0);
}

}  // namespace

std::vector<uint8_t> encode_bmp24(const RgbImage& image) {
    std::vector<uint8_t> out = headers(image.width, image.height, 24, 0);
    const uint32_t row_size = padded_row_size(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb colour = image.at(x, y);
            out.push_back(colour.b);
            out.push_back(colour.g);
            out.push_back(colour.r);
        }
        pad_row(out, 3 * static_cast<uint32_t>(image.width), row_size);
    }
    return out;
}

std::vector<uint8_t> encode_bmp8(const IndexedImage& image) {
    const auto colours = static_cast<uint32_t>(image.palette.size());
    std::vector<uint8_t> out = headers(image.width, image.height, 8, colours);
    for (const Rgb& colour : image.palette) {
        out.push_back(colour.b);
        out.push_back(colour.g);
        out.push_back(colour.r);
        out.push_back(0);
    }
    const uint32_t row_size = padded_row_size(image.width, 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const size_t row_start = static_cast<size_t>(y) * image.width;
        out.insert(out.end(), image.indices.begin() + row_start,
                   image.indices.begin() + row_start + image.width);
        pad_row(out, static_cast<uint32_t>(image.width), row_size);
    }
    return out;
}

}  // namespace picture_builder
