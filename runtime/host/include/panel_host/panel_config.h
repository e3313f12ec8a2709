// The simulator's panel configuration: which panel windows exist, their size, place,
// visibility and ident number, and which gauge of which module stands where in each.
#pragma once

#include <string>
#include <vector>

namespace panel_host {

struct GaugePlacement {
    std::string module;    // module name, e.g. "autoflight"
    std::string gauge;     // gauge name, e.g. "autopilot"
    int x = 0, y = 0;      // top left corner in the window
    int width = -1;        // -1: the gauge's design size
    int height = -1;
    int line = 0;          // where the file places it
};

struct PanelWindow {
    std::string section;   // "Window00"
    std::string title;     // from [Window Titles]
    int ident = -1;        // the number gauges toggle the window by; -1 when none
    bool visible = true;
    int width = 0, height = 0;  // size_mm: the window's size in panel pixels
    int x = 0, y = 0;      // window_pos: where the window stands on the panel
    std::vector<GaugePlacement> gauges;
    int line = 0;
};

struct PanelConfigProblem {
    std::string file;
    int line = 0;          // 0 when the fault is the file's as a whole
    std::string fault;
    std::string message() const;  // "file:line: fault"
};

struct PanelConfig {
    std::string path;
    std::vector<PanelWindow> windows;  // in file order
};

// Read a panel configuration. Every fault found is added to `problems`; what could be read
// is returned, so the rest of the panel still comes up.
PanelConfig read_panel_config(const std::string& path, std::vector<PanelConfigProblem>& problems);

}  // namespace panel_host
