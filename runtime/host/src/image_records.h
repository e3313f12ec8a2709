// The size of a module's bitmap, for the image records of its static images.
#pragma once

#include <cstdint>

#include "loaded_module.h"
#include "panel_abi/records.h"

namespace panel_host {

// Width and height of the module's bitmap of that id; 0 × 0 when it has none.
panel_abi::ImageSize bitmap_size(const LoadedModule& module, int32_t image_id);

}  // namespace panel_host
