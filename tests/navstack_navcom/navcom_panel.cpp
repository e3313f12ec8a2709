#include "navcom_panel.h"

#include "module_path.h"

namespace navcom_test {

using panel_host::ElementState;
using panel_host::InstanceId;

namespace {

constexpr UnitRadios kRadios[] = {
    {
        .gauge_name = "navcom1",
        .com_active = 0x17,
        .com_standby = 0x269,
        .nav_active = 0x18,
        .nav_standby = 0x368,
        .nav_distance = 0x1f,
        .set_com_standby = 0x10343,
        .set_nav_standby = 0x1038f,
        .com_fraction_left = 0x10382,
        .com_fraction_right = 0x10383,
        .nav_fraction_left = 0x1038d,
        .nav_fraction_right = 0x1038e,
        .com_swap = 0x10344,
        .nav_swap = 0x10390,
        .nav_ident = 0x10132,
    },
    {
        .gauge_name = "navcom2",
        .com_active = 0x366,
        .com_standby = 0x367,
        .nav_active = 0x1b,
        .nav_standby = 0x369,
        .nav_distance = 0x23,
        .set_com_standby = 0x1038b,
        .set_nav_standby = 0x10393,
        .com_fraction_left = 0x10387,
        .com_fraction_right = 0x10389,
        .nav_fraction_left = 0x10391,
        .nav_fraction_right = 0x10392,
        .com_swap = 0x1038c,
        .nav_swap = 0x10394,
        .nav_ident = 0x10133,
    },
};

int index_of(Unit unit) { return unit == Unit::one ? 0 : 1; }

}  // namespace

const UnitRadios& radios(Unit unit) { return kRadios[index_of(unit)]; }

std::ostream& operator<<(std::ostream& out, Unit unit) { return out << radios(unit).gauge_name; }

const char* shown_name(Shown shown) {
    switch (shown) {
    case Shown::nav_distance: return "NAV distance";
    case Shown::source_label: return "source label";
    case Shown::nav_standby: return "NAV standby";
    case Shown::nav_active: return "NAV active";
    case Shown::com_standby: return "COM standby";
    case Shown::com_active: return "COM active";
    case Shown::ete: return "ETE";
    case Shown::track: return "TRK";
    case Shown::ground_speed: return "GS";
    case Shown::bearing: return "BRG";
    case Shown::desired_track: return "DTK";
    case Shown::gps_distance: return "DIS";
    case Shown::waypoint: return "waypoint";
    case Shown::deviation_bar: return "deviation bar";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, Shown shown) { return out << shown_name(shown); }

std::ostream& operator<<(std::ostream& out, const Spot& spot) { return out << spot.name; }

const char* button_name(MouseButton button) {
    return button == MouseButton::left ? "left" : "right";
}

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << ", 0x" << sent.value << std::dec << "}";
}

std::ostream& operator<<(std::ostream& out, const WindowToggle& toggle) {
    return out << "{" << toggle.window << (toggle.visible ? ", shown}" : ", hidden}");
}

void NavcomPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
        if (simulate_tuning_) simulate_tuning(event);
    });
    host_.on_window_toggle([this](uint32_t number, bool visible) {
        toggles_.push_back({number, visible});
    });
    host_.define_window(kUnitWindow, false);

    std::string error;
    module_ = host_.load_module(module_path("navstack"), &error);
    ASSERT_NE(module_, nullptr) << error;
    for (Unit unit : kBothUnits) {
        units_[index_of(unit)] = host_.place(module_, radios(unit).gauge_name, &error);
        ASSERT_NE(units_[index_of(unit)], panel_host::kNoInstance) << error;
    }
}

void NavcomPanel::frame_at(double tick) {
    tick_ = tick;
    set(kTick, tick);
    host_.run_frame();
}

void NavcomPanel::click(Unit unit, const Spot& spot, MouseButton button) {
    host_.mouse_press(instance(unit), spot.x, spot.y, button);
    host_.mouse_release();
}

void NavcomPanel::hold(Unit unit, const Spot& spot, MouseButton button, int frames) {
    host_.mouse_press(instance(unit), spot.x, spot.y, button);
    for (int i = 0; i < frames; ++i) frame();
    host_.mouse_release();
}

void NavcomPanel::simulate_tuning(const panel_abi::KeyEvent& event) {
    for (Unit unit : kBothUnits) {
        const UnitRadios& r = radios(unit);
        if (event.id == r.set_com_standby) set_bcd(r.com_standby, event.value);
        if (event.id == r.set_nav_standby) set_bcd(r.nav_standby, event.value);
    }
}

Events NavcomPanel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

std::vector<WindowToggle> NavcomPanel::take_window_toggles() {
    std::vector<WindowToggle> taken;
    taken.swap(toggles_);
    return taken;
}

InstanceId NavcomPanel::instance(Unit unit) const { return units_[index_of(unit)]; }

const ElementState& NavcomPanel::element(Unit unit, Shown shown) const {
    const auto& elements = host_.elements(instance(unit));
    const auto index = static_cast<size_t>(shown);
    const int expected_kind = shown == Shown::deviation_bar ? panel_abi::kSlider
                                                            : panel_abi::kTextString;
    if (index < elements.size() && elements[index].kind == expected_kind) return elements[index];
    ADD_FAILURE() << unit << " has no " << shown << " element";
    static const ElementState none;
    return none;
}

std::string NavcomPanel::text(Unit unit, Shown shown) const { return element(unit, shown).text; }

std::string NavcomPanel::buffer(Unit unit, Shown shown) const {
    const ElementState& state = element(unit, shown);
    if (state.element == nullptr) return "";
    const auto* string = reinterpret_cast<const panel_abi::TextString*>(state.element);
    if (string->buffer == nullptr) {
        ADD_FAILURE() << unit << " " << shown << " has no text buffer";
        return "";
    }
    return std::string(string->buffer);
}

}  // namespace navcom_test
