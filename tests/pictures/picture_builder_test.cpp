// The picture builder's output, made by this build from the test art beside this file and
// from the builder's calibration drawing: each source rendered at 24 bits (the art as drawn)
// and at 8 bits (quantised), and the two compared. Also how the builder's commands fail.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "picture_file.h"

namespace pictures_test {
namespace {

constexpr uint32_t kBlack = 0xff000000;
constexpr uint32_t kWindowColour = 0xffcfb466;  // the flat fill the test art uses

int channel(uint32_t argb, int shift) { return (argb >> shift) & 0xff; }

int largest_channel_difference(uint32_t a, uint32_t b) {
    int largest = 0;
    for (int shift : {0, 8, 16})
        largest = std::max(largest, std::abs(channel(a, shift) - channel(b, shift)));
    return largest;
}

struct RenderedPicture {
    const char* name;  // rendered as <name>_8.bmp and <name>_24.bmp
    int width;
    int height;
    bool more_colours_than_a_palette;
};
void PrintTo(const RenderedPicture& picture, std::ostream* out) { *out << picture.name; }

class QuantisedPicture : public ::testing::TestWithParam<RenderedPicture> {
protected:
    void SetUp() override {
        const std::string base = std::string(RENDERED_DIR) + "/" + GetParam().name;
        const panel_host::DecodedBitmap drawn = decode_file(base + "_24.bmp");
        const panel_host::DecodedBitmap quantised = decode_file(base + "_8.bmp");
        ASSERT_TRUE(drawn.ok()) << panel_host::describe(drawn.error);
        ASSERT_TRUE(quantised.ok()) << panel_host::describe(quantised.error);
        drawn_ = drawn.bitmap;
        quantised_ = quantised.bitmap;
    }

