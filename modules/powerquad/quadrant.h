// The engine control quadrant: power, propeller and mixture levers in slots on a black
// panel. Each lever is drawn where the simulator's lever is; a left-button drag in a lever's
// strip sets that lever to the pointer's height. The gauge keeps no state of its own.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"

namespace powerquad {

extern panel_abi::GaugeHeader quadrant_gauge;
// The panel, whose host-filled image record gives the strips' height.
extern panel_abi::StaticImage quadrant_panel;

// Drag handlers, one per lever: each sends its lever's key event with the position the
// pointer's height stands for.
int32_t GAUGE_CALL power_lever_dragged(panel_abi::MousePosition* pointer, uint32_t events);
int32_t GAUGE_CALL propeller_lever_dragged(panel_abi::MousePosition* pointer, uint32_t events);
int32_t GAUGE_CALL mixture_lever_dragged(panel_abi::MousePosition* pointer, uint32_t events);

}  // namespace powerquad
