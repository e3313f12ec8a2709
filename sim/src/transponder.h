// The transponder code: set by one event, or stepped one digit at a time.
//
// A code is four digits, each 0 to 7, held as BCD in the low 16 bits of an integer. A set
// event whose value is no such code is taken and changes nothing. A digit step moves one
// digit up or down, 7 up to 0 and 0 down to 7, and leaves the other digits as they are; a
// code in the store that is no valid code is taken as 0000 before the step.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

// Applies the event's effect; false, with nothing changed, for an event that is not the
// transponder's.
bool apply_transponder_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event);

}  // namespace panel_sim
