// qd41cdu: the situation display 10 pixels lower in a bezel of its own controls. The display
// follows the same rules as qd42ehsi (situation_rules.h); the bezel runs the display control
// actions (display_actions.h) on the same module-wide selections.
#pragma once

#include <cstdint>

#include "gauges.h"
#include "panel_abi/calling.h"
#include "panel_abi/records.h"

namespace efdisplay {

// The HSI and ARC buttons take the click and change nothing: the display has only the full
// compass rose.
int32_t GAUGE_CALL presentation_button_pressed(panel_abi::MousePosition* position,
                                               uint32_t event_bits);

}  // namespace efdisplay
