// The engine and its fuel system: the control levers set by the quadrant, the engine readings
// that follow them, and the fuel the engine burns from the tanks.
#pragma once

#include "aircraft_system.h"

namespace panel_sim {

// All of the engine's state lives in the store, so the system holds nothing of its own.
class EngineSystem : public AircraftSystem {
public:
    void reset(panel_host::VariableStore& store) override;
    bool apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) override;
    void advance_frame(panel_host::VariableStore& store) override;
};

}  // namespace panel_sim
