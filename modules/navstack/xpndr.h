// The transponder: the squawk code keyed with the digit keys 0 to 7, corrected with CLR and
// toggled to and from the VFR code 1200; a second line showing the pressure altitude as a
// flight level or a flight-time page, switched with FUNC; and the ALT mode legend. The code
// lives in the simulator; the entry in progress, the code VFR returns to and the page shown
// are this gauge's own module state.
#pragma once

#include <cstdint>

#include "gauges.h"
#include "panel_abi/calling.h"
#include "panel_abi/records.h"

namespace navstack::xpndr {

// Text callbacks. The code is rebuilt every frame and returns the code shown; the page title,
// page value and mode legend are throttled and return their next refresh tick.
double GAUGE_CALL code_text(panel_abi::Element* element);
double GAUGE_CALL page_title_text(panel_abi::Element* element);
double GAUGE_CALL page_value_text(panel_abi::Element* element);
double GAUGE_CALL mode_legend_text(panel_abi::Element* element);

// Mouse handlers; each returns 0.
int32_t GAUGE_CALL vfr_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL func_pressed(panel_abi::MousePosition* position, uint32_t events);
int32_t GAUGE_CALL clr_pressed(panel_abi::MousePosition* position, uint32_t events);

// One more digit of a code entry (0 to 7).
void key_digit(uint32_t digit);

template <uint32_t digit>
int32_t GAUGE_CALL digit_pressed(panel_abi::MousePosition*, uint32_t) {
    static_assert(digit <= 7, "a transponder code has octal digits");
    key_digit(digit);
    return 0;
}

}  // namespace navstack::xpndr
