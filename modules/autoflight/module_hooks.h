// The routine hooks every gauge of this module shares. They forward each phase to the host
// with the root element of the first gauge that Linkage lists, so that one set serves all
// headers; the host drives each gauge from its own header's element list. The header named
// here must stay the one Linkage lists first.
#pragma once

#include "panel_abi/routine_hooks.h"
#include "autopilot.h"

namespace autoflight {

inline constexpr panel_abi::RoutineHooks module_hooks =
    panel_abi::ForwardingHooks<&autopilot_gauge.header>::hooks;

}  // namespace autoflight
