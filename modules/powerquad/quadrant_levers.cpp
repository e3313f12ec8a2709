// The lever handlers. A drag in a lever's strip sets the lever to the pointer's height: the
// strip's top edge is the lever fully forward (16383), its bottom edge fully back (0). The
// picture moves only once the simulator reports the new position.
#include <cstdint>

#include "panel_abi/services.h"
#include "quadrant.h"

namespace powerquad {

using namespace panel_abi;

namespace {

constexpr int64_t kLeverForward = 16383;
constexpr int64_t kLeverBack = 0;

// The panel's height in its design, for a host that has not filled the image record.
constexpr int64_t kDesignHeight = 68;

constexpr uint32_t kSetPowerLever = 0x1011c;
constexpr uint32_t kSetPropellerLever = 0x10183;
constexpr uint32_t kSetMixtureLever = 0x1017f;

// The strips are as tall as the panel; its height comes from the host's record of the
// panel's bitmap.
int64_t strip_height() {
    const ImageRecord* record = quadrant_panel.image;
    return record != nullptr && record->size.height > 0 ? record->size.height : kDesignHeight;
}

// (H − y) × 16383 / H, truncated toward zero and held to 0 … 16383. Whole numbers wide
// enough that no pointer position overflows them.
int32_t lever_position(const MousePosition* pointer) {
    const int64_t height = strip_height();
    const int64_t position = (height - pointer->y) * kLeverForward / height;
    if (position > kLeverForward) return static_cast<int32_t>(kLeverForward);
    if (position < kLeverBack) return static_cast<int32_t>(kLeverBack);
    return static_cast<int32_t>(position);
}

int32_t set_lever(uint32_t key_event, const MousePosition* pointer) {
    trigger_key_event(key_event, lever_position(pointer));
    return 0;
}

}  // namespace

int32_t GAUGE_CALL power_lever_dragged(MousePosition* pointer, uint32_t) {
    return set_lever(kSetPowerLever, pointer);
}

int32_t GAUGE_CALL propeller_lever_dragged(MousePosition* pointer, uint32_t) {
    return set_lever(kSetPropellerLever, pointer);
}

int32_t GAUGE_CALL mixture_lever_dragged(MousePosition* pointer, uint32_t) {
    return set_lever(kSetMixtureLever, pointer);
}

}  // namespace powerquad
