#include "radio_snapshot.h"

#include "module_path.h"

namespace golden {

RadioSnapshot::RadioSnapshot(const std::string& module_name, const std::string& gauge_name)
    : host_(std::make_unique<panel_host::PanelHost>(store_)) {
    host_->on_key_event([this](const panel_abi::KeyEvent& event) { receive(event); });
    panel_host::LoadedModule* module = host_->load_module(module_path(module_name), &error_);
    if (module == nullptr) return;
    instance_ = host_->place(module, gauge_name, &error_);
    if (placed()) renderer_ = std::make_unique<panel_host::GaugeRenderer>(*host_);
}

// The renderer holds pictures of the module; it goes before the host unloads the module.
RadioSnapshot::~RadioSnapshot() {
    renderer_.reset();
    host_.reset();
}

void RadioSnapshot::click(int x, int y) {
    host_->mouse_press(instance_, x, y, panel_host::MouseButton::left);
    host_->mouse_release();
}

void RadioSnapshot::receive(const panel_abi::KeyEvent& event) {
    key_events_.push_back(event.id);
    for (const KeyAnswer& answer : answers_)
        if (answer.key_event == event.id) store_.set_number(answer.token, answer.value);
}

Picture RadioSnapshot::draw() { return Picture{renderer_->draw_alone(instance_)}; }

}  // namespace golden
