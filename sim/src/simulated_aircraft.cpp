#include "panel_sim/simulated_aircraft.h"

#include "key_event_effects.h"
#include "panel_sim/start_state.h"
#include "tick_count.h"
#include "tokens.h"
#include "vertical_guidance.h"
#include "vertical_motion.h"

namespace panel_sim {

SimulatedAircraft::SimulatedAircraft(panel_host::VariableStore& store) : store_(store) {
    reset();
}

void SimulatedAircraft::reset() {
    for (const TokenValue& entry : start_state()) store_.set_number(entry.token, entry.value);
    vertical_autopilot_ = {};
}

bool SimulatedAircraft::apply(const panel_abi::KeyEvent& event) {
    return apply_key_event(store_, vertical_autopilot_, event);
}

void SimulatedAircraft::advance_frame() {
    advance_tick_count(store_);

    const VerticalState read = read_vertical_state(store_);
    VerticalState now = read;
    // The vertical autopilot flies only while the autopilot itself is switched on (its
    // master token reads 1).
    const bool flying = engaged(vertical_autopilot_) &&
                        store_.integer(token::kAutopilotMaster) == 1;
    const VerticalTargets targets = read_vertical_targets(store_);
    if (flying) {
        const double commanded =
            commanded_vertical_speed(vertical_autopilot_, targets, now.altitude_ft);
        now.vertical_speed_fpm = vertical_speed_toward(now.vertical_speed_fpm, commanded);
    }
    const double before_ft = now.altitude_ft;
    now = after_one_frame(now);
    if (flying)
        note_altitude_target_passed(vertical_autopilot_, targets, before_ft, now.altitude_ft);
    write_vertical_state(store_, read, now);
}

}  // namespace panel_sim
