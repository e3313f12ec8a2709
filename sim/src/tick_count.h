// The simulator's running tick count (token 0x01): one tick per panel frame.
#pragma once

#include "panel_host/variable_store.h"

namespace panel_sim {

// Advances the tick count by one. The count is a whole number that wraps from 2^32 - 1 to
// 0, as an unsigned 32-bit counter does; a value that is not such a number (negative, not
// finite) starts again from 0.
void advance_tick_count(panel_host::VariableStore& store);

}  // namespace panel_sim
