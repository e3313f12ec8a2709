// The interactive panel window: draws the panel every frame at a steady rate and turns the
// pilot's mouse into clicks, held-button repeats and drags on the gauges.
#pragma once

#include "panel_session.h"

namespace panel_window {

struct WindowOptions {
    int scale = 1;          // window pixels per panel pixel
    int quit_after_frames = 0;  // 0: run until the window is closed
};

// Returns the program's exit status; a failure to open the window is reported on stderr.
int run_window(PanelSession& session, const WindowOptions& options);

}  // namespace panel_window
