// The radio stack at start: both NAV/COM radios tuned, a transponder code set, COM1 and marker
// audio selected on the audio panel, identifier, DME and ADF audio off, and the course
// indicator on the NAV receiver.
#pragma once

#include "panel_host/variable_store.h"

namespace panel_sim {

void write_radio_start_values(panel_host::VariableStore& store);

}  // namespace panel_sim
