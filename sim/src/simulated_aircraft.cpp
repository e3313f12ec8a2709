#include "panel_sim/simulated_aircraft.h"

#include "aircraft_system.h"
#include "panel_sim/start_state.h"
#include "tick_count.h"

namespace panel_sim {

SimulatedAircraft::SimulatedAircraft(panel_host::VariableStore& store)
    : store_(store), systems_(make_aircraft_systems()) {
    reset();
}

SimulatedAircraft::~SimulatedAircraft() = default;

void SimulatedAircraft::reset() {
    for (const TokenValue& entry : start_state()) store_.set_number(entry.token, entry.value);
    for (auto& system : systems_) system->reset(store_);
}

bool SimulatedAircraft::apply(const panel_abi::KeyEvent& event) {
    for (auto& system : systems_)
        if (system->apply(store_, event)) return true;
    return false;
}

void SimulatedAircraft::advance_frame() {
    advance_tick_count(store_);
    for (auto& system : systems_) system->advance_frame(store_);
}

}  // namespace panel_sim
