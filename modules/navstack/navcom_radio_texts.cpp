// The radio texts of a unit, rebuilt every frame from the element's own source variable:
// the four frequencies and the distance from the NAV receiver.
#include "navcom_unit.h"

namespace navstack::navcom {

using namespace panel_abi;

namespace {

// The simulator's distance when the NAV receiver has none.
constexpr float kNoDistance = -1.0f;

TextString* text_of(Element* element) { return reinterpret_cast<TextString*>(element); }

}  // namespace

// Four BCD digits d3 d2 d1 d0 in the low 16 bits stand for 1 d3 d2 . d1 d0 MHz.
double GAUGE_CALL frequency_text(Element* element) {
    TextString* text = text_of(element);
    const int32_t read = text->sources[0].value.integer;
    const uint32_t digits = static_cast<uint32_t>(read);
    print_text(text, "1%d%d.%d%d", static_cast<int>((digits >> 12) & 15),
               static_cast<int>((digits >> 8) & 15), static_cast<int>((digits >> 4) & 15),
               static_cast<int>(digits & 15));
    return static_cast<double>(read);
}

double GAUGE_CALL nav_distance_text(Element* element) {
    TextString* text = text_of(element);
    const float distance = to_single(text->sources[0].value.number);
    if (distance == kNoDistance)
        print_text(text, "----");
    else
        print_text(text, "%.1f", static_cast<double>(distance));
    return static_cast<double>(distance);
}

}  // namespace navstack::navcom
