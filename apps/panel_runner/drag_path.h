// The pointer positions a scripted drag moves through after its press.
#pragma once

#include <vector>

#include "script.h"

namespace panel_runner {

struct PointerPosition {
    int x, y;
    bool operator==(const PointerPosition&) const = default;
};

// `steps` positions evenly spaced from the press point to the end point, rounded to the
// nearest pixel (halves away from the press point); the last one is the end point.
std::vector<PointerPosition> drag_path(const Drag& drag);

}  // namespace panel_runner
