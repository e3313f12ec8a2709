// Pictures written by the picture builder's BMP writer come back from the host's decoder
// pixel for pixel, at every row padding.
#include <gtest/gtest.h>

#include <cstdint>

#include "bmp_writer.h"
#include "panel_host/bitmap.h"

namespace pictures_test {
namespace {

using picture_builder::IndexedImage;
using picture_builder::Rgb;
using picture_builder::RgbImage;

uint32_t argb(Rgb colour) {
    return 0xff000000u | (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
}

// Distinct colours in every pixel, so a swapped row, column or channel shows.
Rgb pattern(int x, int y) {
    return Rgb{.r = static_cast<uint8_t>(37 * x + 11 * y), .g = static_cast<uint8_t>(5 * y + 1),
               .b = static_cast<uint8_t>(200 - 3 * x)};
}

struct Size {
    int width;
    int height;
};
void PrintTo(const Size& size, std::ostream* out) { *out << size.width << " x " << size.height; }

// Widths 1 to 5 cover every amount of row padding at 8 and 24 bits.
const Size kSizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 4}, {5, 3}, {38, 18}, {21, 21}};

class RoundTrip : public ::testing::TestWithParam<Size> {};

TEST_P(RoundTrip, TwentyFourBits) {
    const Size size = GetParam();
    RgbImage image{.width = size.width, .height = size.height, .pixels = {}};
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) image.pixels.push_back(pattern(x, y));

    const panel_host::DecodedBitmap decoded = panel_host::decode_bmp(picture_builder::encode_bmp24(image));

    ASSERT_TRUE(decoded.ok()) << panel_host::describe(decoded.error);
    EXPECT_EQ(decoded.bitmap.bits_per_pixel, 24);
    ASSERT_EQ(decoded.bitmap.width, size.width);
    ASSERT_EQ(decoded.bitmap.height, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            ASSERT_EQ(decoded.bitmap.at(x, y), argb(image.at(x, y))) << x << "," << y;
}

TEST_P(RoundTrip, EightBits) {
    const Size size = GetParam();
    IndexedImage image{.width = size.width, .height = size.height, .palette = {}, .indices = {}};
    for (int i = 0; i < 256; ++i) image.palette.push_back(pattern(i, i / 7));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            image.indices.push_back(static_cast<uint8_t>(x * 13 + y * 29));

    const panel_host::DecodedBitmap decoded = panel_host::decode_bmp(picture_builder::encode_bmp8(image));

    ASSERT_TRUE(decoded.ok()) << panel_host::describe(decoded.error);
    EXPECT_EQ(decoded.bitmap.bits_per_pixel, 8);
    ASSERT_EQ(decoded.bitmap.width, size.width);
    ASSERT_EQ(decoded.bitmap.height, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            ASSERT_EQ(decoded.bitmap.at(x, y), argb(image.at(x, y))) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTrip, ::testing::ValuesIn(kSizes),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

// A short palette is written as it is: the decoder sees exactly those colours.
TEST(RoundTripPalette, ShortPaletteKeepsItsColours) {
    const IndexedImage image{.width = 2, .height = 2,
                             .palette = {Rgb{0, 0, 0}, Rgb{0xcf, 0xb4, 0x66}},
                             .indices = {0, 1, 1, 0}};
    const panel_host::DecodedBitmap decoded = panel_host::decode_bmp(picture_builder::encode_bmp8(image));
    ASSERT_TRUE(decoded.ok()) << panel_host::describe(decoded.error);
    EXPECT_EQ(decoded.bitmap.pixels,
              (std::vector<uint32_t>{0xff000000, 0xffcfb466, 0xffcfb466, 0xff000000}));
}

}  // namespace
}  // namespace pictures_test
