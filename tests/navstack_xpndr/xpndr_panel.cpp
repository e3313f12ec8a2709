#include "xpndr_panel.h"

#include "module_path.h"

namespace navstack_xpndr_test {

using panel_host::ElementState;
using panel_host::InstanceId;

namespace {

struct TextPlace {
    Text text;
    int x;
    int y;
};
constexpr TextPlace kTextPlaces[] = {
    {Text::code, 190, 33},
    {Text::page_title, 310, 34},
    {Text::page_value, 310, 50},
    {Text::mode_legend, 132, 42},
};

const Spot* spot_of_key(char key) {
    if (key >= '0' && key <= '7') return &kDigitButtons[key - '0'];
    switch (key) {
    case 'C': return &kClrButton;
    case 'V': return &kVfrButton;
    case 'F': return &kFuncButton;
    default: return nullptr;
    }
}

}  // namespace

const char* text_name(Text text) {
    switch (text) {
    case Text::code: return "code";
    case Text::page_title: return "page title";
    case Text::page_value: return "page value";
    case Text::mode_legend: return "mode legend";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, Text text) { return out << text_name(text); }

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << ", 0x" << sent.value << std::dec << "}";
}

Events set_code_events(std::initializer_list<int32_t> codes) {
    Events events;
    for (int32_t code : codes) events.push_back({kSetCode, code});
    return events;
}

void XpndrPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
        if (simulator_takes_codes_ && event.id == kSetCode) set_code(event.value);
    });
    std::string error;
    module_ = host_.load_module(module_path("navstack"), &error);
    ASSERT_NE(module_, nullptr) << error;
    xpndr_ = host_.place(module_, "xpndr", &error);
    ASSERT_NE(xpndr_, panel_host::kNoInstance) << error;
    frame();
}

void XpndrPanel::press(const Spot& spot, InstanceId instance) {
    host_.mouse_press(instance, spot.x, spot.y, panel_host::MouseButton::left);
    host_.mouse_release();
}

std::vector<std::string> XpndrPanel::key_in(const std::string& keys) {
    std::vector<std::string> codes_shown;
    for (char key : keys) {
        const Spot* spot = spot_of_key(key);
        if (spot == nullptr) {
            ADD_FAILURE() << "no key '" << key << "'";
            continue;
        }
        press(*spot);
        frame();
        codes_shown.push_back(shown(Text::code));
    }
    return codes_shown;
}

Events XpndrPanel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

InstanceId XpndrPanel::place_another() {
    std::string error;
    const InstanceId instance = host_.place(module_, "xpndr", &error);
    EXPECT_NE(instance, panel_host::kNoInstance) << error;
    return instance;
}

const ElementState& XpndrPanel::state(Text which, InstanceId instance) const {
    for (const TextPlace& place : kTextPlaces) {
        if (place.text != which) continue;
        for (const ElementState& state : host_.elements(instance))
            if (state.kind == panel_abi::kTextString && state.element->position.x == place.x &&
                state.element->position.y == place.y)
                return state;
    }
    ADD_FAILURE() << "no " << text_name(which) << " text";
    static const ElementState none;
    return none;
}

char* XpndrPanel::buffer(Text which) const {
    panel_abi::Element* element = state(which).element;
    return element != nullptr ? reinterpret_cast<panel_abi::TextString*>(element)->buffer : nullptr;
}

}  // namespace navstack_xpndr_test
