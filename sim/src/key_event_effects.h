// What each key event the aircraft knows does to it.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"
#include "panel_sim/vertical_autopilot.h"

namespace panel_sim {

// Applies the event's effect; false, with nothing changed, for an event it does not know.
bool apply_key_event(panel_host::VariableStore& store, VerticalAutopilot& vertical_autopilot,
                     const panel_abi::KeyEvent& event);

}  // namespace panel_sim
