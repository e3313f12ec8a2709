// The pictures of a loaded module as cairo surfaces.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "loaded_module.h"

namespace panel_host {

// The module's bitmap of that id as a new image surface (pure black transparent when asked),
// or null when the module has no such bitmap or it cannot be decoded.
cairo_surface_t* picture_surface(const LoadedModule& module, int32_t id, bool black_transparent);

// The id of icon case `icon_case`: the case-th bitmap resource counting upward from
// `first_id`; -1 when there is none.
int32_t case_picture_id(const LoadedModule& module, int32_t first_id, int icon_case);

}  // namespace panel_host
