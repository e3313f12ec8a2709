// Callbacks of the attitude display.
#include "qd42eadi.h"

#include <cstdint>
#include <cstdio>

#include "navigation_selections.h"
#include "panel_abi/numbers.h"
#include "panel_abi/services.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

// Simulator variables the callbacks read, refreshed immediately before each use.
ModuleVariable pitch_variable = {.token = 0x4d};         // degrees
ModuleVariable bank_variable = {.token = 0x50};          // degrees
ModuleVariable radio_altitude_variable = {.token = 0x266};  // metres

constexpr int32_t kCommandPitchLimit = 45;  // degrees of pitch error the bars follow
constexpr double kFeetPerMetre = 3.2808;
constexpr uint32_t kRadioAltitudeCeilingFeet = 2500;

double refreshed(ModuleVariable& variable) {
    lookup_var(&variable);
    return variable.value.number;
}

void show(Element* element, bool shown) {
    if (shown)
        element->image_flags &= ~kImageHidden;
    else
        element->image_flags |= kImageHidden;
}

}  // namespace

double GAUGE_CALL command_pitch(Element* element) {
    auto* bars = reinterpret_cast<Sprite*>(element);
    const int32_t director = truncate_to_int(bars->x_source.value.number);
    show(element, (director & 0xff) == 1);

    const double pitch = refreshed(pitch_variable);
    int32_t error = static_cast<int16_t>(truncate_to_int(pitch - bars->y_source.value.number));
    if (error > kCommandPitchLimit) error = kCommandPitchLimit;
    if (error < -kCommandPitchLimit) error = -kCommandPitchLimit;
    return (error * 2) / 3;
}

double GAUGE_CALL command_bank(Element* element) {
    auto* bars = reinterpret_cast<Sprite*>(element);
    return refreshed(bank_variable) - bars->rotation_source.value.number;
}

double GAUGE_CALL radio_altitude_text(Element* element) {
    auto* text = reinterpret_cast<TextString*>(element);
    const auto feet = static_cast<uint16_t>(
        truncate_to_int(refreshed(radio_altitude_variable) * kFeetPerMetre));
    if (feet < kRadioAltitudeCeilingFeet)
        std::snprintf(text->buffer, kTextBufferBytes, "%4d", static_cast<int>(feet));
    else
        std::snprintf(text->buffer, kTextBufferBytes, "    ");
    return 0;
}

double GAUGE_CALL marker_light(Element* element) {
    auto* lights = reinterpret_cast<Icon*>(element);
    // State 0 (no marker) gives -1, a dark icon; 1, 2 and 3 light the outer, middle and
    // inner marker.
    return truncate_to_int(lights->source.value.number) - 1;
}

}  // namespace efdisplay
