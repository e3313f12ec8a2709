#include "transponder.h"

#include <algorithm>
#include <iterator>

#include "radio_tokens.h"

namespace panel_sim {

namespace {

bool is_code(int32_t word) {
    if (word < 0 || word > 0xffff) return false;
    for (int shift = 0; shift < 16; shift += 4)
        if (((word >> shift) & 0xf) > 7) return false;
    return true;
}

// `code` with the digit at `shift` (12 for the first digit ... 0 for the last) moved by `step`
// within 0 to 7.
int32_t digit_stepped(int32_t code, int shift, int step) {
    const int digit = (code >> shift) & 0xf;
    const int stepped = (digit + step + 8) % 8;
    return (code & ~(0xf << shift)) | (stepped << shift);
}

struct TransponderEvent {
    uint32_t id;
    int shift;  // of the digit stepped
    int step;   // +1 up, -1 down
};

constexpr TransponderEvent kDigitSteps[] = {
    {.id = radio_event::kTransponderDigit1Up, .shift = 12, .step = +1},
    {.id = radio_event::kTransponderDigit2Up, .shift = 8, .step = +1},
    {.id = radio_event::kTransponderDigit3Up, .shift = 4, .step = +1},
    {.id = radio_event::kTransponderDigit4Up, .shift = 0, .step = +1},
    {.id = radio_event::kTransponderDigit1Down, .shift = 12, .step = -1},
    {.id = radio_event::kTransponderDigit2Down, .shift = 8, .step = -1},
    {.id = radio_event::kTransponderDigit3Down, .shift = 4, .step = -1},
    {.id = radio_event::kTransponderDigit4Down, .shift = 0, .step = -1},
};

}  // namespace

bool apply_transponder_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    if (event.id == radio_event::kSetTransponderCode) {
        if (is_code(event.value)) store.set_integer(radio_token::kTransponderCode, event.value);
        return true;
    }
    const auto found = std::find_if(std::begin(kDigitSteps), std::end(kDigitSteps),
                                    [&](const TransponderEvent& e) { return e.id == event.id; });
    if (found == std::end(kDigitSteps)) return false;
    const int32_t code = store.integer(radio_token::kTransponderCode);
    const int32_t valid = is_code(code) ? code : 0;
    store.set_integer(radio_token::kTransponderCode,
                      digit_stepped(valid, found->shift, found->step));
    return true;
}

}  // namespace panel_sim
