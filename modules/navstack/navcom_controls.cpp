// The controls of a unit's face. Every control sends a simulator key event (the simulator
// swaps, steps, tunes and switches) or toggles the unit's panel window; the CDI button also
// notes which unit asked for GPS.
#include "navcom_unit.h"
#include "panel_abi/services.h"

namespace navstack::navcom {

using namespace panel_abi;

namespace {

// The panel window the large knob lower right shows and hides.
constexpr uint32_t kUnitWindow = 225;
// Toggles the course indicator source between NAV and GPS.
constexpr uint32_t kCourseSourceToggle = 0x10347;

// Standby frequencies (BCD), refreshed with lookup_var right before each use.
ModuleVariable com_standby[kUnitCount] = {{.token = kUnits[kUnit1].com_standby_token},
                                          {.token = kUnits[kUnit2].com_standby_token}};
ModuleVariable nav_standby[kUnitCount] = {{.token = kUnits[kUnit1].nav_standby_token},
                                          {.token = kUnits[kUnit2].nav_standby_token}};

int32_t tune_standby(ModuleVariable* standby, Band band, uint32_t set_event, uint32_t events) {
    lookup_var(standby);
    const uint32_t tuned = tuned_whole_mhz(band, static_cast<uint32_t>(standby->value.integer),
                                           events);
    standby->value.integer = static_cast<int32_t>(tuned);
    trigger_key_event(set_event, static_cast<int32_t>(tuned));
    return 0;
}

// A left click sends the left event; otherwise a right click the right one.
int32_t step_fraction(uint32_t left_event, uint32_t right_event, uint32_t events) {
    if ((events & kMouseLeftClick) != 0)
        trigger_key_event(left_event, 0);
    else if ((events & kMouseRightClick) != 0)
        trigger_key_event(right_event, 0);
    return 0;
}

// The CDI button remembers whether this unit asked for GPS (the source was not GPS when
// pressed); the simulator then toggles the source.
int32_t press_cdi(UnitId unit) {
    gps_label_latch[unit] = gps_drives_course() ? 0 : 1;
    trigger_key_event(kCourseSourceToggle, 0);
    return 0;
}

int32_t send(uint32_t event) {
    trigger_key_event(event, 0);
    return 0;
}

}  // namespace

int32_t control_clicked(UnitId unit, Control control, uint32_t events) {
    const UnitTable& table = kUnits[unit];
    switch (control) {
    case kWindowKnob: return panel_window_toggle(kUnitWindow);
    case kCdiButton: return press_cdi(unit);
    case kComSwap: return send(table.com_swap_event);
    case kNavSwap: return send(table.nav_swap_event);
    case kNavIdent: return send(table.nav_ident_event);
    case kComWholeMhz:
        return tune_standby(&com_standby[unit], Band::com, table.com_set_standby_event, events);
    case kComFraction:
        return step_fraction(table.com_fraction_left_event, table.com_fraction_right_event, events);
    case kNavWholeMhz:
        return tune_standby(&nav_standby[unit], Band::nav, table.nav_set_standby_event, events);
    case kNavFraction:
        return step_fraction(table.nav_fraction_left_event, table.nav_fraction_right_event, events);
    }
    return 0;
}

}  // namespace navstack::navcom
