#include "drag_path.h"

namespace panel_runner {

namespace {

// The point `step` of `steps` along the way from `from` to `to`.
int between(int from, int to, int step, int steps) {
    const long long travelled = static_cast<long long>(to - from) * step;
    const long long half = travelled >= 0 ? steps / 2 : -(steps / 2);
    return from + static_cast<int>((travelled + half) / steps);
}

}  // namespace

std::vector<PointerPosition> drag_path(const Drag& drag) {
    std::vector<PointerPosition> path;
    for (int step = 1; step <= drag.steps; ++step)
        path.push_back({between(drag.x0, drag.x1, step, drag.steps), between(drag.y0, drag.y1, step, drag.steps)});
    return path;
}

}  // namespace panel_runner
