// The localizer items of the attitude display. They follow the VOR receiver that nav_source
// selects (1 or 2); with the GPS or the ADF selected they stay dark.
#include "qd42eadi.h"

#include "navigation_selections.h"
#include "panel_abi/numbers.h"
#include "panel_abi/services.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr uint32_t kLocalizerTuned = 0x80;

// The variables of one VOR receiver, each refreshed immediately before use.
struct Receiver {
    ModuleVariable flags;             // bit 0x80: localizer tuned
    ModuleVariable course_deviation;  // deviation units
};

Receiver vor1 = {.flags = {.token = 0x2e}, .course_deviation = {.token = 0x28}};
Receiver vor2 = {.flags = {.token = 0x37}, .course_deviation = {.token = 0x32}};

// The receiver nav_source selects, or null for the GPS and the ADF.
Receiver* selected_receiver() {
    if (nav_source == 1) return &vor1;
    if (nav_source == 2) return &vor2;
    return nullptr;
}

double refreshed(ModuleVariable& variable) {
    lookup_var(&variable);
    return variable.value.number;
}

// Whether the selected receiver's flags have the bit; false without a VOR receiver.
bool receiver_has(Receiver* receiver, uint32_t bit) {
    if (receiver == nullptr) return false;
    const auto flags = static_cast<uint32_t>(truncate_to_int(refreshed(receiver->flags)));
    return (flags & bit) != 0;
}

void show(Element* element, bool shown) {
    if (shown)
        element->image_flags &= ~kImageHidden;
    else
        element->image_flags |= kImageHidden;
}

}  // namespace

double GAUGE_CALL localizer_scale(Element*) {
    return receiver_has(selected_receiver(), kLocalizerTuned) ? 0 : -1;
}

double GAUGE_CALL localizer_pointer(Element* element) {
    Receiver* receiver = selected_receiver();
    const bool tuned = receiver_has(receiver, kLocalizerTuned);
    show(element, tuned);
    return tuned ? -refreshed(receiver->course_deviation) : 0;
}

}  // namespace efdisplay
