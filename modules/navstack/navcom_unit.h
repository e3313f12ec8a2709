// The two GPS/NAV/COM units, navcom1 and navcom2. Both run one body of gauge code; what
// differs between them (the radios they read and tune, the key events they send, their
// pictures) is a row of the table of units below. The GPS data is the simulator's one GPS
// and reads the same on both units.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gauges.h"
#include "panel_abi/records.h"

namespace navstack::navcom {

enum UnitId : int { kUnit1 = 0, kUnit2 = 1 };
inline constexpr int kUnitCount = 2;

// ---------------------------------------------------------------------------------------
// What differs between the two units.

struct UnitTable {
    // Pictures.
    int32_t face_bitmap;
    int32_t deviation_bar_bitmap;

    // Tokens: the frequencies are BCD integers; the distance is a number.
    uint32_t com_active_token;
    uint32_t com_standby_token;
    uint32_t nav_active_token;
    uint32_t nav_standby_token;
    uint32_t nav_distance_token;
    // The NAV distance text's third source variable. Unit 1 carries the tick count there,
    // unit 2 nothing; the text is rebuilt every frame either way, so nothing reads it.
    uint32_t nav_distance_third_token;

    // The COM active text of unit 2 sits one pixel lower than unit 1's.
    int32_t com_active_y;

    // Key events.
    uint32_t com_set_standby_event;     // value: the new BCD frequency
    uint32_t nav_set_standby_event;     // value: the new BCD frequency
    uint32_t com_fraction_left_event;   // step the COM standby fraction, left click
    uint32_t com_fraction_right_event;  // and right click
    uint32_t nav_fraction_left_event;
    uint32_t nav_fraction_right_event;
    uint32_t com_swap_event;            // swap active and standby
    uint32_t nav_swap_event;
    uint32_t nav_ident_event;           // identifier audio of the unit's NAV receiver
};

inline constexpr UnitTable kUnits[kUnitCount] = {
    {
        .face_bitmap = 4096,
        .deviation_bar_bitmap = 4352,
        .com_active_token = 0x17,
        .com_standby_token = 0x269,
        .nav_active_token = 0x18,
        .nav_standby_token = 0x368,
        .nav_distance_token = 0x1f,
        .nav_distance_third_token = 0x01,
        .com_active_y = 44,
        .com_set_standby_event = 0x10343,
        .nav_set_standby_event = 0x1038f,
        .com_fraction_left_event = 0x10382,
        .com_fraction_right_event = 0x10383,
        .nav_fraction_left_event = 0x1038d,
        .nav_fraction_right_event = 0x1038e,
        .com_swap_event = 0x10344,
        .nav_swap_event = 0x10390,
        .nav_ident_event = 0x10132,
    },
    {
        .face_bitmap = 4608,
        .deviation_bar_bitmap = 4864,
        .com_active_token = 0x366,
        .com_standby_token = 0x367,
        .nav_active_token = 0x1b,
        .nav_standby_token = 0x369,
        .nav_distance_token = 0x23,
        .nav_distance_third_token = 0,
        .com_active_y = 45,
        .com_set_standby_event = 0x1038b,
        .nav_set_standby_event = 0x10393,
        .com_fraction_left_event = 0x10387,
        .com_fraction_right_event = 0x10389,
        .nav_fraction_left_event = 0x10391,
        .nav_fraction_right_event = 0x10392,
        .com_swap_event = 0x1038c,
        .nav_swap_event = 0x10394,
        .nav_ident_event = 0x10133,
    },
};

// The simulator's running tick count: the third source variable of every throttled text.
inline constexpr uint32_t kTickToken = 0x01;

// ---------------------------------------------------------------------------------------
// Texts rebuilt at most once every few ticks (the refresh throttle), in tree order.

enum ThrottledText : int {
    kSourceLabel,
    kEte,
    kTrack,
    kGroundSpeed,
    kBearing,
    kDesiredTrack,
    kGpsDistance,
    kWaypoint,
    kThrottledTextCount,
};

// ---------------------------------------------------------------------------------------
// Module state, shared by every placed instance of a unit's gauge.

// 1 after the unit's CDI button asked for GPS; cleared whenever the unit's label shows NAV.
extern int32_t gps_label_latch[kUnitCount];
// Per unit and throttled text: the tick count at or after which the text is rebuilt.
extern uint32_t next_refresh_tick[kUnitCount][kThrottledTextCount];

// ---------------------------------------------------------------------------------------
// Element callbacks.

// Every frame: the frequency in the element's own BCD source variable; returns it.
double GAUGE_CALL frequency_text(panel_abi::Element* element);
// Every frame: the NAV distance, "----" for none; returns it in single precision.
double GAUGE_CALL nav_distance_text(panel_abi::Element* element);
// Every frame: the cross-track deviation in nautical miles, limited to five either way.
double GAUGE_CALL deviation_bar_offset(panel_abi::Element* element);

// A throttled text: rebuilds it when the tick count says so; returns the next refresh tick.
double throttled_text(UnitId unit, ThrottledText text, panel_abi::Element* element);

template <UnitId unit, ThrottledText text>
double GAUGE_CALL throttled_text_of(panel_abi::Element* element) {
    return throttled_text(unit, text, element);
}

// Looks up the course indicator source: true exactly when the GPS drives it.
bool gps_drives_course();

// The text of a throttled element, written on a rebuild after its lookups.
void write_throttled_text(UnitId unit, ThrottledText text, panel_abi::TextString* element);

// ---------------------------------------------------------------------------------------
// Mouse handlers: every control of the face, in mouse-list order.

enum Control : int {
    kWindowKnob,     // toggles the unit's panel window
    kCdiButton,      // switches the course indicator between GPS and NAV
    kComSwap,
    kNavSwap,
    kNavIdent,
    kComWholeMhz,    // left click one MHz down, right click one up, within the COM band
    kComFraction,
    kNavWholeMhz,    // the same within the NAV band
    kNavFraction,
};

// Returns what the handler of that control returns to the host.
int32_t control_clicked(UnitId unit, Control control, uint32_t events);

template <UnitId unit, Control control>
int32_t GAUGE_CALL control_clicked_on(panel_abi::MousePosition*, uint32_t events) {
    return control_clicked(unit, control, events);
}

// The new standby frequency after a whole-MHz click, from the looked-up BCD value.
enum class Band { com, nav };
uint32_t tuned_whole_mhz(Band band, uint32_t frequency, uint32_t events);

// ---------------------------------------------------------------------------------------
// Text and number helpers.

// printf into the element's text buffer, cut to the element's character count and never
// beyond the buffer; nothing when the element has no buffer.
void print_text(panel_abi::TextString* element, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Truncation toward zero to an unsigned 32-bit count: 0 to 2^32 - 1 exactly; a negative
// value wraps as the signed count it truncates to (-1 gives 0xffffffff); NaN gives 0;
// beyond the range the nearest end of it.
uint32_t truncate_to_unsigned(double value);

// A double in single precision; beyond the single range the infinity of its sign.
float to_single(double value);

}  // namespace navstack::navcom
