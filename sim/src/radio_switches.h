// The on/off switches of the radio stack: the audio panel's selections (COM receivers, COM 1/2
// split, marker audio, NAV identifier audio, DME and ADF audio) and the course indicator's
// source (NAV receiver or GPS).
//
// A switch token holds 1.0 when on and 0.0 when off; any other value counts as off, as the
// panel's lamps read it, so toggling it turns it on. Selecting COM1 or COM2 makes that
// receiver the only one selected and ends the COM 1/2 split; toggling the split leaves the
// selections under it as they are, for when the split ends.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

// Applies the event's effect; false, with nothing changed, for an event that works none of
// these switches. The event's value plays no part.
bool apply_switch_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event);

}  // namespace panel_sim
