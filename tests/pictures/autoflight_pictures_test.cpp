// The pictures built into the autoflight module: each manifest line present with its size
// and depth, and the autopilot's art fitting its gauge (legends on the display window,
// pure black only where the panel shows through).
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "manifest.h"
#include "module_path.h"
#include "panel_host/bitmap.h"
#include "panel_host/module_resources.h"
#include "panel_host/panel_host.h"
#include "picture_file.h"

namespace pictures_test {
namespace {

constexpr uint32_t kBlack = 0xff000000;
// Pure black may show at the face's rounded corners, and nowhere farther in than this.
constexpr int kCornerReach = 8;

class AutoflightPictures : public ::testing::Test {
protected:
    void SetUp() override {
        handle_ = dlopen(module_path("autoflight").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        directory_ = static_cast<const panel_abi::ResourceDirectory*>(
            dlsym(handle_, PANEL_RESOURCE_DIRECTORY_SYMBOL));
        ASSERT_NE(directory_, nullptr) << "the module exports no resource directory";
        manifest_ = read_manifest(AUTOFLIGHT_MANIFEST);
        ASSERT_TRUE(manifest_.errors.empty()) << manifest_.errors.front();
        ASSERT_FALSE(manifest_.pictures.empty());
    }

    void TearDown() override {
        if (handle_ != nullptr) dlclose(handle_);
    }

    panel_host::Bitmap picture(uint32_t id) const {
        const panel_abi::ResourceEntry* entry = panel_host::find_bitmap(directory_, id);
        if (entry == nullptr) {
            ADD_FAILURE() << "no bitmap " << id;
            return {};
        }
        const panel_host::DecodedBitmap decoded = panel_host::decode_bmp(panel_host::resource_bytes(*entry));
        EXPECT_TRUE(decoded.ok()) << "bitmap " << id << ": " << panel_host::describe(decoded.error);
        return decoded.bitmap;
    }

    void* handle_ = nullptr;
    const panel_abi::ResourceDirectory* directory_ = nullptr;
    Manifest manifest_;
};

TEST_F(AutoflightPictures, EveryManifestPictureHasItsSizeAndDepth) {
    for (const ManifestPicture& line : manifest_.pictures) {
        SCOPED_TRACE("manifest line " + std::to_string(line.line) + ", bitmap " + std::to_string(line.id));
        const panel_host::Bitmap bitmap = picture(line.id);
        EXPECT_EQ(bitmap.width, line.width);
        EXPECT_EQ(bitmap.height, line.height);
        EXPECT_EQ(bitmap.bits_per_pixel, line.bits);
    }
}

TEST_F(AutoflightPictures, ModuleCarriesExactlyTheManifestResources) {
    size_t bitmaps = 0, raw = 0;
    for (uint32_t i = 0; i < directory_->count; ++i) {
        bitmaps += directory_->entries[i].type == panel_abi::kResourceBitmap;
        raw += directory_->entries[i].type == panel_abi::kResourceRawData;
    }
    EXPECT_EQ(bitmaps, manifest_.pictures.size());
    EXPECT_EQ(raw, manifest_.raw_data.size());
    const std::filesystem::path res_dir = std::filesystem::path(AUTOFLIGHT_MANIFEST).parent_path();
    for (const ManifestRaw& line : manifest_.raw_data) {
        const panel_abi::ResourceEntry* entry = panel_host::find_raw_data(directory_, line.name);
        ASSERT_NE(entry, nullptr) << line.name;
        const auto bytes = panel_host::resource_bytes(*entry);
        EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.end()),
                  read_bytes((res_dir / line.file).string()))
            << line.name;
    }
}

// The autopilot placed on a host, for where its elements sit.
class AutopilotArt : public AutoflightPictures {
protected:
    void SetUp() override {
        AutoflightPictures::SetUp();
        if (HasFatalFailure()) return;
        std::string error;
        panel_host::LoadedModule* module = host_.load_module(module_path("autoflight"), &error);
        ASSERT_NE(module, nullptr) << error;
        instance_ = host_.place(module, "autopilot", &error);
        ASSERT_NE(instance_, panel_host::kNoInstance) << error;
        host_.run_frame();
        const auto& elements = host_.elements(instance_);
        ASSERT_FALSE(elements.empty());
        face_ = picture(static_cast<uint32_t>(elements.front().element->image_id));
        for (const panel_host::ElementState& state : elements) {
            if (state.kind == panel_abi::kTextString) {
                const auto* text = reinterpret_cast<const panel_abi::TextString*>(state.element);
                // COLORREF 0x00BBGGRR as 0xAARRGGBB.
                const uint32_t c = text->background_colour;
                window_colour_ = 0xff000000 | ((c & 0xff) << 16) | (c & 0xff00) | ((c >> 16) & 0xff);
            }
        }
        ASSERT_NE(window_colour_, 0u) << "the autopilot has no readout";
    }

