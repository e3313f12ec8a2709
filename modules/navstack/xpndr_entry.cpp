// The transponder code: its display, the digit keys that key a new code, CLR that takes the
// last keyed digit back, and VFR that toggles between 1200 and the code before it.
#include "panel_abi/services.h"
#include "xpndr.h"
#include "xpndr_text.h"

namespace navstack::xpndr {

using namespace panel_abi;

namespace {

constexpr uint32_t kSetCode = 0x100b3;
constexpr uint32_t kVfrCode = 0x1200;
constexpr uint32_t kDigitsInCode = 4;

// The simulator's code, refreshed with lookup_var right before use.
ModuleVariable transponder_code = {.token = 0x26};

// Module state, shared by every placed transponder. While `entry_count` is above 0 a code
// is being keyed and the display shows `entry_code`, its missing digits 0.
uint32_t entry_code = 0;
uint32_t entry_count = 0;
uint32_t known_code = 0;  // the code this gauge last set, or read at a VFR press
uint32_t saved_code = 0;  // the code VFR returns to

// The bit position of the digit keyed after `count` digits: the first digit is the highest.
uint32_t digit_shift(uint32_t count) { return 4 * (kDigitsInCode - 1 - count); }

// The digits of the entry that CLR keeps, by the number of digits keyed before it.
constexpr uint32_t kKeptByClear[kDigitsInCode] = {0x0000, 0x0000, 0xf000, 0xff00};

}  // namespace

double GAUGE_CALL code_text(Element* element) {
    auto& text = *reinterpret_cast<TextString*>(element);
    const uint32_t code = entry_count > 0 ? entry_code
                                          : static_cast<uint32_t>(text.sources[0].value.integer);
    write_text(text, "%d%d%d%d", static_cast<int>((code >> 12) & 15),
               static_cast<int>((code >> 8) & 15), static_cast<int>((code >> 4) & 15),
               static_cast<int>(code & 15));
    return code;
}

void key_digit(uint32_t digit) {
    if (entry_count == 0) entry_code = 0;
    entry_code |= digit << digit_shift(entry_count);
    ++entry_count;
    if (entry_count < kDigitsInCode) return;
    entry_count = 0;
    saved_code = known_code;
    known_code = entry_code;
    trigger_key_event(kSetCode, static_cast<int32_t>(entry_code));
}

int32_t GAUGE_CALL clr_pressed(MousePosition*, uint32_t) {
    if (entry_count == 0) return 0;
    entry_code &= kKeptByClear[entry_count];
    --entry_count;
    return 0;
}

int32_t GAUGE_CALL vfr_pressed(MousePosition*, uint32_t) {
    lookup_var(&transponder_code);
    known_code = static_cast<uint32_t>(transponder_code.value.integer);
    if (known_code == kVfrCode) {
        trigger_key_event(kSetCode, static_cast<int32_t>(saved_code));
    } else {
        saved_code = known_code;
        trigger_key_event(kSetCode, static_cast<int32_t>(kVfrCode));
    }
    return 0;
}

}  // namespace navstack::xpndr
