// The transponder's second line and mode legend: FUNC switches the second line between the
// pressure altitude as a flight level and the flight-time page. These texts change slowly
// and are rebuilt only at the pace of their refresh throttles.
#include "panel_abi/numbers.h"
#include "panel_abi/services.h"
#include "refresh_throttle.h"
#include "xpndr.h"
#include "xpndr_text.h"

namespace navstack::xpndr {

using namespace panel_abi;

namespace {

constexpr int32_t kPressureAltitudePage = 1;
constexpr int32_t kFlightTimePage = 2;

constexpr RefreshRate kTitleRate = {.period_ticks = 9, .back_step_ticks = 9};
constexpr RefreshRate kValueRate = {.period_ticks = 6, .back_step_ticks = 9};
constexpr RefreshRate kLegendRate = {.period_ticks = 18, .back_step_ticks = 18};

// Pressure altitude in feet, refreshed with lookup_var right before use.
ModuleVariable pressure_altitude = {.token = 0x4a};

// Module state, shared by every placed transponder.
int32_t display_page = kPressureAltitudePage;
uint32_t title_next_refresh_tick = 0;
uint32_t value_next_refresh_tick = 0;
uint32_t legend_next_refresh_tick = 0;

TextString& text_of(Element* element) { return *reinterpret_cast<TextString*>(element); }

// Hundreds of feet, a remainder of 50 feet or more rounding up. The simulator reports no
// altitude below sea level; one would read as level 000.
uint32_t flight_level(double altitude_feet) {
    const int32_t whole_feet = truncate_to_int(altitude_feet);
    const uint32_t feet = whole_feet > 0 ? static_cast<uint32_t>(whole_feet) : 0;
    return feet / 100 + (feet % 100 >= 50 ? 1 : 0);
}

}  // namespace

double GAUGE_CALL page_title_text(Element* element) {
    TextString& text = text_of(element);
    if (refresh_due(text_tick(text), title_next_refresh_tick, kTitleRate))
        write_text(text, "%s", display_page == kFlightTimePage ? "FLIGHT TIME" : "PRESSURE ALT");
    return title_next_refresh_tick;
}

double GAUGE_CALL page_value_text(Element* element) {
    TextString& text = text_of(element);
    if (!refresh_due(text_tick(text), value_next_refresh_tick, kValueRate))
        return value_next_refresh_tick;
    if (display_page == kFlightTimePage)
        write_text(text, "00:00:00");  // no flight time is counted
    else
        write_text(text, "FL %03u", flight_level(lookup_number(&pressure_altitude)));
    return value_next_refresh_tick;
}

double GAUGE_CALL mode_legend_text(Element* element) {
    TextString& text = text_of(element);
    if (refresh_due(text_tick(text), legend_next_refresh_tick, kLegendRate))
        write_text(text, "ALT");
    return legend_next_refresh_tick;
}

int32_t GAUGE_CALL func_pressed(MousePosition*, uint32_t) {
    display_page = display_page == kPressureAltitudePage ? kFlightTimePage
                                                         : kPressureAltitudePage;
    return 0;
}

}  // namespace navstack::xpndr
