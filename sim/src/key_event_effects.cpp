#include "key_event_effects.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "panel_sim/flight_envelope.h"
#include "tokens.h"

namespace panel_sim {

namespace {

struct Aircraft {
    panel_host::VariableStore& store;
    VerticalAutopilot& vertical_autopilot;
};

using Effect = void (*)(Aircraft aircraft, int32_t value);

// A mode token holds 1.0 when the mode is on and 0.0 when it is off; any other value
// counts as on.
template <uint32_t kModeToken>
void toggle_mode(Aircraft aircraft, int32_t) {
    const bool on = aircraft.store.number(kModeToken) != 0.0;
    aircraft.store.set_number(kModeToken, on ? 0.0 : 1.0);
}

void set_vertical_speed_target(Aircraft aircraft, int32_t feet_per_minute) {
    const double target = std::clamp(static_cast<double>(feet_per_minute),
                                     -kMaxVerticalSpeedFpm, kMaxVerticalSpeedFpm);
    aircraft.store.set_number(token::kVerticalSpeedTarget, target);
}

// 0 means no altitude target. A new target, even the same one, starts a new capture.
void set_altitude_target(Aircraft aircraft, int32_t feet) {
    const double target = std::clamp(static_cast<double>(feet), kMinAltitudeFt, kMaxAltitudeFt);
    aircraft.store.set_number(token::kAltitudeTarget, target);
    aircraft.vertical_autopilot.altitude_captured = false;
}

// The engaged state goes to token 0x6c; a disengaged autopilot forgets its capture.
void show_engaged_state(Aircraft aircraft) {
    VerticalAutopilot& autopilot = aircraft.vertical_autopilot;
    if (!engaged(autopilot)) autopilot.altitude_captured = false;
    aircraft.store.set_number(token::kAltitudeHold, engaged(autopilot) ? 1.0 : 0.0);
}

void switch_first_half_on(Aircraft aircraft, int32_t) {
    aircraft.vertical_autopilot.first_half_on = true;
    show_engaged_state(aircraft);
}

void switch_second_half_on(Aircraft aircraft, int32_t) {
    aircraft.vertical_autopilot.second_half_on = true;
    show_engaged_state(aircraft);
}

void switch_first_half_off(Aircraft aircraft, int32_t) {
    aircraft.vertical_autopilot.first_half_on = false;
    show_engaged_state(aircraft);
}

void switch_second_half_off(Aircraft aircraft, int32_t) {
    aircraft.vertical_autopilot.second_half_on = false;
    show_engaged_state(aircraft);
}

struct KeyEventEffect {
    uint32_t id;
    Effect effect;
};

constexpr KeyEventEffect kEffects[] = {
    // Lateral autopilot modes (the event's value is not used).
    {.id = 0x10106, .effect = toggle_mode<token::kHeadingMode>},
    {.id = 0x100c1, .effect = toggle_mode<token::kNavMode>},
    {.id = 0x100bc, .effect = toggle_mode<token::kApproachMode>},
    {.id = 0x100c0, .effect = toggle_mode<token::kBackCourseMode>},

    // Autopilot targets: the value is feet per minute or feet.
    {.id = 0x101f4, .effect = set_vertical_speed_target},
    {.id = 0x1024c, .effect = set_altitude_target},

    // The vertical autopilot's engage pair and its disengage counterparts.
    {.id = 0x10243, .effect = switch_first_half_on},
    {.id = 0x10237, .effect = switch_second_half_on},
    {.id = 0x10244, .effect = switch_first_half_off},
    {.id = 0x10238, .effect = switch_second_half_off},
};

}  // namespace

bool apply_key_event(panel_host::VariableStore& store, VerticalAutopilot& vertical_autopilot,
                     const panel_abi::KeyEvent& event) {
    const auto found = std::find_if(std::begin(kEffects), std::end(kEffects),
                                    [&](const KeyEventEffect& e) { return e.id == event.id; });
    if (found == std::end(kEffects)) return false;
    found->effect({.store = store, .vertical_autopilot = vertical_autopilot}, event.value);
    return true;
}

}  // namespace panel_sim
