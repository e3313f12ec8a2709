#include "panel_host/bitmap.h"

namespace panel_host {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kPixelOffsetAt = 10;
constexpr size_t kInfoHeaderAt = kFileHeaderSize;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kLargestPalette = 256;

// The info header and its later forms (with colour masks, colour space, profile): all begin
// with the same 40 bytes, which is all the decoder reads.
constexpr uint32_t kKnownInfoHeaderSizes[] = {40, 52, 56, 108, 124};

uint32_t read_u16(std::span<const unsigned char> bytes, size_t at) {
    return bytes[at] | (uint32_t{bytes[at + 1]} << 8);
}

uint32_t read_u32(std::span<const unsigned char> bytes, size_t at) {
    return read_u16(bytes, at) | (read_u16(bytes, at + 2) << 16);
}

int32_t read_i32(std::span<const unsigned char> bytes, size_t at) {
    return static_cast<int32_t>(read_u32(bytes, at));
}

uint32_t argb(unsigned char r, unsigned char g, unsigned char b) {
    return 0xff000000u | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

// The fields of the first 40 bytes of the info header that matter here.
struct InfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;  // negative for rows stored top-down
    uint32_t planes;
    uint32_t bits_per_pixel;
    uint32_t compression;
    uint32_t colours_used;
};

InfoHeader read_info_header(std::span<const unsigned char> bytes) {
    return InfoHeader{.size = read_u32(bytes, kInfoHeaderAt),
                      .width = read_i32(bytes, kInfoHeaderAt + 4),
                      .height = read_i32(bytes, kInfoHeaderAt + 8),
                      .planes = read_u16(bytes, kInfoHeaderAt + 12),
                      .bits_per_pixel = read_u16(bytes, kInfoHeaderAt + 14),
                      .compression = read_u32(bytes, kInfoHeaderAt + 16),
                      .colours_used = read_u32(bytes, kInfoHeaderAt + 32)};
}

bool known_header_size(uint32_t size) {
    for (uint32_t known : kKnownInfoHeaderSizes)
        if (size == known) return true;
    return false;
}

BitmapError check_info_header(const InfoHeader& info) {
    if (!known_header_size(info.size)) return BitmapError::unsupported_header;
    if (info.compression != kUncompressed) return BitmapError::unsupported_compression;
    if (info.planes != 1 || (info.bits_per_pixel != 8 && info.bits_per_pixel != 24))
        return BitmapError::unsupported_depth;
    // INT32_MIN has no positive counterpart; it is far beyond the largest side anyway.
    if (info.width <= 0 || info.width > kLargestBitmapSide || info.height == 0 ||
        info.height < -kLargestBitmapSide || info.height > kLargestBitmapSide)
        return BitmapError::bad_size;
    return BitmapError::none;
}

DecodedBitmap failure(BitmapError error) { return DecodedBitmap{.bitmap = {}, .error = error}; }

}  // namespace

DecodedBitmap decode_bmp(std::span<const unsigned char> bytes) {
    if (bytes.size() < kFileHeaderSize + 4) return failure(BitmapError::truncated);
    if (bytes[0] != 'B' || bytes[1] != 'M') return failure(BitmapError::not_a_bmp);
    const uint32_t header_size = read_u32(bytes, kInfoHeaderAt);
    if (!known_header_size(header_size)) return failure(BitmapError::unsupported_header);
    if (bytes.size() < kFileHeaderSize + size_t{header_size}) return failure(BitmapError::truncated);

    const InfoHeader info = read_info_header(bytes);
    if (const BitmapError error = check_info_header(info); error != BitmapError::none)
        return failure(error);

    // 8-bit pictures carry their palette (0 colours used means all 256) after the headers.
    const bool palettised = info.bits_per_pixel == 8;
    const uint32_t palette_colours =
        !palettised ? 0 : (info.colours_used == 0 ? kLargestPalette : info.colours_used);
    if (palette_colours > kLargestPalette) return failure(BitmapError::bad_palette);
    const size_t palette_at = kFileHeaderSize + header_size;
    const size_t palette_end = palette_at + 4 * size_t{palette_colours};
    if (bytes.size() < palette_end) return failure(BitmapError::truncated);

    const uint32_t pixel_offset = read_u32(bytes, kPixelOffsetAt);
    if (pixel_offset < palette_end) return failure(BitmapError::bad_pixel_offset);
    const size_t width = static_cast<size_t>(info.width);
    const size_t rows = static_cast<size_t>(info.height < 0 ? -int64_t{info.height} : info.height);
    const size_t row_size = (width * info.bits_per_pixel + 31) / 32 * 4;
    // Sides are at most kLargestBitmapSide, so none of these sizes overflows.
    if (bytes.size() < size_t{pixel_offset} || bytes.size() - pixel_offset < row_size * rows)
        return failure(BitmapError::truncated);

    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < palette_colours; ++i) {
        const size_t at = palette_at + 4 * size_t{i};  // blue, green, red, unused
        palette.push_back(argb(bytes[at + 2], bytes[at + 1], bytes[at]));
    }

    DecodedBitmap decoded;
    Bitmap& bitmap = decoded.bitmap;
    bitmap.width = info.width;
    bitmap.height = static_cast<int>(rows);
    bitmap.bits_per_pixel = static_cast<int>(info.bits_per_pixel);
    bitmap.pixels.reserve(width * rows);
    const bool top_down = info.height < 0;
    for (size_t y = 0; y < rows; ++y) {
        const size_t stored_row = top_down ? y : rows - 1 - y;
        const size_t row_at = pixel_offset + stored_row * row_size;
        for (size_t x = 0; x < width; ++x) {
            if (palettised) {
                const unsigned char index = bytes[row_at + x];
                if (index >= palette.size()) return failure(BitmapError::index_outside_palette);
                bitmap.pixels.push_back(palette[index]);
            } else {
                const size_t at = row_at + 3 * x;  // blue, green, red
                bitmap.pixels.push_back(argb(bytes[at + 2], bytes[at + 1], bytes[at]));
            }
        }
    }
    return decoded;
}

const char* describe(BitmapError error) {
    switch (error) {
        case BitmapError::none: return "no error";
        case BitmapError::truncated: return "data ends too early";
        case BitmapError::not_a_bmp: return "not a BMP file";
        case BitmapError::unsupported_header: return "unsupported info header";
        case BitmapError::unsupported_compression: return "compressed rows are not supported";
        case BitmapError::unsupported_depth: return "only 8 and 24 bits per pixel are supported";
        case BitmapError::bad_size: return "width or height out of range";
        case BitmapError::bad_palette: return "more than 256 palette colours";
        case BitmapError::bad_pixel_offset: return "pixel rows start inside the headers";
        case BitmapError::index_outside_palette: return "pixel index outside the palette";
    }
    return "unknown error";
}

}  // namespace panel_host
