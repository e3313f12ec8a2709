// The routine hooks every gauge of this module shares. They forward each phase to the host
// with the root element of the first gauge Linkage lists (navcom1); the host drives each
// gauge from its own header's element list.
#pragma once

#include "gauges.h"
#include "panel_abi/routine_hooks.h"

namespace navstack {

inline constexpr panel_abi::RoutineHooks module_hooks =
    panel_abi::ForwardingHooks<&navcom1_gauge.header>::hooks;

}  // namespace navstack
