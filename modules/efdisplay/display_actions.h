// The display control actions: what the buttons and knobs of the display control panel (qp48)
// and of the qd41cdu bezel do. Both gauges put these handlers straight into their mouse lists,
// so a click on either surface changes the same module-wide selections and sends the same key
// events. Every handler ignores the click point and event bits and returns 0.
#pragma once

#include <cstdint>

#include "panel_abi/calling.h"
#include "panel_abi/records.h"

namespace efdisplay {

// The module-wide heading (token 0x51). The compass card callback of the situation displays
// refreshes it once per frame, and heading sync refreshes it; course direct uses the value last
// refreshed (0 before any refresh). Defined in display_actions.cpp; every gauge of the module
// that reads the heading uses this one variable.
extern panel_abi::ModuleVariable heading_variable;

// Key events the actions send with a value.
inline constexpr uint32_t kSetVor1CourseEvent = 0x100b4;
inline constexpr uint32_t kSetVor2CourseEvent = 0x100b5;
inline constexpr uint32_t kSetSelectedHeadingEvent = 0x101fa;
// Key events the actions send with value 0.
inline constexpr uint32_t kVor1CourseDownEvent = 0x1007e;
inline constexpr uint32_t kVor1CourseUpEvent = 0x1007f;
inline constexpr uint32_t kVor2CourseDownEvent = 0x10080;
inline constexpr uint32_t kVor2CourseUpEvent = 0x10081;
// Key events the SYNC knob halves carry in their own mouse records (no handler).
inline constexpr uint32_t kSelectedHeadingDownEvent = 0x10158;
inline constexpr uint32_t kSelectedHeadingUpEvent = 0x10157;

// nav_source: 1, 2, 3, 4, 1, ...
int32_t GAUGE_CALL next_navigation_source(panel_abi::MousePosition* position, uint32_t event_bits);
// bearing1_source / bearing2_source: 0, 1, 2, 3, 4, 0, ...
int32_t GAUGE_CALL next_bearing1_source(panel_abi::MousePosition* position, uint32_t event_bits);
int32_t GAUGE_CALL next_bearing2_source(panel_abi::MousePosition* position, uint32_t event_bits);
// show_ground_speed: 0 becomes 1, anything else becomes 0.
int32_t GAUGE_CALL toggle_speed_or_time(panel_abi::MousePosition* position, uint32_t event_bits);
// Sets the VOR course (VOR 2 when nav_source is 2, VOR 1 otherwise) to the bearing towards the
// selected navigation source.
int32_t GAUGE_CALL course_direct(panel_abi::MousePosition* position, uint32_t event_bits);
// Steps the selected VOR course (VOR 2 when nav_source is 2, VOR 1 otherwise) by one degree.
int32_t GAUGE_CALL course_up(panel_abi::MousePosition* position, uint32_t event_bits);
int32_t GAUGE_CALL course_down(panel_abi::MousePosition* position, uint32_t event_bits);
// Sets the selected heading to the current heading.
int32_t GAUGE_CALL sync_heading(panel_abi::MousePosition* position, uint32_t event_bits);

}  // namespace efdisplay
