// The golden comparison itself: what it lets through as anti-aliasing and what it catches.
#include <gtest/gtest.h>

#include <cstdint>

#include "picture.h"
#include "picture_compare.h"

namespace golden {
namespace {

constexpr int kSide = 100;  // 10 000 pixels: a share of 0.0005 admits 5 of them
constexpr Tolerance kTolerance{.channel_levels = 6, .differing_share = 0.0005};

Picture filled(int width, int height, uint32_t argb) {
    Picture picture{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)};
    cairo_surface_flush(picture.get());
    unsigned char* data = cairo_image_surface_get_data(picture.get());
    const int stride = cairo_image_surface_get_stride(picture.get());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride)[x] = argb;
    cairo_surface_mark_dirty(picture.get());
    return picture;
}

// Changes the first `count` pixels, row by row, to the colour.
void repaint(cairo_surface_t* picture, int count, uint32_t argb) {
    cairo_surface_flush(picture);
    auto* pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(picture));
    const int width = cairo_image_surface_get_width(picture);
    const int stride_pixels = cairo_image_surface_get_stride(picture) / 4;
    for (int i = 0; i < count; ++i) pixels[(i / width) * stride_pixels + i % width] = argb;
    cairo_surface_mark_dirty(picture);
}

constexpr uint32_t kGrey = 0xff808080;

struct CompareCase {
    const char* name;
    int repainted;      // pixels changed in the drawn picture
    uint32_t colour;    // to this colour
    long differing;     // pixels the comparison counts as different
    bool matches;
};

void PrintTo(const CompareCase& c, std::ostream* out) { *out << c.name; }

const CompareCase kCompareCases[] = {
    {"identical", 0, kGrey, 0, true},
    {"every_pixel_off_by_the_tolerance", kSide * kSide, 0xff868686, 0, true},
    {"one_channel_one_level_beyond", kSide * kSide, 0xff808087, kSide * kSide, false},
    {"alpha_beyond", kSide * kSide, 0xf8808080, kSide * kSide, false},
    {"as_many_pixels_as_admitted", 5, 0xffffffff, 5, true},
    {"one_pixel_more", 6, 0xffffffff, 6, false},
};

class PictureCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(PictureCompare, CountsPixelsBeyondTheChannelTolerance) {
    const CompareCase& c = GetParam();
    const Picture expected = filled(kSide, kSide, kGrey);
    const Picture drawn = filled(kSide, kSide, kGrey);
    repaint(drawn.get(), c.repainted, c.colour);
    const Comparison comparison = compare_pictures(expected.get(), drawn.get(), kTolerance);
    EXPECT_TRUE(comparison.same_size);
    EXPECT_EQ(comparison.allowed_pixels, 5);
    EXPECT_EQ(comparison.differing_pixels, c.differing);
    EXPECT_EQ(comparison.matches(), c.matches) << describe(comparison);
}

INSTANTIATE_TEST_SUITE_P(Tolerance, PictureCompare, ::testing::ValuesIn(kCompareCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureCompareSize, APictureOfAnotherSizeNeverMatches) {
    const Picture expected = filled(kSide, kSide, kGrey);
    const Picture drawn = filled(kSide, kSide + 1, kGrey);
    const Comparison comparison = compare_pictures(expected.get(), drawn.get(), kTolerance);
    EXPECT_FALSE(comparison.same_size);
    EXPECT_FALSE(comparison.matches());
    EXPECT_EQ(describe(comparison), "the picture is 100 x 101 pixels, the golden 100 x 100");
}

TEST(DifferencePicture, MarksPixelsBeyondTheToleranceRedAndSmallerOnesYellow) {
    const Picture expected = filled(3, 1, kGrey);
    const Picture drawn = filled(3, 1, kGrey);
    cairo_surface_flush(drawn.get());
    auto* pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(drawn.get()));
    pixels[1] = 0xff828282;  // within the tolerance
    pixels[2] = 0xff8080ff;  // beyond it
    cairo_surface_mark_dirty(drawn.get());

    const Picture difference = difference_picture(expected.get(), drawn.get(), kTolerance);
    cairo_surface_flush(difference.get());
    const auto* marked =
        reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(difference.get()));
    EXPECT_EQ(marked[0], 0xff2a2a2au) << "an equal pixel: the golden's grey, faded";
    EXPECT_EQ(marked[1], 0xffffff00u);
    EXPECT_EQ(marked[2], 0xffff0000u);
}

}  // namespace
}  // namespace golden
