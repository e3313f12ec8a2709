// One system of the simulated aircraft (autopilot, radios, engine...): its own start values,
// the key events it answers and its motion from frame to frame. The aircraft asks each
// system in turn; a key event belongs to the first system that knows it.
#pragma once

#include <memory>
#include <vector>

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

class AircraftSystem {
public:
    virtual ~AircraftSystem() = default;
    // Write the system's state at start into the store and forget everything else.
    virtual void reset(panel_host::VariableStore& store) = 0;
    // The event's effect; false, with nothing changed, for an event the system does not know.
    virtual bool apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) = 0;
    // One panel frame (1/18 s) of the system's own dynamics.
    virtual void advance_frame(panel_host::VariableStore& store) = 0;
};

// Every system of the aircraft, in the order they are asked.
std::vector<std::unique_ptr<AircraftSystem>> make_aircraft_systems();

}  // namespace panel_sim
