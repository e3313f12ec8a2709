#include "autopilot_system.h"

#include "key_event_effects.h"
#include "tokens.h"
#include "vertical_guidance.h"
#include "vertical_motion.h"

namespace panel_sim {

void AutopilotSystem::reset(panel_host::VariableStore&) { vertical_autopilot_ = {}; }

bool AutopilotSystem::apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    return apply_key_event(store, vertical_autopilot_, event);
}

void AutopilotSystem::advance_frame(panel_host::VariableStore& store) {
    const VerticalState read = read_vertical_state(store);
    VerticalState now = read;
    // The vertical autopilot flies only while the autopilot itself is switched on (its
    // master token reads 1).
    const bool flying = engaged(vertical_autopilot_) && store.integer(token::kAutopilotMaster) == 1;
    const VerticalTargets targets = read_vertical_targets(store);
    if (flying) {
        const double commanded = commanded_vertical_speed(vertical_autopilot_, targets, now.altitude_ft);
        now.vertical_speed_fpm = vertical_speed_toward(now.vertical_speed_fpm, commanded);
    }
    const double before_ft = now.altitude_ft;
    now = after_one_frame(now);
    if (flying) note_altitude_target_passed(vertical_autopilot_, targets, before_ft, now.altitude_ft);
    write_vertical_state(store, read, now);
}

}  // namespace panel_sim
