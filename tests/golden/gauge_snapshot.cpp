#include "gauge_snapshot.h"

#include "module_path.h"

namespace golden {

GaugeSnapshot::GaugeSnapshot(const std::string& module_name, const std::string& gauge_name)
    : host_(std::make_unique<panel_host::PanelHost>(store_)) {
    panel_host::LoadedModule* module = host_->load_module(module_path(module_name), &error_);
    if (module == nullptr) return;
    instance_ = host_->place(module, gauge_name, &error_);
    if (placed()) renderer_ = std::make_unique<panel_host::GaugeRenderer>(*host_);
}

// The renderer holds pictures of the module; it goes before the host unloads the module.
GaugeSnapshot::~GaugeSnapshot() {
    renderer_.reset();
    host_.reset();
}

void GaugeSnapshot::click(int x, int y) {
    host_->mouse_press(instance_, x, y, panel_host::MouseButton::left);
    host_->mouse_release();
}

Picture GaugeSnapshot::draw() { return Picture{renderer_->draw_alone(instance_)}; }

}  // namespace golden
