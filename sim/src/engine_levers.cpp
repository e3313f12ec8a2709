#include "engine_levers.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "engine_tokens.h"
#include "envelope_limits.h"

namespace panel_sim {

namespace {

struct LeverEvent {
    uint32_t id;
    uint32_t lever_token;
};

constexpr LeverEvent kLeverEvents[] = {
    {.id = 0x1011c, .lever_token = token::kPowerLever},
    {.id = 0x10183, .lever_token = token::kPropellerLever},
    {.id = 0x1017f, .lever_token = token::kMixtureLever},
};

// The lever's position in the store, held to its travel and written back when it was not.
double read_and_report_lever(panel_host::VariableStore& store, uint32_t lever_token) {
    const double stored = store.number(lever_token);
    const double position = within(stored, 0.0, kLeverFullTravel);
    if (position != stored) store.set_number(lever_token, position);
    return position / kLeverFullTravel;
}

}  // namespace

bool apply_lever_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    const auto found = std::find_if(std::begin(kLeverEvents), std::end(kLeverEvents),
                                    [&](const LeverEvent& lever) { return lever.id == event.id; });
    if (found == std::end(kLeverEvents)) return false;
    const int32_t position = std::clamp<int32_t>(event.value, 0, static_cast<int32_t>(kLeverFullTravel));
    store.set_number(found->lever_token, position);
    return true;
}

EngineControls read_and_report_levers(panel_host::VariableStore& store) {
    return {
        .power = read_and_report_lever(store, token::kPowerLever),
        .propeller = read_and_report_lever(store, token::kPropellerLever),
        .mixture = read_and_report_lever(store, token::kMixtureLever),
    };
}

}  // namespace panel_sim
