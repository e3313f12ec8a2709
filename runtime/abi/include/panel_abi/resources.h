// The resource directory a Linux module exports in place of a PE resource section: every
// picture (a complete BMP file) and raw-data resource the module carries, by id or name.
// Windows modules carry the same resources as PE resources instead.
#pragma once

#include <cstdint>

#include "panel_abi/calling.h"

namespace panel_abi {

enum ResourceType : uint32_t {
    kResourceBitmap = 2,    // a BMP file, headers included
    kResourceRawData = 10,  // bytes as they are
};

struct ResourceEntry {
    uint32_t id;                 // numeric id, or 0 for a named resource
    const char* name;            // the name of a named resource, or null
    uint32_t type;               // ResourceType
    const unsigned char* bytes;
    uint32_t size;
};

struct ResourceDirectory {
    uint32_t count;
    const ResourceEntry* entries;
};

}  // namespace panel_abi

// The symbol under which a Linux module exports its directory.
#define PANEL_RESOURCE_DIRECTORY_SYMBOL "GaugeResources"
