// The running panel: the simulated aircraft, the host with every gauge of the panel
// configuration placed, and the canvas the visible panel windows are drawn on.
#pragma once

#include <cairo.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "panel_host/panel.h"
#include "panel_host/panel_host.h"
#include "panel_host/renderer.h"
#include "panel_host/variable_store.h"
#include "panel_sim/simulated_aircraft.h"

namespace panel_window {

// A point of the canvas resolved to a gauge's design pixels.
struct GaugePoint {
    panel_host::InstanceId instance = panel_host::kNoInstance;
    int x = 0;
    int y = 0;
};

class PanelSession {
public:
    PanelSession(const std::string& module_dir, const std::string& panel_path);

    // The faults met while bringing the panel up, one line each.
    const std::vector<std::string>& problems() const { return problems_; }

    // Where each key event is reported, after the aircraft has acted on it.
    void on_key_event(std::function<void(const panel_abi::KeyEvent&)> observer);

    // One panel frame: the aircraft moves, then every gauge runs.
    void advance_frame();

    int canvas_width() const { return canvas_width_; }
    int canvas_height() const { return canvas_height_; }
    void draw(cairo_t* cr);
    bool write_png(const std::string& path);

    // The gauge of a visible window under a canvas point, topmost first.
    std::optional<GaugePoint> gauge_at(int x, int y) const;
    // The same point in a given gauge's design pixels (may lie outside it, as drags do).
    GaugePoint to_gauge(panel_host::InstanceId instance, int x, int y) const;

    panel_host::PanelHost& host() { return host_; }

private:
    panel_host::VariableStore store_;
    panel_sim::SimulatedAircraft aircraft_;
    panel_host::PanelHost host_;
    panel_host::Panel panel_;
    panel_host::GaugeRenderer renderer_;
    std::vector<std::string> problems_;
    std::function<void(const panel_abi::KeyEvent&)> key_observer_;
    int canvas_width_ = 1;
    int canvas_height_ = 1;
};

}  // namespace panel_window
