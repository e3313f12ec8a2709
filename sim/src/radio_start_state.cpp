#include "radio_start_state.h"

#include <cstdint>

#include "radio_tokens.h"

namespace panel_sim {

namespace {

struct StartWord {
    uint32_t token;
    int32_t word;
};

constexpr StartWord kStartWords[] = {
    // COM1 on tower, ground control in standby; COM2 on the common traffic frequency.
    {.token = radio_token::kCom1Active, .word = 0x1830},   // 118.30
    {.token = radio_token::kCom1Standby, .word = 0x2190},  // 121.90
    {.token = radio_token::kCom2Active, .word = 0x2280},   // 122.80
    {.token = radio_token::kCom2Standby, .word = 0x2475},  // 124.75 (124.750)
    // NAV1 on the VOR with DME north of the first leg, a VOR without DME in standby; NAV2 on
    // the destination's localizer, with DME.
    {.token = radio_token::kNav1Active, .word = 0x1340},   // 113.40
    {.token = radio_token::kNav1Standby, .word = 0x1570},  // 115.70
    {.token = radio_token::kNav2Active, .word = 0x1030},   // 110.30
    {.token = radio_token::kNav2Standby, .word = 0x1165},  // 111.65
    // A discrete code from air traffic control.
    {.token = radio_token::kTransponderCode, .word = 0x4263},
};

struct StartSwitch {
    uint32_t token;
    double value;
};

constexpr StartSwitch kStartSwitches[] = {
    {.token = radio_token::kCom1Selected, .value = 1.0},
    {.token = radio_token::kCom2Selected, .value = 0.0},
    {.token = radio_token::kComSplit, .value = 0.0},
    {.token = radio_token::kMarkerAudio, .value = 1.0},
    {.token = radio_token::kNav1IdentAudio, .value = 0.0},
    {.token = radio_token::kNav2IdentAudio, .value = 0.0},
    {.token = radio_token::kDmeAudio, .value = 0.0},
    {.token = radio_token::kAdfAudio, .value = 0.0},
    {.token = radio_token::kCourseSourceGps, .value = 0.0},
};

}  // namespace

void write_radio_start_values(panel_host::VariableStore& store) {
    for (const StartWord& start : kStartWords) store.set_integer(start.token, start.word);
    for (const StartSwitch& start : kStartSwitches) store.set_number(start.token, start.value);
}

}  // namespace panel_sim
