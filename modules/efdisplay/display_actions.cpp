// The display control actions shared by the display control panel and the qd41cdu bezel: step
// the module-wide selections, and set, step or synchronise the selected course and heading.
#include "display_actions.h"

#include "navigation_selections.h"
#include "panel_abi/numbers.h"
#include "panel_abi/services.h"

namespace efdisplay {

using namespace panel_abi;

ModuleVariable heading_variable = {.token = 0x51};

namespace {

// Bearings towards the stations, refreshed right before use.
ModuleVariable vor1_relative_bearing = {.token = 0x226};  // degrees from the nose
ModuleVariable vor2_relative_bearing = {.token = 0x3b};   // degrees from the nose
ModuleVariable adf_relative_bearing = {.token = 0x27};    // degrees from the nose
ModuleVariable gps_waypoint_bearing = {.token = 0x344};   // radians

constexpr double kDegreesPerRadian = 57.29578;

constexpr uint32_t kVor2 = 2;
constexpr uint32_t kGps = 3;
constexpr uint32_t kLastSource = 4;

// Courses from a relative bearing wrap only above 360, so 360 stays 360. The comparison is
// unsigned: a negative sum also counts as above 360.
int32_t wrap_above_360(int32_t course) {
    return static_cast<uint32_t>(course) > 360u ? course - 360 : course;
}

// The GPS course wraps from 360 up, so 360 becomes 0.
int32_t wrap_from_360(int32_t course) {
    return static_cast<uint32_t>(course) >= 360u ? course - 360 : course;
}

uint32_t next_bearing_source(uint32_t source) { return source >= kLastSource ? 0 : source + 1; }

}  // namespace

int32_t GAUGE_CALL next_navigation_source(MousePosition*, uint32_t) {
    nav_source = nav_source >= kLastSource ? 1 : nav_source + 1;
    return 0;
}

int32_t GAUGE_CALL next_bearing1_source(MousePosition*, uint32_t) {
    bearing1_source = next_bearing_source(bearing1_source);
    return 0;
}

int32_t GAUGE_CALL next_bearing2_source(MousePosition*, uint32_t) {
    bearing2_source = next_bearing_source(bearing2_source);
    return 0;
}

int32_t GAUGE_CALL toggle_speed_or_time(MousePosition*, uint32_t) {
    show_ground_speed = show_ground_speed == 0 ? 1 : 0;
    return 0;
}

int32_t GAUGE_CALL course_direct(MousePosition*, uint32_t) {
    // The heading is the value last refreshed by a compass card or by heading sync.
    const double heading = heading_variable.value.number;
    switch (nav_source) {
        case 1: {
            const double bearing = lookup_number(&vor1_relative_bearing);
            trigger_key_event(kSetVor1CourseEvent,
                              wrap_above_360(truncate_to_int(bearing + heading + 1.0)));
            break;
        }
        case kVor2: {
            const double bearing = lookup_number(&vor2_relative_bearing);
            trigger_key_event(kSetVor2CourseEvent,
                              wrap_above_360(truncate_to_int(bearing + heading + 1.0)));
            break;
        }
        case kGps: {
            const double bearing = lookup_number(&gps_waypoint_bearing);
            trigger_key_event(kSetVor1CourseEvent,
                              wrap_from_360(truncate_to_int(bearing * kDegreesPerRadian)));
            break;
        }
        default: {  // ADF: the relative bearing plus the heading, nothing added
            const double bearing = lookup_number(&adf_relative_bearing);
            trigger_key_event(kSetVor1CourseEvent,
                              wrap_above_360(truncate_to_int(bearing + heading)));
            break;
        }
    }
    return 0;
}

int32_t GAUGE_CALL course_up(MousePosition*, uint32_t) {
    trigger_key_event(nav_source == kVor2 ? kVor2CourseUpEvent : kVor1CourseUpEvent, 0);
    return 0;
}

int32_t GAUGE_CALL course_down(MousePosition*, uint32_t) {
    trigger_key_event(nav_source == kVor2 ? kVor2CourseDownEvent : kVor1CourseDownEvent, 0);
    return 0;
}

int32_t GAUGE_CALL sync_heading(MousePosition*, uint32_t) {
    trigger_key_event(kSetSelectedHeadingEvent, truncate_to_int(lookup_number(&heading_variable)));
    return 0;
}

}  // namespace efdisplay
