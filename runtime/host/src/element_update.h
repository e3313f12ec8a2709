// The update and draw work the host does for one element of a placed gauge.
#pragma once

#include <set>

#include "panel_host/element_state.h"
#include "panel_host/variable_store.h"

namespace panel_host {

// Refresh the element's source variables and call its callbacks (the generation decides
// which callback fields are read), then record the value, angle, case, offsets or text.
void update_element(const VariableStore& store, ElementState& state, bool oldest_generation);

// Whether an active failure with the blanking action names this element.
bool element_failed(const panel_abi::Element& element, const std::set<uint32_t>& active_failures);

// Record whether the element is drawn in this frame: not hidden and not failed.
void mark_drawn(ElementState& state, const std::set<uint32_t>& active_failures);

}  // namespace panel_host
