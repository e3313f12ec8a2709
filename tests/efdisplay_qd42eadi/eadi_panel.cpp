#include "eadi_panel.h"

#include <string>

#include "module_path.h"

namespace efdisplay_test {

using panel_host::ElementState;
using panel_host::InstanceId;

namespace {

// The NAV button of the display control panel.
constexpr int kNavButtonX = 229;
constexpr int kNavButtonY = 54;
constexpr int kElementCount = 10;

}  // namespace

void EadiPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) { events_.push_back(event); });
    std::string error;
    module_ = host_.load_module(module_path("efdisplay"), &error);
    ASSERT_NE(module_, nullptr) << error;
    eadi_ = host_.place(module_, "qd42eadi", &error);
    ASSERT_NE(eadi_, panel_host::kNoInstance) << error;
    frame();
    ASSERT_EQ(host_.elements(eadi_).size(), static_cast<size_t>(kElementCount));
}

void EadiPanel::select_nav_source(int source) {
    if (control_panel_ == panel_host::kNoInstance) {
        std::string error;
        control_panel_ = host_.place(module_, "qp48", &error);
        ASSERT_NE(control_panel_, panel_host::kNoInstance) << error;
    }
    for (int clicks = 0; nav_source_ != source && clicks < 4; ++clicks) {
        host_.mouse_press(control_panel_, kNavButtonX, kNavButtonY,
                          panel_host::MouseButton::left);
        host_.mouse_release();
        nav_source_ = nav_source_ % 4 + 1;
    }
}

const ElementState& EadiPanel::item(Item which) const { return item(which, eadi_); }

const ElementState& EadiPanel::item(Item which, InstanceId instance) const {
    const auto& states = host_.elements(instance);
    const auto index = static_cast<size_t>(which);
    if (index < states.size() && states[index].depth == static_cast<int>(index))
        return states[index];
    ADD_FAILURE() << "no element at depth " << index;
    static const ElementState none;
    return none;
}

}  // namespace efdisplay_test
