// The three engine control levers: set by the quadrant's key events, kept in tokens 0x80 to
// 0x82 on a scale of 0 to 16383, and read by the engine as fractions of their travel.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

constexpr double kLeverFullTravel = 16383.0;

// Lever positions as fractions of full travel, 0 to 1.
struct EngineControls {
    double power;
    double propeller;
    double mixture;
};

// Sets the lever the event names to the event's value, held to 0 ... 16383; false, with
// nothing changed, for an event that moves no lever.
bool apply_lever_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event);

// The levers as the store holds them, each held to 0 ... 16383 (not-a-number counts as 0).
// A position outside that range is written back corrected, so that the tokens always show
// the positions the engine runs on.
EngineControls read_and_report_levers(panel_host::VariableStore& store);

}  // namespace panel_sim
