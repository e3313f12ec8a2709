#include "tick_count.h"

#include <cmath>

#include "tokens.h"

namespace panel_sim {

void advance_tick_count(panel_host::VariableStore& store) {
    constexpr double kWrap = 4294967296.0;  // 2^32
    double ticks = store.number(token::kTickCount);
    if (!std::isfinite(ticks) || ticks < 0.0) ticks = 0.0;
    ticks = std::fmod(std::floor(ticks), kWrap) + 1.0;
    store.set_number(token::kTickCount, ticks == kWrap ? 0.0 : ticks);
}

}  // namespace panel_sim
