// Reading a gauge's mouse list: every area and group with its box on the gauge, resolving
// nested group origins.
#pragma once

#include <string>
#include <vector>

#include "panel_abi/records.h"

namespace panel_host {

struct PlacedBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool whole_gauge = false;  // the outermost group's (0, 0, 0, 0) box
    bool contains(int px, int py) const {
        return whole_gauge || (px >= x && py >= y && px < x + width && py < y + height);
    }
};

struct PlacedGroup {
    PlacedBox box;
    int depth = 0;
    uint32_t help_id = 0;
    std::string tooltip;
};

struct PlacedArea {
    const panel_abi::MouseArea* record = nullptr;
    PlacedBox box;  // on the gauge
};

struct PlacedMouseList {
    std::vector<PlacedGroup> groups;  // in list order
    std::vector<PlacedArea> areas;    // in list order: the hit-test order
};

// Walk a list up to its end record. A list that never ends, or whose group ends do not
// match, is read only as far as it makes sense.
PlacedMouseList place_mouse_list(const panel_abi::MouseArea* list);

}  // namespace panel_host