    panel_host::Bitmap drawn_, quantised_;
};

TEST_P(QuantisedPicture, HasTheRequestedSizeAndDepth) {
    EXPECT_EQ(drawn_.bits_per_pixel, 24);
    EXPECT_EQ(quantised_.bits_per_pixel, 8);
    for (const panel_host::Bitmap* bitmap : {&drawn_, &quantised_}) {
        EXPECT_EQ(bitmap->width, GetParam().width);
        EXPECT_EQ(bitmap->height, GetParam().height);
    }
}

TEST_P(QuantisedPicture, IsPureBlackExactlyWhereTheArtIs) {
    ASSERT_EQ(drawn_.pixels.size(), quantised_.pixels.size());
    size_t black = 0, nearly_black = 0;
    for (size_t i = 0; i < drawn_.pixels.size(); ++i) {
        const bool art_black = drawn_.pixels[i] == kBlack;
        black += art_black;
        nearly_black += !art_black && largest_channel_difference(drawn_.pixels[i], kBlack) <= 8;
        EXPECT_EQ(quantised_.pixels[i] == kBlack, art_black)
            << "pixel " << i % drawn_.width << "," << i / drawn_.width << std::hex
            << ": drawn " << drawn_.pixels[i] << ", quantised " << quantised_.pixels[i];
    }
    if (GetParam().more_colours_than_a_palette) {
        // The art has both kinds of pixel, or this test would prove nothing.
        EXPECT_GT(black, 0u);
        EXPECT_GT(nearly_black, 0u);
    }
}

TEST_P(QuantisedPicture, KeepsFlatFillsExactAndOtherColoursClose) {
    const std::set<uint32_t> colours(drawn_.pixels.begin(), drawn_.pixels.end());
    ASSERT_EQ(colours.size() > 256, GetParam().more_colours_than_a_palette)
        << colours.size() << " colours";
    size_t window_pixels = 0;
    long total_difference = 0;
    for (size_t i = 0; i < drawn_.pixels.size(); ++i) {
        const int difference = largest_channel_difference(drawn_.pixels[i], quantised_.pixels[i]);
        total_difference += difference;
        if (drawn_.pixels[i] == kWindowColour) {
            ++window_pixels;
            EXPECT_EQ(quantised_.pixels[i], kWindowColour) << "pixel " << i;
        }
        if (!GetParam().more_colours_than_a_palette) {
            EXPECT_EQ(difference, 0) << "pixel " << i << ": a picture of few colours keeps them";
        } else {
            EXPECT_LE(difference, 40) << "pixel " << i;
        }
    }
    EXPECT_GT(window_pixels, 0u);
    EXPECT_LE(static_cast<double>(total_difference) / drawn_.pixels.size(), 6.0);
}

INSTANTIATE_TEST_SUITE_P(Sources, QuantisedPicture,
                         ::testing::Values(RenderedPicture{"calibration", 160, 96, true},
                                           RenderedPicture{"dark_art", 120, 60, true},
                                           RenderedPicture{"legend", 38, 18, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Running the builder itself, for what it must refuse.
int run_builder(const std::string& arguments) {
    const std::string command = std::string("\"") + PICTURE_BUILDER + "\" " + arguments +
                                " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string fixture(const char* name) { return std::string(FIXTURE_DIR) + "/" + name; }

struct Refusal {
    const char* name;
    std::string arguments;  // the output file comes last
};
void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.arguments; }

class BuilderRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(BuilderRefuses, FailsAndWritesNothing) {
    const std::string output = ::testing::TempDir() + "refused_" + GetParam().name;
    std::filesystem::remove(output);
    EXPECT_NE(run_builder(GetParam().arguments + " " + output), 0);
    EXPECT_FALSE(std::filesystem::exists(output));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BuilderRefuses,
    ::testing::Values(
        Refusal{"art_of_other_proportions", "render " + fixture("dark_art.svg") + " 60 60 8"},
        Refusal{"sixteen_bits", "render " + fixture("legend.svg") + " 38 18 16"},
        Refusal{"zero_width", "render " + fixture("legend.svg") + " 0 18 8"},
        Refusal{"missing_source", "render " + fixture("no_such_art.svg") + " 38 18 8"},
        Refusal{"unknown_drawing", "render draw:no_such_drawing 38 18 8"},
        Refusal{"source_not_svg", "render " + fixture("picture_builder_test.cpp") + " 38 18 8"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EmbedRefusal {
    const char* name;
    const char* command;
    std::string resource;
};
void PrintTo(const EmbedRefusal& refusal, std::ostream* out) {
    *out << refusal.command << " " << refusal.resource;
}

class EmbeddingRefuses : public ::testing::TestWithParam<EmbedRefusal> {};

TEST_P(EmbeddingRefuses, FailsAndWritesNothing) {
    const std::string output = ::testing::TempDir() + "refused_embedding_" + GetParam().name;
    std::filesystem::remove(output);
    EXPECT_NE(run_builder(std::string(GetParam().command) + " " + output + " " + GetParam().resource), 0);
    EXPECT_FALSE(std::filesystem::exists(output));
}

const std::string kBmp = std::string(RENDERED_DIR) + "/legend_8.bmp";

INSTANTIATE_TEST_SUITE_P(
    Commands, EmbeddingRefuses,
    ::testing::Values(
        EmbedRefusal{"id_0", "embed-linux", "bitmap:0=" + kBmp},
        EmbedRefusal{"id_beyond_16_bits", "embed-rc", "bitmap:65536=" + kBmp},
        EmbedRefusal{"id_twice", "embed-linux", "bitmap:7=" + kBmp + " bitmap:7=" + kBmp},
        EmbedRefusal{"name_with_space", "embed-rc", "'raw:CLICK RCD=" + kBmp + "'"},
        EmbedRefusal{"no_kind", "embed-linux", "7=" + kBmp},
        EmbedRefusal{"missing_file", "embed-linux", "bitmap:7=" + fixture("no_such.bmp")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Embedding, ResourceScriptNamesBitmapsByIdAndRawDataByName) {
    const std::string output = ::testing::TempDir() + "pictures.rc";
    const std::string raw = fixture("legend.svg");
    ASSERT_EQ(run_builder("embed-rc " + output + " bitmap:4099=" + kBmp + " raw:CLICK_RCD=" + raw), 0);
    const std::vector<unsigned char> bytes = read_bytes(output);
    const std::string script(bytes.begin(), bytes.end());
    EXPECT_NE(script.find("\n4099 BITMAP \"" + kBmp + "\"\n"), std::string::npos) << script;
    EXPECT_NE(script.find("\nCLICK_RCD RCDATA \"" + raw + "\"\n"), std::string::npos) << script;
}

}  // namespace
}  // namespace pictures_test
