// The autopilot: lateral mode switches, the targets, and the vertical autopilot that flies
// the vertical-speed target and levels off at the altitude target.
#pragma once

#include "aircraft_system.h"
#include "panel_sim/vertical_autopilot.h"

namespace panel_sim {

class AutopilotSystem : public AircraftSystem {
public:
    void reset(panel_host::VariableStore& store) override;
    bool apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) override;
    void advance_frame(panel_host::VariableStore& store) override;

private:
    // The part of the autopilot that lives outside the store: the vertical autopilot's
    // switches and whether it has reached its altitude target.
    VerticalAutopilot vertical_autopilot_;
};

}  // namespace panel_sim
