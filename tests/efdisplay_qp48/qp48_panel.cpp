#include "qp48_panel.h"

#include <cctype>
#include <string>

#include "module_path.h"

namespace efdisplay_qp48_test {

using panel_host::InstanceId;

std::string test_name(const Spot& spot) {
    std::string name;
    for (const char* c = spot.name; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name;
}

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << std::dec << ", " << sent.value << "}";
}

void Qp48Panel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
    });
    std::string error;
    module_ = host_.load_module(module_path("efdisplay"), &error);
    ASSERT_NE(module_, nullptr) << error;
    panel_ = host_.place(module_, "qp48", &error);
    ASSERT_NE(panel_, panel_host::kNoInstance) << error;
    frame();
}

void Qp48Panel::press(const Spot& spot, InstanceId instance) {
    host_.mouse_press(instance, spot.x, spot.y, panel_host::MouseButton::left);
    host_.mouse_release();
}

void Qp48Panel::press_times(const Spot& spot, int times) {
    for (int i = 0; i < times; ++i) press(spot);
}

Events Qp48Panel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

int Qp48Panel::stepped_vor() {
    take_events();
    press(kDirRight);
    const Events sent = take_events();
    if (sent == Events{{kVor1CourseUp, 0}}) return 1;
    if (sent == Events{{kVor2CourseUp, 0}}) return 2;
    ADD_FAILURE() << "the DIR knob's right half sent " << ::testing::PrintToString(sent);
    return 0;
}

InstanceId Qp48Panel::place_another() {
    std::string error;
    const InstanceId instance = host_.place(module_, "qp48", &error);
    EXPECT_NE(instance, panel_host::kNoInstance) << error;
    return instance;
}

}  // namespace efdisplay_qp48_test
