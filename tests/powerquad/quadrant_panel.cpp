#include "quadrant_panel.h"

#include "module_path.h"

namespace powerquad_test {

using panel_host::ElementState;
using panel_host::InstanceId;

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << std::dec << ", " << sent.value << "}";
}

void QuadrantPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
    });
    std::string error;
    module_ = host_.load_module(module_path("powerquad"), &error);
    ASSERT_NE(module_, nullptr) << error;
    quadrant_ = host_.place(module_, kGaugeName, &error);
    ASSERT_NE(quadrant_, panel_host::kNoInstance) << error;
}

InstanceId QuadrantPanel::place_another() {
    std::string error;
    const InstanceId instance = host_.place(module_, kGaugeName, &error);
    EXPECT_NE(instance, panel_host::kNoInstance) << error;
    return instance;
}

void QuadrantPanel::drag(InstanceId instance, std::initializer_list<Point> path) {
    bool pressed = false;
    for (const Point& point : path) {
        if (!pressed)
            host_.mouse_press(instance, point.x, point.y, panel_host::MouseButton::left);
        else
            host_.mouse_move(instance, point.x, point.y);
        pressed = true;
    }
    host_.mouse_release();
}

Events QuadrantPanel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

const ElementState& QuadrantPanel::knob(const Lever& lever) const {
    for (const ElementState& state : host_.elements(quadrant_))
        if (state.kind == panel_abi::kSlider && state.element->image_id == lever.knob_image)
            return state;
    ADD_FAILURE() << "no " << lever.name << " knob";
    static const ElementState none;
    return none;
}

double QuadrantPanel::knob_top(const Lever& lever) const {
    const ElementState& state = knob(lever);
    if (state.element == nullptr) return 0.0;
    return state.element->position.y + state.slider_y;
}

}  // namespace powerquad_test
