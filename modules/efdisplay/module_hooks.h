// The routine hooks every gauge of this module shares. They forward each phase to the host
// with the root element of the first gauge Linkage lists (qd41cdu); the host drives each
// gauge from its own header's element list.
#pragma once

#include "gauges.h"
#include "panel_abi/routine_hooks.h"

namespace efdisplay {

inline constexpr panel_abi::RoutineHooks module_hooks =
    panel_abi::ForwardingHooks<&qd41cdu_gauge.header>::hooks;

}  // namespace efdisplay
