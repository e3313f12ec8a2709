#include "display_snapshot.h"

#include <algorithm>
#include <vector>

#include "module_path.h"

namespace golden {

DisplaySnapshot::DisplaySnapshot(const std::string& module_name)
    : host_(std::make_unique<panel_host::PanelHost>(store_)) {
    module_ = host_->load_module(module_path(module_name), &error_);
    if (loaded()) renderer_ = std::make_unique<panel_host::GaugeRenderer>(*host_);
}

// The renderer holds pictures of the module; it goes before the host unloads the module.
DisplaySnapshot::~DisplaySnapshot() {
    renderer_.reset();
    host_.reset();
}

panel_host::InstanceId DisplaySnapshot::place(const std::string& gauge_name) {
    if (!loaded()) return panel_host::kNoInstance;
    return host_->place(module_, gauge_name, &error_);
}

void DisplaySnapshot::click(panel_host::InstanceId instance, int x, int y) {
    host_->mouse_press(instance, x, y, panel_host::MouseButton::left);
    host_->mouse_release();
}

Picture DisplaySnapshot::draw(panel_host::InstanceId instance) {
    return Picture{renderer_->draw_alone(instance)};
}

Picture DisplaySnapshot::draw_side_by_side(
    std::initializer_list<panel_host::InstanceId> instances) {
    std::vector<Picture> pictures;
    int width = 0;
    int height = 0;
    for (panel_host::InstanceId instance : instances) {
        pictures.push_back(draw(instance));
        width += cairo_image_surface_get_width(pictures.back().get());
        height = std::max(height, cairo_image_surface_get_height(pictures.back().get()));
    }
    Picture row{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)};
    cairo_t* cr = cairo_create(row.get());
    double x = 0;
    for (const Picture& picture : pictures) {
        cairo_set_source_surface(cr, picture.get(), x, 0);
        cairo_paint(cr);
        x += cairo_image_surface_get_width(picture.get());
    }
    cairo_destroy(cr);
    return row;
}

}  // namespace golden
