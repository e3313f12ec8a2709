// The aircraft's state at start: one value for each token the aircraft writes.
#pragma once

#include <cstdint>
#include <span>

namespace panel_sim {

struct TokenValue {
    uint32_t token;
    double value;
};

std::span<const TokenValue> start_state();

}  // namespace panel_sim
