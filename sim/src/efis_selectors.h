// The course and heading selectors of the EFIS control panel: the key events that set and
// step the two VOR courses and the selected heading. Every value is kept a whole degree in
// [0, 359]; a value sent from outside that range wraps around the circle.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

// The whole degree in [0, 359] the given number of degrees wraps to.
int whole_degree_on_circle(long long degrees);

// The selectors' values at start.
void reset_efis_selectors(panel_host::VariableStore& store);

// The event's effect on a selector; false, with nothing changed, for any other event.
bool apply_efis_selector_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event);

}  // namespace panel_sim
