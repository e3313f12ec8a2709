// The engine and fuel system at start: levers at cruise, tanks and fuel as loaded, and the
// scales the engine instruments read with.
#pragma once

#include <span>

#include "panel_sim/start_state.h"

namespace panel_sim {

// The lever, fuel and scale tokens at start. The engine readings are not listed: at start
// they stand at the values the cruise lever positions settle to.
std::span<const TokenValue> engine_start_state();

}  // namespace panel_sim
