#include "audpnl_panel.h"

#include "module_path.h"

namespace navstack_audpnl_test {

using panel_host::ElementState;
using panel_host::InstanceId;

namespace {

struct LampPlace {
    Lamp lamp;
    int x;
    int y;
};
constexpr LampPlace kLampPlaces[] = {
    {Lamp::com1, 127, 15},      {Lamp::com2, 168, 15}, {Lamp::com_split, 269, 50},
    {Lamp::nav1, 269, 15},      {Lamp::nav2, 312, 15}, {Lamp::dme, 351, 15},
    {Lamp::marker_mute, 83, 15}, {Lamp::adf, 393, 15},
};
constexpr int kMarkerStripX = 7;
constexpr int kMarkerStripY = 16;

const ElementState* icon_at(const panel_host::PanelHost& host, InstanceId instance, int x,
                            int y) {
    for (const ElementState& state : host.elements(instance))
        if (state.kind == panel_abi::kIcon && state.element->position.x == x &&
            state.element->position.y == y)
            return &state;
    return nullptr;
}

}  // namespace

const char* lamp_name(Lamp lamp) {
    switch (lamp) {
    case Lamp::com1: return "COM1";
    case Lamp::com2: return "COM2";
    case Lamp::com_split: return "COM 1/2";
    case Lamp::nav1: return "NAV1";
    case Lamp::nav2: return "NAV2";
    case Lamp::dme: return "DME";
    case Lamp::marker_mute: return "MKR MUTE";
    case Lamp::adf: return "ADF";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, Lamp lamp) { return out << lamp_name(lamp); }

std::ostream& operator<<(std::ostream& out, Marker marker) {
    switch (marker) {
    case Marker::none: return out << "no marker";
    case Marker::outer: return out << "O";
    case Marker::middle: return out << "M";
    case Marker::inner: return out << "A";
    }
    return out << "?";
}

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << std::dec << ", " << sent.value << "}";
}

void AudpnlPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
    });
    host_.on_window_toggle([this](uint32_t number, bool visible) {
        window_toggles_.emplace_back(number, visible);
    });
    std::string error;
    module_ = host_.load_module(module_path("navstack"), &error);
    ASSERT_NE(module_, nullptr) << error;
    audpnl_ = host_.place(module_, "audpnl", &error);
    ASSERT_NE(audpnl_, panel_host::kNoInstance) << error;
    frame();
}

void AudpnlPanel::press(const Spot& spot, InstanceId instance) {
    host_.mouse_press(instance, spot.x, spot.y, panel_host::MouseButton::left);
    host_.mouse_release();
}

Events AudpnlPanel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

std::vector<std::pair<uint32_t, bool>> AudpnlPanel::take_window_toggles() {
    std::vector<std::pair<uint32_t, bool>> taken;
    taken.swap(window_toggles_);
    return taken;
}

InstanceId AudpnlPanel::place(const char* gauge) {
    std::string error;
    const InstanceId instance = host_.place(module_, gauge, &error);
    EXPECT_NE(instance, panel_host::kNoInstance) << error;
    return instance;
}

const ElementState& AudpnlPanel::lamp(Lamp which, InstanceId instance) const {
    for (const LampPlace& place : kLampPlaces)
        if (place.lamp == which)
            if (const ElementState* state = icon_at(host_, instance, place.x, place.y))
                return *state;
    ADD_FAILURE() << "no " << lamp_name(which) << " lamp";
    static const ElementState none;
    return none;
}

std::vector<Lamp> AudpnlPanel::lit_lamps() const {
    std::vector<Lamp> lit_now;
    for (Lamp which : kAllLamps)
        if (lit(which)) lit_now.push_back(which);
    return lit_now;
}

const ElementState& AudpnlPanel::marker_strip() const {
    if (const ElementState* state = icon_at(host_, audpnl_, kMarkerStripX, kMarkerStripY))
        return *state;
    ADD_FAILURE() << "no marker strip";
    static const ElementState none;
    return none;
}

Marker AudpnlPanel::marker_shown() const {
    switch (marker_strip().icon_case) {
    case 0: return Marker::outer;
    case 1: return Marker::middle;
    case 2: return Marker::inner;
    default: return Marker::none;
    }
}

}  // namespace navstack_audpnl_test
