// A placed transponder on a panel host with its own variable store. The fixture stands in for
// the simulator's one reaction the tests need: a set-code key event sets the code token
// (unless a test turns that off). Every key event the host's sink receives is recorded.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "panel_host/panel_host.h"

namespace navstack_xpndr_test {

// Simulator tokens.
inline constexpr uint32_t kTickCount = 0x01;
inline constexpr uint32_t kCode = 0x26;  // BCD integer
inline constexpr uint32_t kAltitude = 0x4a;

inline constexpr uint32_t kSetCode = 0x100b3;

// Failure keys.
inline constexpr uint32_t kElectricalFailure = 0x14;
inline constexpr uint32_t kSecondElectricalFailure = 0x15;
inline constexpr uint32_t kFailureWithoutAction = 0x11;

// A point on the face, in gauge pixels.
struct Spot {
    const char* name;
    int x;
    int y;
};
inline constexpr Spot kVfrButton{"VFR", 29, 65};
inline constexpr Spot kFuncButton{"FUNC", 432, 33};
inline constexpr Spot kClrButton{"CLR", 472, 64};
inline constexpr Spot kDigitButtons[] = {
    {"0", 30, 103},  {"1", 75, 103},  {"2", 119, 103}, {"3", 163, 103},
    {"4", 207, 103}, {"5", 262, 103}, {"6", 306, 103}, {"7", 351, 103},
};
// Buttons painted on the face that take no clicks.
inline constexpr Spot kPaintedButtons[] = {
    {"IDENT", 29, 33}, {"ON", 69, 33},    {"ALT", 105, 33},      {"STBY", 69, 65},
    {"OFF", 105, 65},  {"CRSR", 472, 33}, {"START/STOP", 432, 64}, {"8", 410, 103},
    {"9", 454, 103},
};

// The texts of the display, by where they sit.
enum class Text { code, page_title, page_value, mode_legend };
inline constexpr Text kAllTexts[] = {Text::code, Text::page_title, Text::page_value,
                                     Text::mode_legend};
const char* text_name(Text text);
std::ostream& operator<<(std::ostream& out, Text text);

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

// The set-code events for these codes, in order.
Events set_code_events(std::initializer_list<int32_t> codes);

class XpndrPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set_code(int32_t bcd) { store_.set_integer(kCode, bcd); }
    void set_altitude(double feet) { store_.set_number(kAltitude, feet); }
    void set_tick(double tick) { store_.set_number(kTickCount, tick); }
    void frame() { host_.run_frame(); }

    void press(const Spot& spot) { press(spot, xpndr_); }
    void press(const Spot& spot, panel_host::InstanceId instance);
    // Presses keys by their letters: digits 0-7, C for CLR, V for VFR, F for FUNC; runs a
    // frame after each key and returns the code shown after each.
    std::vector<std::string> key_in(const std::string& keys);

    Events take_events();

    panel_host::InstanceId place_another();

    const panel_host::ElementState& state(Text which) const { return state(which, xpndr_); }
    const panel_host::ElementState& state(Text which, panel_host::InstanceId instance) const;
    const std::string& shown(Text which) const { return state(which).text; }
    // The element's text buffer as the gauge last wrote it.
    char* buffer(Text which) const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId xpndr_ = panel_host::kNoInstance;
    bool simulator_takes_codes_ = true;

private:
    Events events_;
};

}  // namespace navstack_xpndr_test
