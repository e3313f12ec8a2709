// The systems the simulated aircraft is made of. Each new system is one line here.
#include "aircraft_system.h"
#include "autopilot_system.h"
#include "efis_system.h"
#include "engine_system.h"
#include "radio_stack_system.h"

namespace panel_sim {

std::vector<std::unique_ptr<AircraftSystem>> make_aircraft_systems() {
    std::vector<std::unique_ptr<AircraftSystem>> systems;
    systems.push_back(std::make_unique<AutopilotSystem>());
    systems.push_back(std::make_unique<RadioStackSystem>());
    systems.push_back(std::make_unique<EngineSystem>());
    systems.push_back(std::make_unique<EfisSystem>());
    // (new systems: add one push_back line above this comment)
    return systems;
}

}  // namespace panel_sim
