// The simulated aircraft behind the panel: it owns the variable store's contents, answers
// every key event the gauges send and moves the aircraft frame by frame.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"
#include "panel_sim/vertical_autopilot.h"

namespace panel_sim {

// The panel frame rate: token 0x01 counts frames at this rate.
constexpr int kFramesPerSecond = 18;

class SimulatedAircraft {
public:
    // Writes the aircraft's state at start into the store.
    explicit SimulatedAircraft(panel_host::VariableStore& store);

    // Back to the state at start.
    void reset();

    // The effect of one key event on the aircraft; false for an event it does not know
    // (which then changes nothing).
    bool apply(const panel_abi::KeyEvent& event);

    // One panel frame: the tick count advances by one and the dynamics by 1/18 s.
    void advance_frame();

private:
    panel_host::VariableStore& store_;
    // The part of the aircraft that lives outside the store: the vertical autopilot's
    // switches and whether it has reached its altitude target.
    VerticalAutopilot vertical_autopilot_;
};

}  // namespace panel_sim
