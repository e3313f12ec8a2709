// The aircraft's altitude and vertical speed: read from the store, moved by one frame,
// written back.
#pragma once

#include "panel_host/variable_store.h"

namespace panel_sim {

struct VerticalState {
    double altitude_ft;
    double vertical_speed_fpm;
};

// The state in the store, made finite and held within the flight envelope.
VerticalState read_vertical_state(const panel_host::VariableStore& store);

// Writes the altitude, and the vertical speed when it differs from `read` or the store's
// value lay outside the envelope, so that a vertical speed nobody changed keeps its exact
// token value.
void write_vertical_state(panel_host::VariableStore& store, const VerticalState& read,
                          const VerticalState& now);

// `current` moved toward `commanded` by at most one frame's worth of vertical acceleration.
double vertical_speed_toward(double current, double commanded);

// The state one frame later: the altitude integrates the vertical speed and stops at the
// envelope's ends.
VerticalState after_one_frame(const VerticalState& state);

}  // namespace panel_sim
