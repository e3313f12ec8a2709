// Tuning the NAV/COM radios: setting and stepping each standby frequency and swapping it with
// the active one.
//
// A set event whose value is no channel of the radio's band (out of the band, off the channel
// grid, not four BCD digits, or with bits above the low 16) is taken and changes nothing.
// Stepping and swapping treat a frequency that is no channel as the band's lowest channel, so
// every frequency the radios write is a channel of their band.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

// Applies the event's effect; false, with nothing changed, for an event that tunes no radio.
bool apply_tuning_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event);

}  // namespace panel_sim
