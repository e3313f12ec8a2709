#include "refresh_throttle.h"

#include "panel_abi/numbers.h"

namespace navstack {

namespace {

constexpr int kTickSource = 2;

}  // namespace

uint32_t text_tick(const panel_abi::TextString& text) {
    return static_cast<uint32_t>(panel_abi::truncate_to_int(text.sources[kTickSource].value.number));
}

bool refresh_due(uint32_t tick, uint32_t& next_refresh_tick, RefreshRate rate) {
    const bool due = tick >= next_refresh_tick || tick < next_refresh_tick - rate.back_step_ticks;
    if (due) next_refresh_tick = tick + rate.period_ticks;
    return due;
}

}  // namespace navstack
