// The five modules built from the one twin-needle source: each holds exactly its own gauge,
// of the oldest generation, drawn on its own face with the shared needle and lamps.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>
#include <cstdlib>

#include <string>
#include <vector>

#include "module_path.h"
#include "panel_abi/resources.h"
#include "panel_host/bitmap.h"
#include "panel_host/module_resources.h"
#include "twin_needle_gauge.h"

namespace twin_needle_test {
namespace {

constexpr int32_t kFace = 4096;
constexpr int32_t kNeedle = 8192;
constexpr int32_t kLampUnlit = 12288;
constexpr int32_t kLampRed = 12291;
constexpr int32_t kLampGreen = 12294;

// A module's pictures, straight from the resource directory it exports.
class ModulePictures {
public:
    explicit ModulePictures(const std::string& member) {
        handle_ = dlopen(module_path(member).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ != nullptr)
            directory_ = static_cast<const panel_abi::ResourceDirectory*>(
                dlsym(handle_, PANEL_RESOURCE_DIRECTORY_SYMBOL));
    }
    ~ModulePictures() {
        if (handle_ != nullptr) dlclose(handle_);
    }
    ModulePictures(const ModulePictures&) = delete;
    ModulePictures& operator=(const ModulePictures&) = delete;

    bool loaded() const { return directory_ != nullptr; }
    std::vector<unsigned char> bytes(int32_t id) const {
        const panel_abi::ResourceEntry* entry = panel_host::find_bitmap(directory_, id);
        if (entry == nullptr) return {};
        const auto span = panel_host::resource_bytes(*entry);
        return {span.begin(), span.end()};
    }
    panel_host::DecodedBitmap picture(int32_t id) const {
        const std::vector<unsigned char> data = bytes(id);
        return panel_host::decode_bmp(data);
    }

private:
    void* handle_ = nullptr;
    const panel_abi::ResourceDirectory* directory_ = nullptr;
};

class Module : public ::testing::TestWithParam<const char*> {};

TEST_P(Module, PlacesItsOneGaugeByItsOwnName) {
    TwinNeedleGauge gauge(GetParam());
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    const panel_abi::GaugeHeader* header = gauge.host().header(gauge.instance());
    // Copies: the packed header's pointers need not be aligned for a reference to them.
    const char* name = header->name;
    const uint32_t version = header->version;
    const uint32_t default_width_mm = header->default_width_mm;
    const panel_abi::MouseArea* mouse_list = header->mouse_list;
    const panel_abi::GaugeCallback gauge_callback = header->gauge_callback;
    EXPECT_STREQ(name, GetParam());
    EXPECT_EQ(version, panel_abi::kHeaderVersion262);
    EXPECT_EQ(default_width_mm, 100u);
    EXPECT_EQ(mouse_list, nullptr) << "the oldest generation hands its list over";
    EXPECT_EQ(gauge_callback, nullptr);
    const panel_abi::ImageSize design = gauge.host().design_size(gauge.instance());
    EXPECT_EQ(design.width, 640);
    EXPECT_EQ(design.height, 300);

    for (const char* other : kMembers) {
        if (std::string(other) == GetParam()) continue;
        std::string error;
        EXPECT_EQ(gauge.host().place(gauge.module(), other, &error), panel_host::kNoInstance)
            << GetParam() << " also holds " << other;
    }
}

TEST_P(Module, CarriesItsPicturesAtTheirSizes) {
    ModulePictures pictures(GetParam());
    ASSERT_TRUE(pictures.loaded());
    struct Expected {
        int32_t id;
        int width;
        int height;
    };
    for (const Expected& expected : {Expected{kFace, 640, 300}, Expected{kNeedle, 150, 25},
                                     Expected{kLampUnlit, 20, 20}, Expected{kLampRed, 20, 20},
                                     Expected{kLampGreen, 20, 20}}) {
        SCOPED_TRACE(expected.id);
        const panel_host::DecodedBitmap decoded = pictures.picture(expected.id);
        ASSERT_TRUE(decoded.ok()) << panel_host::describe(decoded.error);
        EXPECT_EQ(decoded.bitmap.width, expected.width);
        EXPECT_EQ(decoded.bitmap.height, expected.height);
        EXPECT_EQ(decoded.bitmap.bits_per_pixel, 8);
    }
}

// The face is a dark panel: nothing of it is pure black, the colour the host would show the
// panel behind through.
TEST_P(Module, FaceHasNoSeeThroughPixels) {
    ModulePictures pictures(GetParam());
    ASSERT_TRUE(pictures.loaded());
    const panel_host::DecodedBitmap face = pictures.picture(kFace);
    ASSERT_TRUE(face.ok());
    int see_through = 0;
    for (uint32_t pixel : face.bitmap.pixels) see_through += (pixel & 0xffffff) == 0 ? 1 : 0;
    EXPECT_EQ(see_through, 0);
}

INSTANTIATE_TEST_SUITE_P(Members, Module, ::testing::ValuesIn(kMembers),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

TEST(Modules, ShareTheNeedleAndLampsAndEachHasItsOwnFace) {
    ModulePictures first(kMembers[0]);
    ASSERT_TRUE(first.loaded());
    for (const char* member : kMembers) {
        if (std::string(member) == kMembers[0]) continue;
        SCOPED_TRACE(member);
        ModulePictures pictures(member);
        ASSERT_TRUE(pictures.loaded());
        for (int32_t shared : {kNeedle, kLampUnlit, kLampRed, kLampGreen})
            EXPECT_EQ(pictures.bytes(shared), first.bytes(shared)) << "picture " << shared;
        EXPECT_NE(pictures.bytes(kFace), first.bytes(kFace));
    }
}

// Each lamp case shows its colour at the lamp's centre: grey, red, green.
TEST(Modules, LampCasesShowGreyRedAndGreen) {
    ModulePictures pictures(kMembers[0]);
    ASSERT_TRUE(pictures.loaded());
    auto centre = [&](int32_t id) {
        const panel_host::DecodedBitmap lamp = pictures.picture(id);
        EXPECT_TRUE(lamp.ok());
        const uint32_t pixel = lamp.ok() ? lamp.bitmap.at(10, 11) : 0;
        return std::array<int, 3>{static_cast<int>((pixel >> 16) & 0xff),
                                  static_cast<int>((pixel >> 8) & 0xff),
                                  static_cast<int>(pixel & 0xff)};
    };
    const auto [ur, ug, ub] = centre(kLampUnlit);
    EXPECT_LT(std::abs(ur - ug) + std::abs(ug - ub), 12) << "unlit is not grey";
    const auto [rr, rg, rb] = centre(kLampRed);
    EXPECT_GT(rr, 2 * rg);
    EXPECT_GT(rr, 2 * rb);
    const auto [gr, gg, gb] = centre(kLampGreen);
    EXPECT_GT(gg, 2 * gr);
    EXPECT_GT(gg, 2 * gb);
}

}  // namespace
}  // namespace twin_needle_test
