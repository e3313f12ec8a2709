// Helpers with which gauges show and hide parts of their element trees.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"

namespace panel_abi {

// From the root, follow entry 0 of the child list n times; null as soon as an element on
// the way has no child list.
Element* element_at_depth(Element* root, int depth);
// OR bits into, or clear them from, the image flags of element_at_depth(root, depth).
void set_element_flags(Element* root, int depth, uint32_t bits);
void clear_element_flags(Element* root, int depth, uint32_t bits);

}  // namespace panel_abi
