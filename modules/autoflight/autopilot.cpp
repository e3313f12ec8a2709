// The autopilot's behaviour: which annunciations light, the vertical-speed readout, and the
// vertical modes this panel runs itself by setting the simulator's targets and mode pair.
#include "autopilot.h"

#include <cstdio>

#include "panel_abi/numbers.h"
#include "panel_abi/services.h"

namespace autoflight {

using namespace panel_abi;

namespace {

// Simulator variables, refreshed with lookup_var right before each use.
ModuleVariable vertical_speed = {.token = 0x41};      // 1/256 m/s
ModuleVariable altitude = {.token = 0x4a};
ModuleVariable autopilot_master = {.token = 0x67};
ModuleVariable altitude_target = {.token = 0x6d};
ModuleVariable vertical_speed_target = {.token = 0x78};  // feet per minute

// The simulator's vertical speed unit per foot per minute.
constexpr double kVerticalSpeedUnitsPerFpm = 1.30048;

// Key events that set the targets and switch the simulator's mode pair.
constexpr uint32_t kSetVerticalSpeedTarget = 0x101f4;
constexpr uint32_t kSetAltitudeTarget = 0x1024c;
constexpr uint32_t kEngageFirst = 0x10243;
constexpr uint32_t kEngageSecond = 0x10237;
constexpr uint32_t kDisengageFirst = 0x10244;
constexpr uint32_t kDisengageSecond = 0x10238;

// The knob steps the vertical-speed target by this much and never beyond the limit.
constexpr double kKnobStepFpm = 100.0;
constexpr double kKnobLimitFpm = 1600.0;
// VS never engages with a target slower than this, up or down.
constexpr double kSlowestVerticalSpeedFpm = 100.0;

// Module state, shared by every placed autopilot. The mode flags are 0.0 or 1.0 and record
// only what this panel engaged; at most one is set.
int32_t ap_master = 0;
double alt_hold_mode = 0.0;
double vs_mode = 0.0;
double alt_capture_mode = 0.0;

constexpr double kLit = 0.0;
constexpr double kDark = -1.0;

bool is_set(double mode_flag) { return mode_flag == 1.0; }

double lit_when(bool condition) { return condition ? kLit : kDark; }

double own_value(const Element* element) {
    return reinterpret_cast<const Icon*>(element)->source.value.number;
}

// The own variable less one is the case: 1 gives case 0 (lit); 0, 2 and more give no picture.
double case_of_own_flag(const Element* element) {
    return own_value(element) - 1.0;
}

double master_case_of_own_flag(const Element* element) {
    return ap_master == 1 ? case_of_own_flag(element) : kDark;
}

// The aircraft's vertical speed in feet per minute; the variable keeps the converted value.
double vertical_speed_fpm() {
    lookup_var(&vertical_speed);
    vertical_speed.value.number /= kVerticalSpeedUnitsPerFpm;
    return vertical_speed.value.number;
}

void engage(int32_t vertical_speed_fpm_target, int32_t altitude_target_value) {
    trigger_key_event(kSetVerticalSpeedTarget, vertical_speed_fpm_target);
    trigger_key_event(kSetAltitudeTarget, altitude_target_value);
    trigger_key_event(kEngageFirst, 0);
    trigger_key_event(kEngageSecond, 0);
}

void disengage() {
    trigger_key_event(kDisengageFirst, 0);
    trigger_key_event(kDisengageSecond, 0);
}

// Exactly one vertical mode flag set, the others cleared.
void select_mode(double* mode) {
    alt_hold_mode = 0.0;
    vs_mode = 0.0;
    alt_capture_mode = 0.0;
    *mode = 1.0;
}

}  // namespace

double GAUGE_CALL ready_case(Element* element) {
    return lit_when(truncate_to_int(own_value(element)) != 1);
}

// The first annunciator after RDY: it refreshes the master state the later ones read in the
// same frame.
double GAUGE_CALL heading_case(Element* element) {
    ap_master = truncate_to_int(lookup_number(&autopilot_master));
    return master_case_of_own_flag(element);
}

double GAUGE_CALL simulator_mode_case(Element* element) {
    return master_case_of_own_flag(element);
}

double GAUGE_CALL altitude_case(Element*) {
    return lit_when(ap_master == 1 && (is_set(alt_hold_mode) || is_set(alt_capture_mode)));
}

double GAUGE_CALL vertical_speed_case(Element*) {
    return lit_when(ap_master == 1 && is_set(vs_mode));
}

// Hundreds of feet per minute, with a remainder of 50 or more rounding up; a negative
// remainder never rounds, so -160 reads -1 and +160 reads +2.
double GAUGE_CALL vertical_speed_text(Element* element) {
    const int32_t fpm = truncate_to_int(vertical_speed_fpm());
    int32_t hundreds = fpm / 100;
    if (fpm % 100 >= 50) ++hundreds;
    char* buffer = reinterpret_cast<TextString*>(element)->buffer;
    if (buffer != nullptr) std::snprintf(buffer, kTextBufferBytes, "%+02i", hundreds);
    return 0.0;
}

// ALT holds the current altitude.
int32_t GAUGE_CALL altitude_hold_pressed(MousePosition*, uint32_t) {
    if (is_set(alt_hold_mode)) {
        alt_hold_mode = 0.0;
        disengage();
        return 0;
    }
    const int32_t current_altitude = truncate_to_int(lookup_number(&altitude));
    engage(0, current_altitude);
    select_mode(&alt_hold_mode);
    return 0;
}

// VS holds the current vertical speed, at least 100 feet per minute (a slower one, up or
// down, becomes 100 up).
int32_t GAUGE_CALL vertical_speed_pressed(MousePosition*, uint32_t) {
    if (is_set(vs_mode)) {
        vs_mode = 0.0;
        disengage();
        return 0;
    }
    double target = vertical_speed_fpm();
    if (target > -kSlowestVerticalSpeedFpm && target < kSlowestVerticalSpeedFpm)
        target = kSlowestVerticalSpeedFpm;
    engage(truncate_to_int(target), 0);
    select_mode(&vs_mode);
    return 0;
}

// The unmarked strip captures the altitude target at the vertical-speed target; without an
// altitude target it does nothing at all.
int32_t GAUGE_CALL altitude_capture_pressed(MousePosition*, uint32_t) {
    if (truncate_to_int(lookup_number(&altitude_target)) == 0) return 0;
    if (is_set(alt_capture_mode)) {
        alt_capture_mode = 0.0;
        disengage();
        return 0;
    }
    const int32_t target_altitude = truncate_to_int(lookup_number(&altitude_target));
    const double target_vertical_speed = lookup_number(&vertical_speed_target);
    engage(truncate_to_int(target_vertical_speed), target_altitude);
    select_mode(&alt_capture_mode);
    return 0;
}

int32_t GAUGE_CALL knob_decrease_turned(MousePosition*, uint32_t) {
    const double target = lookup_number(&vertical_speed_target);
    const int32_t stepped = target <= -(kKnobLimitFpm - kKnobStepFpm)
                                ? truncate_to_int(-kKnobLimitFpm)
                                : truncate_to_int(target - kKnobStepFpm);
    trigger_key_event(kSetVerticalSpeedTarget, stepped);
    return 0;
}

int32_t GAUGE_CALL knob_increase_turned(MousePosition*, uint32_t) {
    const double target = lookup_number(&vertical_speed_target);
    const int32_t stepped = target >= kKnobLimitFpm - kKnobStepFpm
                                ? truncate_to_int(kKnobLimitFpm)
                                : truncate_to_int(target + kKnobStepFpm);
    trigger_key_event(kSetVerticalSpeedTarget, stepped);
    return 0;
}

}  // namespace autoflight
