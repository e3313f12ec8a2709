// The simulator's vertical autopilot: the switches that engage it and its capture latch.
//
// It is engaged by a pair of key events and disengaged by the counterpart pair. Each event
// works one half: 0x10243 switches the first half on and 0x10244 off, 0x10237 switches the
// second half on and 0x10238 off. The vertical autopilot is engaged while both halves are
// on, so the engage pair engages it once its second event arrives, and either event of the
// disengage pair alone is enough to disengage it. Token 0x6c shows the engaged state.
#pragma once

namespace panel_sim {

struct VerticalAutopilot {
    bool first_half_on = false;
    bool second_half_on = false;
    // Set once the aircraft reaches the altitude target while engaged; from then on the
    // vertical autopilot holds that altitude whatever the vertical-speed target says. A new
    // altitude target or a disengage clears it.
    bool altitude_captured = false;
};

constexpr bool engaged(const VerticalAutopilot& autopilot) {
    return autopilot.first_half_on && autopilot.second_half_on;
}

}  // namespace panel_sim
