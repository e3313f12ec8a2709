// Resource lookups in a module's directory: bitmaps by id, icon case bitmaps counting upward
// from an id, raw data by name.
#include <gtest/gtest.h>

#include <string>

#include "panel_host/module_resources.h"

namespace pictures_test {
namespace {

using panel_abi::ResourceDirectory;
using panel_abi::ResourceEntry;

const unsigned char kBytes[] = {'B', 'M'};
const unsigned char kClick[] = {1, 2, 3};

// Cases numbered in steps of three from 100 and consecutively from 200, listed out of order,
// with a raw-data entry and a named bitmap that no id lookup may return.
const ResourceEntry kEntries[] = {
    {203, nullptr, panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
    {106, nullptr, panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
    {0, "CLICK_RCD", panel_abi::kResourceRawData, kClick, sizeof kClick},
    {100, nullptr, panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
    {201, nullptr, panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
    {103, nullptr, panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
    {150, "NAMED", panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
    {202, nullptr, panel_abi::kResourceRawData, kBytes, sizeof kBytes},
    {200, nullptr, panel_abi::kResourceBitmap, kBytes, sizeof kBytes},
};
const ResourceDirectory kDirectory{sizeof kEntries / sizeof kEntries[0], kEntries};

uint32_t id_of(const ResourceEntry* entry) { return entry ? entry->id : 0; }

TEST(ModuleResources, FindsBitmapsByIdOnly) {
    EXPECT_EQ(id_of(panel_host::find_bitmap(&kDirectory, 103)), 103u);
    EXPECT_EQ(id_of(panel_host::find_bitmap(&kDirectory, 201)), 201u);
    EXPECT_EQ(panel_host::find_bitmap(&kDirectory, 101), nullptr);
    EXPECT_EQ(panel_host::find_bitmap(&kDirectory, 150), nullptr) << "named bitmap";
    EXPECT_EQ(panel_host::find_bitmap(&kDirectory, 202), nullptr) << "raw data with an id";
}

struct CaseLookup {
    uint32_t first_id;
    int case_index;
    uint32_t expected_id;  // 0: no picture
};
void PrintTo(const CaseLookup& c, std::ostream* out) {
    *out << "case " << c.case_index << " from " << c.first_id;
}

class IconCase : public ::testing::TestWithParam<CaseLookup> {};

TEST_P(IconCase, CountsBitmapsUpwardFromTheImageId) {
    const CaseLookup lookup = GetParam();
    EXPECT_EQ(id_of(panel_host::find_icon_case_bitmap(&kDirectory, lookup.first_id,
                                                      lookup.case_index)),
              lookup.expected_id);
}

INSTANTIATE_TEST_SUITE_P(
    Numbering, IconCase,
    ::testing::Values(CaseLookup{100, 0, 100}, CaseLookup{100, 1, 103}, CaseLookup{100, 2, 106},
                      // counting runs on past the gauge's own cases into the next ids
                      CaseLookup{100, 3, 200}, CaseLookup{200, 0, 200}, CaseLookup{200, 1, 201},
                      CaseLookup{200, 2, 203}, CaseLookup{200, 3, 0},
                      // an image id between bitmaps starts at the next one above it
                      CaseLookup{101, 0, 103}, CaseLookup{100, -1, 0}, CaseLookup{300, 0, 0}),
    [](const auto& info) {
        return std::to_string(info.param.first_id) + "_case_" +
               (info.param.case_index < 0 ? "minus" + std::to_string(-info.param.case_index)
                                          : std::to_string(info.param.case_index));
    });

TEST(ModuleResources, FindsRawDataByName) {
    const ResourceEntry* click = panel_host::find_raw_data(&kDirectory, "CLICK_RCD");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(panel_host::resource_bytes(*click).size(), sizeof kClick);
    EXPECT_EQ(panel_host::find_raw_data(&kDirectory, "CLICK"), nullptr);
    EXPECT_EQ(panel_host::find_raw_data(&kDirectory, "NAMED"), nullptr) << "a bitmap, not raw data";
}

TEST(ModuleResources, ModuleWithoutDirectoryHasNothing) {
    const ResourceDirectory empty{3, nullptr};
    for (const ResourceDirectory* directory : {static_cast<const ResourceDirectory*>(nullptr), &empty}) {
        EXPECT_EQ(panel_host::find_bitmap(directory, 100), nullptr);
        EXPECT_EQ(panel_host::find_icon_case_bitmap(directory, 100, 0), nullptr);
        EXPECT_EQ(panel_host::find_raw_data(directory, "CLICK_RCD"), nullptr);
    }
}

}  // namespace
}  // namespace pictures_test
