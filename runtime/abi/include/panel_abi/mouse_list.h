// Builders for the records of a gauge's mouse list, so that gauge data reads as a table.
#pragma once

#include "panel_abi/records.h"

namespace panel_abi {

constexpr MouseArea mouse_group(MouseBox box, int32_t cursor = kCursorNone,
                                uint32_t help_id = 0) {
    MouseArea record{};
    record.kind = kMouseGroupBegin;
    record.box = box;
    record.cursor = cursor;
    record.help_id = help_id;
    record.handler = nullptr;
    return record;
}

constexpr MouseArea mouse_key_area(MouseBox box, int32_t cursor, uint32_t event_mask,
                                   uint32_t key_event) {
    MouseArea record{};
    record.kind = kMouseArea;
    record.box = box;
    record.cursor = cursor;
    record.event_mask = event_mask;
    record.key_event = key_event;
    record.handler = nullptr;
    return record;
}

constexpr MouseArea mouse_handler_area(MouseBox box, int32_t cursor, uint32_t event_mask,
                                       MouseHandler handler) {
    MouseArea record{};
    record.kind = kMouseArea;
    record.box = box;
    record.cursor = cursor;
    record.event_mask = event_mask;
    record.handler = handler;
    return record;
}

// The most common area: a push button taking a left click, with a key event or a handler.
constexpr MouseArea push_button(MouseBox box, uint32_t key_event) {
    return mouse_key_area(box, kCursorPush, kMouseLeftClick, key_event);
}
constexpr MouseArea push_button(MouseBox box, MouseHandler handler) {
    return mouse_handler_area(box, kCursorPush, kMouseLeftClick, handler);
}

constexpr MouseArea mouse_tooltip(const char* text, const void* args = nullptr) {
    MouseArea record{};
    record.kind = kMouseTooltip;
    record.cursor = kCursorNone;
    record.tooltip_text = text;
    record.tooltip_args = args;
    return record;
}

constexpr MouseArea mouse_group_end() {
    MouseArea record{};
    record.kind = kMouseGroupEnd;
    record.cursor = kCursorNone;
    record.handler = nullptr;
    return record;
}

constexpr MouseArea mouse_list_end() {
    MouseArea record{};
    record.kind = kMouseEndOfList;
    record.cursor = kCursorNone;
    record.handler = nullptr;
    return record;
}

}  // namespace panel_abi
