// The simulated aircraft behind the panel: it owns the variable store's contents, answers
// every key event the gauges send and moves the aircraft frame by frame.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"
#include <memory>
#include <vector>

namespace panel_sim {

class AircraftSystem;

// The panel frame rate: token 0x01 counts frames at this rate.
constexpr int kFramesPerSecond = 18;

class SimulatedAircraft {
public:
    // Writes the aircraft's state at start into the store.
    explicit SimulatedAircraft(panel_host::VariableStore& store);
    ~SimulatedAircraft();
    SimulatedAircraft(const SimulatedAircraft&) = delete;
    SimulatedAircraft& operator=(const SimulatedAircraft&) = delete;

    // Back to the state at start.
    void reset();

    // The effect of one key event on the aircraft; false for an event it does not know
    // (which then changes nothing).
    bool apply(const panel_abi::KeyEvent& event);

    // One panel frame: the tick count advances by one and the dynamics by 1/18 s.
    void advance_frame();

private:
    panel_host::VariableStore& store_;
    std::vector<std::unique_ptr<AircraftSystem>> systems_;
};

}  // namespace panel_sim
