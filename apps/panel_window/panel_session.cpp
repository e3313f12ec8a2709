#include "panel_session.h"

#include <algorithm>
#include <cmath>

namespace panel_window {

using panel_host::PanelGauge;
using panel_host::PanelWindow;

namespace {

// The panel's own colour behind the gauges of a window.
constexpr double kPanelGrey = 0.18;

}  // namespace

PanelSession::PanelSession(const std::string& module_dir, const std::string& panel_path)
    : aircraft_(store_), host_(store_), panel_(host_, module_dir), renderer_(host_) {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        aircraft_.apply(event);
        if (key_observer_) key_observer_(event);
    });
    problems_ = panel_.load(panel_path);
    for (const PanelWindow& window : panel_.config().windows) {
        canvas_width_ = std::max(canvas_width_, window.x + window.width);
        canvas_height_ = std::max(canvas_height_, window.y + window.height);
    }
}

void PanelSession::on_key_event(std::function<void(const panel_abi::KeyEvent&)> observer) {
    key_observer_ = std::move(observer);
}

void PanelSession::advance_frame() {
    aircraft_.advance_frame();
    host_.run_frame();
}

void PanelSession::draw(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    const auto& windows = panel_.config().windows;
    for (size_t index = 0; index < windows.size(); ++index) {
        if (!panel_.window_visible(index)) continue;
        const PanelWindow& window = windows[index];
        cairo_set_source_rgb(cr, kPanelGrey, kPanelGrey, kPanelGrey);
        cairo_rectangle(cr, window.x, window.y, window.width, window.height);
        cairo_fill(cr);
        for (const PanelGauge& gauge : panel_.gauges())
            if (gauge.window == index)
                renderer_.draw(cr, gauge.instance, window.x + gauge.x, window.y + gauge.y,
                               gauge.width, gauge.height);
    }
    cairo_restore(cr);
}

bool PanelSession::write_png(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, canvas_width_, canvas_height_);
    cairo_t* cr = cairo_create(surface);
    draw(cr);
    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

std::optional<GaugePoint> PanelSession::gauge_at(int x, int y) const {
    const auto& windows = panel_.config().windows;
    const auto& gauges = panel_.gauges();
    // Later windows and gauges are drawn over earlier ones, so they are found first.
    for (auto gauge = gauges.rbegin(); gauge != gauges.rend(); ++gauge) {
        if (!panel_.window_visible(gauge->window)) continue;
        const PanelWindow& window = windows[gauge->window];
        const int left = window.x + gauge->x;
        const int top = window.y + gauge->y;
        if (x >= left && y >= top && x < left + gauge->width && y < top + gauge->height)
            return to_gauge(gauge->instance, x, y);
    }
    return std::nullopt;
}

GaugePoint PanelSession::to_gauge(panel_host::InstanceId instance, int x, int y) const {
    for (const PanelGauge& gauge : panel_.gauges()) {
        if (gauge.instance != instance) continue;
        const PanelWindow& window = panel_.config().windows[gauge.window];
        const double scale_x = gauge.width > 0 ? double(gauge.design_width) / gauge.width : 1.0;
        const double scale_y = gauge.height > 0 ? double(gauge.design_height) / gauge.height : 1.0;
        return {instance, static_cast<int>(std::floor((x - window.x - gauge.x) * scale_x)),
                static_cast<int>(std::floor((y - window.y - gauge.y) * scale_y))};
    }
    return {};
}

}  // namespace panel_window
