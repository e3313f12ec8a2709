// The radio stack: the two NAV/COM radios, the transponder, the audio panel, the GPS with its
// flight plan, the DME receivers and the marker beacon receiver.
//
// Its key events tune the radios, set the transponder code and work the audio panel's and the
// course indicator's switches. Each frame the aircraft flies on along the GPS flight plan and
// the GPS, DME and marker tokens follow. The altitude the transponder reports as pressure
// altitude is the aircraft's altitude token (0x4a) itself, which the flight model moves.
#pragma once

#include "aircraft_system.h"
#include "gps_navigation.h"

namespace panel_sim {

class RadioStackSystem : public AircraftSystem {
public:
    void reset(panel_host::VariableStore& store) override;
    bool apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) override;
    void advance_frame(panel_host::VariableStore& store) override;

private:
    // Where the aircraft is on the map and which waypoint is active: the GPS's own state,
    // from which its tokens are written.
    GpsNavigation gps_ = gps_navigation_at_start();
};

}  // namespace panel_sim
