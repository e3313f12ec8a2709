#include "autopilot_panel.h"

#include <cmath>
#include <limits>

#include "module_path.h"

namespace autoflight_test {

using panel_host::ElementState;
using panel_host::InstanceId;

namespace {

constexpr double kUnitsPerFpm = 1.30048;

}  // namespace

const char* legend_name(Legend legend) {
    switch (legend) {
    case Legend::rdy: return "RDY";
    case Legend::hdg: return "HDG";
    case Legend::nav: return "NAV";
    case Legend::apr: return "APR";
    case Legend::rev: return "REV";
    case Legend::alt: return "ALT";
    case Legend::gs: return "GS";
    case Legend::gpss: return "GPSS";
    case Legend::vs: return "VS";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, Legend legend) { return out << legend_name(legend); }

std::ostream& operator<<(std::ostream& out, const Sent& sent) {
    return out << "{0x" << std::hex << sent.id << std::dec << ", " << sent.value << "}";
}

Events engage_events(int32_t vertical_speed_target, int32_t altitude_target) {
    return {{kSetVerticalSpeed, vertical_speed_target},
            {kSetAltitude, altitude_target},
            {kEngageFirst, 0},
            {kEngageSecond, 0}};
}

Events disengage_events() { return {{kDisengageFirst, 0}, {kDisengageSecond, 0}}; }

double raw_vertical_speed(double feet_per_minute) {
    double raw = feet_per_minute * kUnitsPerFpm;
    const double away_from_zero = raw < 0 ? -std::numeric_limits<double>::infinity()
                                          : std::numeric_limits<double>::infinity();
    while (std::isfinite(raw) && std::fabs(raw / kUnitsPerFpm) < std::fabs(feet_per_minute))
        raw = std::nextafter(raw, away_from_zero);
    return raw;
}

void AutopilotPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) {
        events_.push_back({event.id, event.value});
    });
    std::string error;
    module_ = host_.load_module(module_path("autoflight"), &error);
    ASSERT_NE(module_, nullptr) << error;
    autopilot_ = host_.place(module_, "autopilot", &error);
    ASSERT_NE(autopilot_, panel_host::kNoInstance) << error;

    // The module's state lives as long as the loaded library: each test must start from a
    // fresh load, with no vertical mode engaged.
    set(kMaster, 1);
    frame();
    ASSERT_FALSE(lit(Legend::alt) || lit(Legend::vs))
        << "the module kept a vertical mode from an earlier test";
    set(kMaster, 0);
    frame();
}

void AutopilotPanel::press(const Spot& spot, InstanceId instance) {
    host_.mouse_press(instance, spot.x, spot.y, panel_host::MouseButton::left);
    host_.mouse_release();
}

Events AutopilotPanel::take_events() {
    Events taken;
    taken.swap(events_);
    return taken;
}

InstanceId AutopilotPanel::place_another() {
    std::string error;
    const InstanceId instance = host_.place(module_, "autopilot", &error);
    EXPECT_NE(instance, panel_host::kNoInstance) << error;
    return instance;
}

const ElementState& AutopilotPanel::legend(Legend which, InstanceId instance) const {
    for (const ElementState& state : host_.elements(instance))
        if (state.kind == panel_abi::kIcon &&
            state.element->image_id == static_cast<int32_t>(which))
            return state;
    ADD_FAILURE() << "no " << legend_name(which) << " annunciator";
    static const ElementState none;
    return none;
}

bool AutopilotPanel::lit(Legend which, InstanceId instance) const {
    return legend(which, instance).icon_case == 0;
}

const ElementState& AutopilotPanel::readout() const {
    for (const ElementState& state : host_.elements(autopilot_))
        if (state.kind == panel_abi::kTextString) return state;
    ADD_FAILURE() << "no vertical-speed readout";
    static const ElementState none;
    return none;
}

std::vector<Legend> AutopilotPanel::lit_legends() const {
    std::vector<Legend> lit_now;
    for (Legend which : kAllLegends)
        if (lit(which)) lit_now.push_back(which);
    return lit_now;
}

}  // namespace autoflight_test
