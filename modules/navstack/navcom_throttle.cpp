// The throttled texts of a unit (the GPS fields and the course source label): each rebuilt
// at most once every six ticks, and at once when the tick count has gone back more than
// three ticks before its last rebuild.
#include "navcom_unit.h"
#include "refresh_throttle.h"

namespace navstack::navcom {

using namespace panel_abi;

namespace {

// next_refresh_tick - 9 is three ticks before the last rebuild.
constexpr RefreshRate kGpsRefresh = {.period_ticks = 6, .back_step_ticks = 9};

}  // namespace

double throttled_text(UnitId unit, ThrottledText text, Element* element) {
    auto* string = reinterpret_cast<TextString*>(element);
    uint32_t& next = next_refresh_tick[unit][text];
    if (refresh_due(text_tick(*string), next, kGpsRefresh))
        write_throttled_text(unit, text, string);
    return static_cast<double>(next);
}

}  // namespace navstack::navcom
