// Mouse input: the first area in list order whose box holds the pointer and whose mask
// holds the event takes it; a held button repeats on repeat areas and drags drag areas.
#include "gauge_instance.h"
#include "held_button.h"
#include "mouse_list_walk.h"
#include "panel_host/panel_host.h"
#include "service_table.h"

namespace panel_host {

using namespace panel_abi;

namespace {

uint32_t click_bits(MouseButton button) {
    return button == MouseButton::left ? kMouseLeftClick : kMouseRightClick;
}

}  // namespace

void PanelHost::mouse_press(InstanceId id, int x, int y, MouseButton button) {
    held_.reset();
    GaugeInstance* instance = find(id);
    if (instance == nullptr || !instance->mouse_registered) return;
    const uint32_t click = click_bits(button);
    const PlacedMouseList placed = place_mouse_list(instance->mouse_list);
    for (const PlacedArea& area : placed.areas) {
        const uint32_t mask = area.record->event_mask;
        const bool takes_click = (mask & click) != 0;
        const bool takes_drag = button == MouseButton::left && (mask & kMouseLeftDrag) != 0;
        if (!area.box.contains(x, y) || !(takes_click || takes_drag)) continue;

        held_ = std::make_unique<HeldButton>();
        held_->instance = id;
        held_->area = area.record;
        held_->area_x = area.box.x;
        held_->area_y = area.box.y;
        held_->pointer_x = x;
        held_->pointer_y = y;
        held_->click_bits = takes_click ? click : 0;
        // A press on a drag area already moves what it drags to the pointer.
        deliver_mouse(*instance, *area.record, area.box.x, area.box.y, x, y,
                      takes_click ? click : kMouseLeftDrag);
        return;
    }
}

void PanelHost::mouse_move(InstanceId id, int x, int y) {
    if (!held_ || held_->instance != id) return;
    held_->pointer_x = x;
    held_->pointer_y = y;
    if ((held_->area->event_mask & kMouseLeftDrag) == 0 || held_->click_bits == kMouseRightClick)
        return;
    GaugeInstance* instance = find(id);
    if (instance == nullptr) return;
    deliver_mouse(*instance, *held_->area, held_->area_x, held_->area_y, x, y, kMouseLeftDrag);
}

void PanelHost::mouse_release() { held_.reset(); }

void PanelHost::repeat_held_button() {
    if (!held_) return;
    const uint32_t mask = held_->area->event_mask;
    if ((mask & kMouseRepeat) == 0 || held_->click_bits == 0) return;
    const int frames = ++held_->frames_held;
    const int delay = options_.repeat_delay_frames;
    const int interval = options_.repeat_interval_frames > 0 ? options_.repeat_interval_frames : 1;
    if (frames < delay || (frames - delay) % interval != 0) return;
    GaugeInstance* instance = find(held_->instance);
    if (instance == nullptr) return;
    deliver_mouse(*instance, *held_->area, held_->area_x, held_->area_y, held_->pointer_x,
                  held_->pointer_y, held_->click_bits);
}

void PanelHost::deliver_mouse(GaugeInstance& instance, const MouseArea& area, int area_x,
                              int area_y, int x, int y, uint32_t event_bits) {
    // Once the list is withdrawn, none of its handlers is called again.
    if (!instance.mouse_registered) return;
    if (area.key_event != 0) {
        send_key_event({area.key_event, 0});
        return;
    }
    if (area.handler == nullptr) return;
    ModuleCallScope scope(*this, &instance);
    bind(instance);
    MousePosition position{x - area_x, y - area_y};
    area.handler(&position, event_bits);
}

HoverInfo PanelHost::hover(InstanceId id, int x, int y) const {
    HoverInfo info;
    GaugeInstance* instance = find(id);
    if (instance == nullptr || !instance->mouse_registered) return info;
    const PlacedMouseList placed = place_mouse_list(instance->mouse_list);
    for (const PlacedArea& area : placed.areas) {
        if (!area.box.contains(x, y)) continue;
        info.over_area = true;
        info.cursor = area.record->cursor;
        break;
    }
    // The innermost group under the pointer that names a help id or a tooltip.
    int best_depth = -1;
    for (const PlacedGroup& group : placed.groups) {
        if (!group.box.contains(x, y) || group.depth < best_depth) continue;
        if (group.help_id == 0 && group.tooltip.empty()) continue;
        best_depth = group.depth;
        info.help_id = group.help_id;
        info.tooltip = group.tooltip;
    }
    return info;
}

}  // namespace panel_host
