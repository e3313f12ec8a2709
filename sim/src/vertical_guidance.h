// What the engaged vertical autopilot asks of the aircraft.
//
// With no altitude target it flies the vertical-speed target. With an altitude target it
// flies the vertical-speed target until it reaches that altitude, slowing down early enough
// to level off on it, and then holds the altitude. A vertical-speed target that leads away
// from the altitude target is flown as it is: the aircraft never gets there. A
// vertical-speed target of 0 keeps the aircraft level until it is at the altitude target, so
// "vertical-speed target 0 and altitude target = present altitude" holds the altitude.
#pragma once

#include "panel_host/variable_store.h"
#include "panel_sim/vertical_autopilot.h"

namespace panel_sim {

struct VerticalTargets {
    double altitude_ft;          // 0: no altitude target
    double vertical_speed_fpm;
};

// The targets in the store, made finite and held within the flight envelope; an altitude
// target that truncates to 0 counts as none.
VerticalTargets read_vertical_targets(const panel_host::VariableStore& store);

// The vertical speed to fly now, in feet per minute. Marks the altitude as captured when
// the aircraft is at the altitude target.
double commanded_vertical_speed(VerticalAutopilot& autopilot, const VerticalTargets& targets,
                                double altitude_ft);

// After the aircraft moved from `before_ft` to `after_ft`: marks the altitude as captured
// if it passed through the altitude target.
void note_altitude_target_passed(VerticalAutopilot& autopilot, const VerticalTargets& targets,
                                 double before_ft, double after_ft);

}  // namespace panel_sim
