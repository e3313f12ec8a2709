// The aircraft at start: in level cruise at 8500 ft, autopilot on in heading mode with an
// altitude target of 10000 ft and the vertical autopilot off. The engine and fuel system
// write their own start values.
#include "panel_sim/start_state.h"

#include "tokens.h"

namespace panel_sim {

namespace {

constexpr TokenValue kStartState[] = {
    {.token = token::kTickCount, .value = 0.0},

    // Flight: level at 8500 ft, heading east.
    {.token = token::kAltitude, .value = 8500.0},
    {.token = token::kVerticalSpeed, .value = 0.0},
    {.token = token::kPitch, .value = 0.0},
    {.token = token::kHeading, .value = 90.0},

    // Autopilot: master on, heading mode, vertical autopilot off.
    {.token = token::kAutopilotMaster, .value = 1.0},
    {.token = token::kHeadingMode, .value = 1.0},
    {.token = token::kNavMode, .value = 0.0},
    {.token = token::kApproachMode, .value = 0.0},
    {.token = token::kBackCourseMode, .value = 0.0},
    {.token = token::kGlideslopeMode, .value = 0.0},
    {.token = token::kAltitudeHold, .value = 0.0},
    {.token = token::kAltitudeTarget, .value = 10000.0},
    {.token = token::kVerticalSpeedTarget, .value = 0.0},
};

}  // namespace

std::span<const TokenValue> start_state() { return kStartState; }

}  // namespace panel_sim
