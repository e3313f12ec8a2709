// The status lamps: lit red while the engine stands, green while it turns, dark when the
// lamps are switched off.
#include <cmath>

#include "panel_abi/services.h"
#include "this_member.h"
#include "tokens.h"
#include "twin_needle.h"

namespace twin_needle {

namespace {

constexpr double kLampUnlit = 0;
constexpr double kLampRed = 1;
constexpr double kLampGreen = 2;

static_assert(!this_member.lamps_read_right_needle ||
                  this_member.right.token == tokens::kEngineSpeed,
              "lamps that read the right needle need it to carry the engine speed");

constinit panel_abi::ModuleVariable engine_speed = {.token = tokens::kEngineSpeed};

double current_engine_speed() {
    if constexpr (this_member.lamps_read_right_needle) return right_needle.source.value.number;
    return panel_abi::lookup_number(&engine_speed);
}

}  // namespace

double GAUGE_CALL lamp_case(panel_abi::ModuleVariable* lamp_enable) {
    const double speed = current_engine_speed();
    const double enabled = lamp_enable->value.number;
    if (enabled == 1 && speed == 0) return kLampRed;
    if (enabled == 1 && std::isgreater(speed, 0.0)) return kLampGreen;
    // Switched off; and also a lamp state other than 0 or 1, or a negative or NaN speed,
    // which no simulator state gives: the lamps stay dark rather than claim anything.
    return kLampUnlit;
}

}  // namespace twin_needle
