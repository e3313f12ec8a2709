// The pictures of the two units in the module's resources: the face and the deviation bar,
// 8 bits per pixel, the same bytes for both units, and every picture an element names.
#include <dlfcn.h>

#include <cstdint>

#include "module_path.h"
#include "navcom_panel.h"
#include "panel_host/bitmap.h"
#include "panel_host/module_resources.h"

namespace navcom_test {
namespace {

using panel_abi::ResourceDirectory;
using panel_abi::ResourceEntry;

constexpr uint32_t kPureBlack = 0xff000000;

class NavcomPictures : public ::testing::Test {
protected:
    void SetUp() override {
        handle_ = dlopen(module_path("navstack").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        directory_ = static_cast<const ResourceDirectory*>(
            dlsym(handle_, PANEL_RESOURCE_DIRECTORY_SYMBOL));
        ASSERT_NE(directory_, nullptr) << "no resource directory";
    }
    void TearDown() override {
        if (handle_ != nullptr) dlclose(handle_);
    }

    std::span<const unsigned char> bytes(uint32_t id) const {
        const ResourceEntry* entry = panel_host::find_bitmap(directory_, id);
        if (entry == nullptr) {
            ADD_FAILURE() << "no bitmap " << id;
            return {};
        }
        return panel_host::resource_bytes(*entry);
    }

    panel_host::Bitmap decoded(uint32_t id) const {
        const panel_host::DecodedBitmap picture = panel_host::decode_bmp(bytes(id));
        EXPECT_TRUE(picture.ok()) << id << ": " << panel_host::describe(picture.error);
        return picture.bitmap;
    }

    void* handle_ = nullptr;
    const ResourceDirectory* directory_ = nullptr;
};

struct PicturePair {
    const char* what;
    uint32_t unit1_id;
    uint32_t unit2_id;
    int width;
    int height;
};

std::ostream& operator<<(std::ostream& out, const PicturePair& p) { return out << p.what; }

constexpr PicturePair kPicturePairs[] = {
    {"face", 4096, 4608, 500, 209},
    {"deviation bar", 4352, 4864, 18, 27},
};

class NavcomPicturePair : public NavcomPictures,
                          public ::testing::WithParamInterface<PicturePair> {};

TEST_P(NavcomPicturePair, IsTheSameEightBitPictureOnBothUnits) {
    const PicturePair& p = GetParam();
    const auto first = bytes(p.unit1_id);
    const auto second = bytes(p.unit2_id);
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), second.begin(), second.end()))
        << p.unit1_id << " and " << p.unit2_id << " differ";
    const panel_host::Bitmap picture = decoded(p.unit1_id);
    EXPECT_EQ(picture.width, p.width);
    EXPECT_EQ(picture.height, p.height);
    EXPECT_EQ(picture.bits_per_pixel, 8);
}

INSTANTIATE_TEST_SUITE_P(Units, NavcomPicturePair, ::testing::ValuesIn(kPicturePairs));

// The bar is a green arrow on its centre column; around it the screen shows through.
TEST_F(NavcomPictures, DeviationBarIsGreenOnItsCentreColumnAndTransparentAround) {
    const panel_host::Bitmap bar = decoded(4352);
    ASSERT_EQ(bar.width, 18);
    ASSERT_EQ(bar.height, 27);
    for (int y : {1, 10, 20, 26}) {
        const uint32_t pixel = bar.at(9, y);
        EXPECT_GE((pixel >> 8) & 0xff, 0xc0u) << "green at (9, " << y << ")";
        EXPECT_LE((pixel >> 16) & 0xff, 0x40u) << "no red at (9, " << y << ")";
    }
    for (int x : {0, 17})
        for (int y : {0, 20, 26})
            EXPECT_EQ(bar.at(x, y), kPureBlack) << "(" << x << ", " << y << ")";
}

// Only the corners outside the rounded bezel let the panel show through.
TEST_F(NavcomPictures, FaceIsTransparentOnlyOutsideItsRoundedCorners) {
    const panel_host::Bitmap face = decoded(4096);
    ASSERT_EQ(face.width, 500);
    ASSERT_EQ(face.height, 209);
    EXPECT_EQ(face.at(0, 0), kPureBlack);
    EXPECT_EQ(face.at(499, 208), kPureBlack);
    constexpr int kCorner = 10;
    for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x) {
            const bool near_corner = (x < kCorner || x >= face.width - kCorner) &&
                                     (y < kCorner || y >= face.height - kCorner);
            if (!near_corner && face.at(x, y) == kPureBlack)
                ADD_FAILURE() << "pure black at (" << x << ", " << y << ")";
        }
}

// Every picture an element of either unit names is in the module.
TEST_F(NavcomPanel, EveryElementPictureIsInTheModule) {
    void* handle = dlopen(module_path("navstack").c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    const auto* directory = static_cast<const ResourceDirectory*>(
        dlsym(handle, PANEL_RESOURCE_DIRECTORY_SYMBOL));
    ASSERT_NE(directory, nullptr);
    for (Unit unit : kBothUnits) {
        for (const panel_host::ElementState& state : host_.elements(instance(unit))) {
            if (state.kind == panel_abi::kTextString) continue;
            EXPECT_NE(panel_host::find_bitmap(directory, state.element->image_id), nullptr)
                << unit << " element " << state.depth << " names bitmap "
                << state.element->image_id;
        }
    }
    dlclose(handle);
    EXPECT_EQ(host_.design_size(instance(Unit::one)).width, 500);
    EXPECT_EQ(host_.design_size(instance(Unit::two)).height, 209);
}

}  // namespace
}  // namespace navcom_test
