// The aircraft's side of the electronic flight instruments: the course and heading selectors
// they set, and the attitude, flight director, radio altitude, wind and navigation receiver
// values they show. It runs after the radio stack, whose GPS tokens place the aircraft.
#pragma once

#include "aircraft_system.h"

namespace panel_sim {

class EfisSystem : public AircraftSystem {
public:
    void reset(panel_host::VariableStore& store) override;
    bool apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) override;
    void advance_frame(panel_host::VariableStore& store) override;
};

}  // namespace panel_sim
