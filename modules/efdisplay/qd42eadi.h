// The attitude display: an attitude sphere behind a fixed aircraft symbol, a bank scale,
// flight director command bars, localizer and glideslope scales with their pointers for the
// VOR receiver that nav_source selects, marker beacon lights and a radio altitude readout.
// It has no controls.
#pragma once

#include "gauges.h"
#include "panel_abi/records.h"

namespace efdisplay {

// Flight director command bars: shown only while the flight director is on; y is the pitch
// error, clamped to +-45 degrees and taken as two thirds, rotation the bank error.
double GAUGE_CALL command_pitch(panel_abi::Element* element);
double GAUGE_CALL command_bank(panel_abi::Element* element);

// Localizer scale (icon case 0 lit, -1 dark) and pointer (hidden without a localizer). The
// glideslope items use the situation displays' glideslope rules.
double GAUGE_CALL localizer_scale(panel_abi::Element* element);
double GAUGE_CALL localizer_pointer(panel_abi::Element* element);

// Radio altitude in feet below 2500 ft, blank above.
double GAUGE_CALL radio_altitude_text(panel_abi::Element* element);
// Marker beacon lights: outer, middle, inner, or dark.
double GAUGE_CALL marker_light(panel_abi::Element* element);

}  // namespace efdisplay
