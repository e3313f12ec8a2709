// The display control panel qp48: a strip of buttons and knobs that picks what the situation
// and attitude displays show and sets, steps or synchronises the selected course and heading.
// It draws only its background; all its work is done by the display control actions its
// mouse areas call (display_actions.h).
#pragma once

#include "gauges.h"

namespace efdisplay {

// Background bitmap of the panel: 413 x 132 pixels, 8 bits per pixel.
inline constexpr int32_t kQp48BackgroundImage = 12288;

}  // namespace efdisplay
