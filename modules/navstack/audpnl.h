// The audio panel: lamps over the COM1, COM2, COM 1/2 and MKR MUTE buttons that follow the
// simulator's audio selections, lamps over NAV1, NAV2, DME and ADF that follow flags of this
// gauge which those buttons toggle, the received marker beacon with a lamp test, and the
// copilot knob that opens a panel window.
#pragma once

#include <cstdint>

#include "gauges.h"
#include "panel_abi/calling.h"
#include "panel_abi/records.h"

namespace navstack::audpnl {

// Icon callbacks: case 0 lights a lamp, -1 leaves it dark; the marker strip's cases 0, 1
// and 2 light its O, M and A lamps.
double GAUGE_CALL com_lamp_case(panel_abi::Element* element);
double GAUGE_CALL selection_lamp_case(panel_abi::Element* element);
double GAUGE_CALL nav1_lamp_case(panel_abi::Element* element);
double GAUGE_CALL nav2_lamp_case(panel_abi::Element* element);
double GAUGE_CALL dme_lamp_case(panel_abi::Element* element);
double GAUGE_CALL adf_lamp_case(panel_abi::Element* element);
double GAUGE_CALL marker_case(panel_abi::Element* element);

// Mouse handlers. The four audio buttons return what trigger_key_event returned, the
// copilot knob what panel_window_toggle returned, TEST 0.
int32_t GAUGE_CALL nav1_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL nav2_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL dme_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL adf_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL copilot_knob_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL test_pressed(panel_abi::MousePosition* position, uint32_t events);

}  // namespace navstack::audpnl
