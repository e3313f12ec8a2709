#include "mouse_list_walk.h"

#include <cstring>

namespace panel_host {

using namespace panel_abi;

namespace {

// No gauge has more mouse records than this, nor nests groups deeper.
constexpr int kMostMouseRecords = 4096;
constexpr int kMostGroupDepth = 32;
constexpr size_t kMostTooltipChars = 256;

}  // namespace

PlacedMouseList place_mouse_list(const MouseArea* list) {
    PlacedMouseList placed;
    if (list == nullptr) return placed;
    struct Origin { int x, y; size_t group; };
    std::vector<Origin> open_groups;
    for (int i = 0; i < kMostMouseRecords; ++i) {
        const MouseArea& record = list[i];
        const int origin_x = open_groups.empty() ? 0 : open_groups.back().x;
        const int origin_y = open_groups.empty() ? 0 : open_groups.back().y;
        PlacedBox box{origin_x + record.box.x, origin_y + record.box.y, record.box.width,
                      record.box.height, false};
        switch (record.kind) {
        case kMouseEndOfList: return placed;
        case kMouseGroupBegin: {
            if (open_groups.size() >= kMostGroupDepth) return placed;
            box.whole_gauge = open_groups.empty() && record.box.x == 0 && record.box.y == 0 &&
                              record.box.width == 0 && record.box.height == 0;
            placed.groups.push_back({box, static_cast<int>(open_groups.size()), record.help_id, {}});
            open_groups.push_back({box.x, box.y, placed.groups.size() - 1});
            break;
        }
        case kMouseGroupEnd:
            if (open_groups.empty()) return placed;
            open_groups.pop_back();
            break;
        case kMouseTooltip:
            if (!open_groups.empty() && record.tooltip_text != nullptr) {
                const size_t length = strnlen(record.tooltip_text, kMostTooltipChars);
                placed.groups[open_groups.back().group].tooltip.assign(record.tooltip_text, length);
            }
            break;
        case kMouseArea: placed.areas.push_back({&record, box}); break;
        default: return placed;  // not a mouse record: the list is read no further
        }
    }
    return placed;
}

}  // namespace panel_host