    // Every face pixel of the box is the display window's colour.
    void expect_window_under(const char* what, int x0, int y0, int width, int height) const {
        int off_window = 0;
        for (int y = y0; y < y0 + height; ++y)
            for (int x = x0; x < x0 + width; ++x) off_window += face_.at(x, y) != window_colour_;
        EXPECT_EQ(off_window, 0) << what << " at (" << x0 << ", " << y0 << ") " << width << " x "
                                 << height << ": face pixels not in the window colour";
    }

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::InstanceId instance_ = panel_host::kNoInstance;
    panel_host::Bitmap face_;
    uint32_t window_colour_ = 0;
};

TEST_F(AutopilotArt, FaceIsPureBlackOnlyAtItsCorners) {
    for (int y = 0; y < face_.height; ++y)
        for (int x = 0; x < face_.width; ++x) {
            if (face_.at(x, y) != kBlack) continue;
            const bool near_side = x < kCornerReach || x >= face_.width - kCornerReach;
            const bool near_top_or_bottom = y < kCornerReach || y >= face_.height - kCornerReach;
            EXPECT_TRUE(near_side && near_top_or_bottom) << "pure black at " << x << "," << y;
        }
}

TEST_F(AutopilotArt, ReadoutSitsOnTheDisplayWindow) {
    int readouts = 0;
    for (const panel_host::ElementState& state : host_.elements(instance_)) {
        if (state.kind != panel_abi::kTextString) continue;
        const auto* text = reinterpret_cast<const panel_abi::TextString*>(state.element);
        expect_window_under("readout", text->header.position.x, text->header.position.y,
                            text->box.width, text->box.height);
        ++readouts;
    }
    EXPECT_EQ(readouts, 1);
}

// A lit legend is drawn over the window: its ground must be the window's colour all round,
// the face must be that colour beneath it, and it must hold no pure black that the host
// would draw as a hole.
TEST_F(AutopilotArt, LitLegendsBlendIntoTheDisplayWindow) {
    int legends = 0;
    for (const panel_host::ElementState& state : host_.elements(instance_)) {
        if (state.kind != panel_abi::kIcon) continue;
        ++legends;
        const panel_abi::Element& element = *state.element;
        const panel_abi::ResourceEntry* lit =
            panel_host::find_icon_case_bitmap(directory_, static_cast<uint32_t>(element.image_id), 0);
        ASSERT_NE(lit, nullptr) << "icon " << element.image_id;
        const panel_host::Bitmap legend = picture(lit->id);
        SCOPED_TRACE("legend " + std::to_string(lit->id));
        expect_window_under("legend", element.position.x, element.position.y, legend.width,
                            legend.height);
        EXPECT_EQ(std::count(legend.pixels.begin(), legend.pixels.end(), kBlack), 0);
        int ground_off_window = 0;
        for (int x = 0; x < legend.width; ++x)
            ground_off_window += (legend.at(x, 0) != window_colour_) +
                                 (legend.at(x, legend.height - 1) != window_colour_);
        for (int y = 0; y < legend.height; ++y)
            ground_off_window += (legend.at(0, y) != window_colour_) +
                                 (legend.at(legend.width - 1, y) != window_colour_);
        EXPECT_EQ(ground_off_window, 0);
        // And the legend itself is there: dark lettering on the window.
        EXPECT_GT(std::count_if(legend.pixels.begin(), legend.pixels.end(),
                                [](uint32_t p) {
                                    return ((p >> 16) & 0xff) < 0x30 && ((p >> 8) & 0xff) < 0x30 &&
                                           (p & 0xff) < 0x30;
                                }),
                  0);
    }
    EXPECT_GT(legends, 0);
}

}  // namespace
}  // namespace pictures_test
