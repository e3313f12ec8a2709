// The refresh throttle of the radio stack's slow texts. Such a text carries the simulator's
// tick count as its third source variable and is rebuilt only when that count reaches the
// text's next refresh tick, or when the count has gone back by more than a set number of
// ticks (a reset or a jump back in time). Each throttled text keeps its own next refresh tick
// in module state; it starts at 0, so the first call always rebuilds.
//
// Shared by the gauges of this module: the GPS/NAV/COM units rebuild their GPS fields every
// 6 ticks (back-step limit 9), the transponder its page title, page value and mode legend
// every 9, 6 and 18 ticks.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"

namespace navstack {

struct RefreshRate {
    uint32_t period_ticks;      // the next rebuild is due this many ticks after a rebuild
    uint32_t back_step_ticks;   // a count this far below the next refresh tick rebuilds at once
};

// The tick count a throttled text carries in its third source variable, truncated toward zero
// to an unsigned 32-bit count.
uint32_t text_tick(const panel_abi::TextString& text);

// True when a text with this next refresh tick is due at `tick`; then the next refresh tick
// moves to tick + period. Both comparisons and the subtraction wrap as unsigned 32-bit
// numbers, so while the next refresh tick is below the back-step limit every tick is due.
bool refresh_due(uint32_t tick, uint32_t& next_refresh_tick, RefreshRate rate);

}  // namespace navstack
