// The host's BMP decoder: what it accepts, what it rejects, and that no damaged input makes
// it read outside the bytes it is given (run under AddressSanitizer to see the last).
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "bmp_fixture.h"
#include "panel_host/bitmap.h"

namespace pictures_test {
namespace {

using panel_host::BitmapError;
using panel_host::decode_bmp;

constexpr uint32_t kOpaque = 0xff000000;

// A 3 × 2 picture: a width whose rows need padding at both depths.
BmpPlan small_24bit() {
    return BmpPlan{.width = 3, .height = 2, .bits = 24,
                   .pixels = {0xff0000, 0x00ff00, 0x0000ff, 0x010203, 0x000000, 0xcfb466},
                   .palette = {}};
}

BmpPlan small_8bit() {
    return BmpPlan{.width = 3, .height = 2, .bits = 8, .pixels = {0, 1, 2, 2, 1, 0},
                   .palette = {0x000000, 0xcfb466, 0x080808}};
}

std::vector<uint32_t> expected_argb(const BmpPlan& plan) {
    std::vector<uint32_t> argb;
    for (uint32_t pixel : plan.pixels)
        argb.push_back(kOpaque | (plan.bits == 8 ? plan.palette[pixel] : pixel));
    return argb;
}

struct AcceptedCase {
    const char* name;
    BmpPlan plan;
};
void PrintTo(const AcceptedCase& c, std::ostream* out) { *out << c.name; }

class AcceptedBitmap : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedBitmap, DecodesSizeDepthAndEveryPixel) {
    const BmpPlan& plan = GetParam().plan;
    const Bytes bytes = make_bmp(plan);
    const panel_host::DecodedBitmap decoded = decode_bmp(bytes);
    ASSERT_TRUE(decoded.ok()) << panel_host::describe(decoded.error);
    EXPECT_EQ(decoded.bitmap.width, plan.width);
    EXPECT_EQ(decoded.bitmap.height, plan.height);
    EXPECT_EQ(decoded.bitmap.bits_per_pixel, plan.bits);
    EXPECT_EQ(decoded.bitmap.pixels, expected_argb(plan));
}

BmpPlan with(BmpPlan plan, const std::function<void(BmpPlan&)>& change) {
    change(plan);
    return plan;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedBitmap,
    ::testing::Values(
        AcceptedCase{"bottom_up_24", small_24bit()},
        AcceptedCase{"top_down_24", with(small_24bit(), [](BmpPlan& p) { p.top_down = true; })},
        AcceptedCase{"bottom_up_8", small_8bit()},
        AcceptedCase{"top_down_8", with(small_8bit(), [](BmpPlan& p) { p.top_down = true; })},
        AcceptedCase{"v5_header_24", with(small_24bit(), [](BmpPlan& p) { p.header_size = 124; })},
        AcceptedCase{"v4_header_8", with(small_8bit(), [](BmpPlan& p) { p.header_size = 108; })},
        AcceptedCase{"width_4_no_padding_24",
                     BmpPlan{.width = 4, .height = 1, .bits = 24,
                             .pixels = {0x112233, 0x445566, 0x778899, 0xaabbcc},
                             .palette = {}}},
        AcceptedCase{"width_1_most_padding_8",
                     BmpPlan{.width = 1, .height = 3, .bits = 8, .pixels = {1, 0, 1},
                             .palette = {0x204060, 0xffffff}}},
        AcceptedCase{"colours_used_0_means_256",
                     with(small_8bit(),
                          [](BmpPlan& p) {
                              p.palette.resize(256, 0x7f7f7f);
                              p.pixels[0] = 255;
                              p.write_colours_used = false;
                          })}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectedCase {
    const char* name;
    BmpPlan plan;
    std::function<void(Bytes&)> damage;
    BitmapError expected;
};
void PrintTo(const RejectedCase& c, std::ostream* out) { *out << c.name; }

class RejectedBitmap : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedBitmap, FailsWithItsReason) {
    Bytes bytes = make_bmp(GetParam().plan);
    GetParam().damage(bytes);
    // An exact-size heap copy, so any read past its end is caught by the sanitizer.
    const Bytes exact(bytes.begin(), bytes.end());
    const panel_host::DecodedBitmap decoded = decode_bmp(exact);
    EXPECT_EQ(decoded.error, GetParam().expected)
        << "got: " << panel_host::describe(decoded.error);
    EXPECT_TRUE(decoded.bitmap.pixels.empty());
}

auto set_u32(size_t at, uint32_t value) {
    return [=](Bytes& b) { put_u32(b, at, value); };
}
auto set_u16(size_t at, uint16_t value) {
    return [=](Bytes& b) { put_u16(b, at, value); };
}
auto cut_to(size_t size) {
    return [=](Bytes& b) { b.resize(size); };
}
auto drop_last(size_t count) {
    return [=](Bytes& b) { b.resize(b.size() - count); };
}

INSTANTIATE_TEST_SUITE_P(
    Damage, RejectedBitmap,
    ::testing::Values(
        RejectedCase{"empty", small_24bit(), cut_to(0), BitmapError::truncated},
        RejectedCase{"file_header_only", small_24bit(), cut_to(14), BitmapError::truncated},
        RejectedCase{"cut_in_info_header", small_24bit(), cut_to(40), BitmapError::truncated},
        RejectedCase{"cut_in_palette", small_8bit(), cut_to(14 + 40 + 5), BitmapError::truncated},
        RejectedCase{"last_row_short_by_its_padding", small_24bit(), drop_last(3),
                     BitmapError::truncated},
        RejectedCase{"last_pixel_missing", small_8bit(), drop_last(5), BitmapError::truncated},
        RejectedCase{"not_bm", small_24bit(), [](Bytes& b) { b[1] = 'A'; }, BitmapError::not_a_bmp},
        RejectedCase{"core_header", small_24bit(), set_u32(kHeaderSizeField, 12),
                     BitmapError::unsupported_header},
        RejectedCase{"huge_header_size", small_24bit(), set_u32(kHeaderSizeField, 0xfffffff0),
                     BitmapError::unsupported_header},
        RejectedCase{"later_header_beyond_the_data", small_24bit(),
                     [](Bytes& b) { put_u32(b, kHeaderSizeField, 124); b.resize(100); },
                     BitmapError::truncated},
        RejectedCase{"rle8", small_8bit(), set_u32(kCompressionField, 1),
                     BitmapError::unsupported_compression},
        RejectedCase{"bitfields", small_24bit(), set_u32(kCompressionField, 3),
                     BitmapError::unsupported_compression},
        RejectedCase{"32_bits", small_24bit(), set_u16(kBitsField, 32),
                     BitmapError::unsupported_depth},
        RejectedCase{"1_bit", small_8bit(), set_u16(kBitsField, 1), BitmapError::unsupported_depth},
        RejectedCase{"two_planes", small_24bit(), set_u16(kPlanesField, 2),
                     BitmapError::unsupported_depth},
        RejectedCase{"width_0", small_24bit(), set_u32(kWidthField, 0), BitmapError::bad_size},
        RejectedCase{"negative_width", small_24bit(), set_u32(kWidthField, static_cast<uint32_t>(-3)),
                     BitmapError::bad_size},
        RejectedCase{"height_0", small_24bit(), set_u32(kHeightField, 0), BitmapError::bad_size},
        RejectedCase{"height_int32_min", small_24bit(), set_u32(kHeightField, 0x80000000),
                     BitmapError::bad_size},
        RejectedCase{"width_one_beyond_largest", small_24bit(),
                     set_u32(kWidthField, panel_host::kLargestBitmapSide + 1), BitmapError::bad_size},
        RejectedCase{"huge_both_sides", small_24bit(),
                     [](Bytes& b) {
                         put_u32(b, kWidthField, 0x7fffffff);
                         put_u32(b, kHeightField, 0x7fffffff);
                     },
                     BitmapError::bad_size},
        RejectedCase{"largest_sides_without_their_rows", small_8bit(),
                     [](Bytes& b) {
                         put_u32(b, kWidthField, panel_host::kLargestBitmapSide);
                         put_u32(b, kHeightField, static_cast<uint32_t>(-panel_host::kLargestBitmapSide));
                     },
                     BitmapError::truncated},
        RejectedCase{"257_colours", small_8bit(), set_u32(kColoursUsedField, 257),
                     BitmapError::bad_palette},
        RejectedCase{"colours_used_wraps", small_8bit(), set_u32(kColoursUsedField, 0x40000001),
                     BitmapError::bad_palette},
        RejectedCase{"palette_beyond_the_data", small_8bit(), set_u32(kColoursUsedField, 200),
                     BitmapError::truncated},
        RejectedCase{"pixel_offset_0", small_24bit(), set_u32(kPixelOffsetField, 0),
                     BitmapError::bad_pixel_offset},
        RejectedCase{"pixel_offset_inside_palette", small_8bit(),
                     set_u32(kPixelOffsetField, 14 + 40 + 4), BitmapError::bad_pixel_offset},
        RejectedCase{"pixel_offset_past_the_end", small_24bit(), set_u32(kPixelOffsetField, 100),
                     BitmapError::truncated},
        RejectedCase{"pixel_offset_huge", small_24bit(), set_u32(kPixelOffsetField, 0xffffffff),
                     BitmapError::truncated},
        RejectedCase{"index_beyond_colours_used", small_8bit(),
                     [](Bytes& b) { b[14 + 40 + 3 * 4] = 3; }, BitmapError::index_outside_palette}),
    [](const auto& info) { return std::string(info.param.name); });

// Every prefix of a valid file is shorter than its pixel rows need, so every one is rejected.
TEST(BitmapDecode, EveryShorterPrefixIsRejected) {
    for (const BmpPlan& plan : {small_24bit(), small_8bit()}) {
        const Bytes whole = make_bmp(plan);
        ASSERT_TRUE(decode_bmp(whole).ok());
        for (size_t size = 0; size < whole.size(); ++size) {
            const Bytes prefix(whole.begin(), whole.begin() + size);
            EXPECT_FALSE(decode_bmp(prefix).ok()) << plan.bits << " bits, " << size << " bytes";
        }
    }
}

// Each header byte set to values that reach the edges of every field: the decoder either
// rejects the file or returns a picture whose pixel count matches its size.
TEST(BitmapDecode, AnyDamagedHeaderByteIsSafe) {
    const unsigned char values[] = {0x00, 0x01, 0x7f, 0x80, 0xfe, 0xff};
    for (const BmpPlan& plan : {small_24bit(), small_8bit()}) {
        const Bytes whole = make_bmp(plan);
        const size_t header_end = 14 + 40 + (plan.bits == 8 ? 4 * plan.palette.size() : 0);
        for (size_t at = 0; at < header_end; ++at) {
            for (unsigned char value : values) {
                Bytes damaged = whole;
                damaged[at] = value;
                const panel_host::DecodedBitmap decoded = decode_bmp(damaged);
                if (!decoded.ok()) continue;
                EXPECT_EQ(decoded.bitmap.pixels.size(),
                          static_cast<size_t>(decoded.bitmap.width) * decoded.bitmap.height)
                    << "byte " << at << " = " << int{value};
            }
        }
    }
}

}  // namespace
}  // namespace pictures_test
