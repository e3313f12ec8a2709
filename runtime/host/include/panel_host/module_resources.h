// Lookups in the resource directory a module exports: bitmaps by id, the bitmaps of an
// icon's cases, raw data by name. Every lookup returns null when the directory (or the
// module's directory itself) has no such resource.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "panel_abi/resources.h"

namespace panel_host {

// The bitmap resource with this numeric id.
const panel_abi::ResourceEntry* find_bitmap(const panel_abi::ResourceDirectory* directory,
                                            uint32_t id);

// The bitmap of an icon's case: case 0 is the first bitmap with an id at or above first_id,
// case 1 the next higher id, and so on, whether the module numbers its cases consecutively
// or leaves gaps between them.
const panel_abi::ResourceEntry* find_icon_case_bitmap(const panel_abi::ResourceDirectory* directory,
                                                      uint32_t first_id, int case_index);

// The raw-data resource with this name.
const panel_abi::ResourceEntry* find_raw_data(const panel_abi::ResourceDirectory* directory,
                                              std::string_view name);

// The bytes of a resource; empty when it has none.
std::span<const unsigned char> resource_bytes(const panel_abi::ResourceEntry& entry);

}  // namespace panel_host
