// The rules of the situation display that qd42ehsi and qd41cdu share: one element callback
// per driven element. They read the module-wide navigation selections and simulator
// variables, and show or hide their own element where a source has nothing to show.
#pragma once

#include <cstdint>

#include "panel_abi/calling.h"
#include "panel_abi/records.h"

namespace efdisplay {

// Needles, sprite, slider and icons: the value the host uses for the element.
double GAUGE_CALL compass_card_value(panel_abi::Element* element);
double GAUGE_CALL course_value(panel_abi::Element* element);
double GAUGE_CALL deviation_value(panel_abi::Element* element);
double GAUGE_CALL bearing1_pointer_value(panel_abi::Element* element);
double GAUGE_CALL bearing2_pointer_value(panel_abi::Element* element);
double GAUGE_CALL heading_bug_value(panel_abi::Element* element);
double GAUGE_CALL glideslope_scale_case(panel_abi::Element* element);
double GAUGE_CALL glideslope_pointer_value(panel_abi::Element* element);
double GAUGE_CALL wind_arrow_value(panel_abi::Element* element);
double GAUGE_CALL navigation_source_case(panel_abi::Element* element);

// Texts: each writes its readout into the element's text buffer and returns 0.
double GAUGE_CALL heading_text(panel_abi::Element* element);
double GAUGE_CALL wind_speed_text(panel_abi::Element* element);
double GAUGE_CALL selected_heading_text(panel_abi::Element* element);
double GAUGE_CALL course_text(panel_abi::Element* element);
double GAUGE_CALL speed_or_time_text(panel_abi::Element* element);
double GAUGE_CALL navigation_distance_text(panel_abi::Element* element);
double GAUGE_CALL bearing1_distance_text(panel_abi::Element* element);
double GAUGE_CALL bearing2_distance_text(panel_abi::Element* element);
double GAUGE_CALL bearing1_label_text(panel_abi::Element* element);
double GAUGE_CALL bearing2_label_text(panel_abi::Element* element);

}  // namespace efdisplay
