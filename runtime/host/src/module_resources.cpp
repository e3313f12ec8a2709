#include "panel_host/module_resources.h"

#include <algorithm>
#include <vector>

namespace panel_host {

namespace {

std::span<const panel_abi::ResourceEntry> entries_of(const panel_abi::ResourceDirectory* directory) {
    if (directory == nullptr || directory->entries == nullptr) return {};
    return {directory->entries, directory->count};
}

bool is_bitmap(const panel_abi::ResourceEntry& entry) {
    return entry.type == panel_abi::kResourceBitmap && entry.name == nullptr && entry.id != 0;
}

}  // namespace

const panel_abi::ResourceEntry* find_bitmap(const panel_abi::ResourceDirectory* directory,
                                            uint32_t id) {
    for (const panel_abi::ResourceEntry& entry : entries_of(directory))
        if (is_bitmap(entry) && entry.id == id) return &entry;
    return nullptr;
}

const panel_abi::ResourceEntry* find_icon_case_bitmap(const panel_abi::ResourceDirectory* directory,
                                                      uint32_t first_id, int case_index) {
    if (case_index < 0) return nullptr;
    std::vector<uint32_t> ids;
    for (const panel_abi::ResourceEntry& entry : entries_of(directory))
        if (is_bitmap(entry) && entry.id >= first_id) ids.push_back(entry.id);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    if (static_cast<size_t>(case_index) >= ids.size()) return nullptr;
    return find_bitmap(directory, ids[case_index]);
}

const panel_abi::ResourceEntry* find_raw_data(const panel_abi::ResourceDirectory* directory,
                                              std::string_view name) {
    for (const panel_abi::ResourceEntry& entry : entries_of(directory))
        if (entry.type == panel_abi::kResourceRawData && entry.name != nullptr && name == entry.name)
            return &entry;
    return nullptr;
}

std::span<const unsigned char> resource_bytes(const panel_abi::ResourceEntry& entry) {
    if (entry.bytes == nullptr) return {};
    return {entry.bytes, entry.size};
}

}  // namespace panel_host
