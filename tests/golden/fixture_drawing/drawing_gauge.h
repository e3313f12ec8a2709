// The drawing fixture: one 0x320 gauge with an element of every kind the host draws, so that
// the host's pictures of each can be compared with reviewed ones.
#pragma once

#include "panel_abi/records.h"

namespace fixture_drawing {

extern panel_abi::GaugeHeaderLater drawing_gauge;

// Element callbacks.
double GAUGE_CALL slider_x_on_track(panel_abi::Element* element);
double GAUGE_CALL sprite_rotation_degrees(panel_abi::Element* element);
double GAUGE_CALL icon_case(panel_abi::Element* element);
double GAUGE_CALL number_text(panel_abi::Element* element);
double GAUGE_CALL shown_by_switch(panel_abi::Element* element);

}  // namespace fixture_drawing
