// The member this module is built as. The build compiles the shared gauge source once per
// module, naming the member with TWIN_NEEDLE_MEMBER (see CMakeLists.txt).
#pragma once

#include "members.h"

#ifndef TWIN_NEEDLE_MEMBER
#error "each twin-needle module is built with TWIN_NEEDLE_MEMBER=<member name>"
#endif

namespace twin_needle {

inline constexpr const Member& this_member = members::TWIN_NEEDLE_MEMBER;

}  // namespace twin_needle
