// Draws placed gauges with cairo from the host's element states: bitmaps, needles turned
// about their pivot, sliders, icon cases, sprites clipped by their window, and texts in
// their box. Pictures are decoded from the module's resources once and kept.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <tuple>

#include "panel_host/panel_host.h"

namespace panel_host {

// Makes the gauges' font names resolve ("GLASS GAUGE" to B612, "Courier New" to Liberation
// Mono). Called once before the first text is drawn; later calls do nothing.
void install_font_aliases();

// Hand back the fonts and patterns cairo and fontconfig keep process-wide, once nothing draws
// any more (after the last renderer is gone), so that a leak checker sees a clean exit.
void release_drawing_caches();

class GaugeRenderer {
public:
    explicit GaugeRenderer(const PanelHost& host);
    ~GaugeRenderer();
    GaugeRenderer(const GaugeRenderer&) = delete;
    GaugeRenderer& operator=(const GaugeRenderer&) = delete;

    // Draw the instance as its last frame left it, its design size scaled onto the rectangle.
    void draw(cairo_t* cr, InstanceId instance, double x, double y, double width, double height);

    // The instance alone at its design size, as an image surface (caller destroys it).
    cairo_surface_t* draw_alone(InstanceId instance);

private:
    // The module's bitmap of that id as a surface, pure black made transparent when asked;
    // null when the module has no such bitmap.
    cairo_surface_t* picture(const LoadedModule* module, int32_t id, bool black_transparent);
    cairo_surface_t* case_picture(const LoadedModule* module, int32_t first_id, int icon_case,
                                  bool black_transparent);
    void draw_element(cairo_t* cr, const LoadedModule* module, const ElementState& state);

    const PanelHost& host_;
    std::map<std::tuple<const LoadedModule*, int32_t, bool>, cairo_surface_t*> pictures_;
};

}  // namespace panel_host
