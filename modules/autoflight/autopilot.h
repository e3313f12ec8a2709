// The autopilot control head: mode annunciations, a vertical-speed readout, the HDG, NAV,
// APR and REV buttons passed to the simulator, and the ALT, VS, capture and knob handlers
// that run the vertical modes.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"

namespace autoflight {

extern panel_abi::GaugeHeaderLater autopilot_gauge;

// Annunciator callbacks: case 0 lights the legend, -1 leaves it dark.
double GAUGE_CALL ready_case(panel_abi::Element* element);
double GAUGE_CALL heading_case(panel_abi::Element* element);
double GAUGE_CALL simulator_mode_case(panel_abi::Element* element);
double GAUGE_CALL altitude_case(panel_abi::Element* element);
double GAUGE_CALL vertical_speed_case(panel_abi::Element* element);

// The vertical-speed readout, in hundreds of feet per minute.
double GAUGE_CALL vertical_speed_text(panel_abi::Element* element);

// Mouse handlers.
int32_t GAUGE_CALL altitude_hold_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL vertical_speed_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL altitude_capture_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL knob_decrease_turned(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL knob_increase_turned(panel_abi::MousePosition* position, uint32_t events);

}  // namespace autoflight
