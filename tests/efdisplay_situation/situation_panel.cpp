#include "situation_panel.h"

#include "module_path.h"

namespace efdisplay_test {

using panel_host::ElementState;
using panel_host::InstanceId;

const char* source_name(int source) {
    switch (source) {
    case kOff: return "off";
    case kVor1: return "VOR 1";
    case kVor2: return "VOR 2";
    case kGps: return "GPS";
    case kAdf: return "ADF";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << std::dec << ", " << sent.value << "}";
}

void SituationPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
    });
    std::string error;
    module_ = host_.load_module(module_path("efdisplay"), &error);
    ASSERT_NE(module_, nullptr) << error;
    ehsi_ = host_.place(module_, "qd42ehsi", &error);
    ASSERT_NE(ehsi_, panel_host::kNoInstance) << error;
    cdu_ = host_.place(module_, "qd41cdu", &error);
    ASSERT_NE(cdu_, panel_host::kNoInstance) << error;
    frame();
}

void SituationPanel::press(const Spot& spot) {
    host_.mouse_press(cdu_, spot.x, spot.y, panel_host::MouseButton::left);
    host_.mouse_release();
}

void SituationPanel::step_until(const Spot& button, int* selection, int source, int choices) {
    const int first = button.name == kNavButton.name ? kVor1 : kOff;
    while (*selection != source) {
        press(button);
        *selection = *selection + 1 < first + choices ? *selection + 1 : first;
    }
    frame();
}

void SituationPanel::select_navigation(int source) {
    step_until(kNavButton, &navigation_, source, 4);
}
void SituationPanel::select_bearing1(int source) {
    step_until(kBearing1Button, &bearing1_, source, 5);
}
void SituationPanel::select_bearing2(int source) {
    step_until(kBearing2Button, &bearing2_, source, 5);
}

void SituationPanel::show_time_to_go() {
    press(kSpeedTimeKnob);
    frame();
}

Events SituationPanel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

const ElementState& SituationPanel::part(Part which, InstanceId instance) const {
    for (const ElementState& state : host_.elements(instance))
        if (state.depth == which) return state;
    ADD_FAILURE() << "no element at depth " << static_cast<int>(which);
    static const ElementState none;
    return none;
}

}  // namespace efdisplay_test
