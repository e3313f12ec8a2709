// Both GPS/NAV/COM units placed on a panel host with its own variable store, recording every
// key event and window toggle the host receives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "panel_host/panel_host.h"

namespace navcom_test {

enum class Unit { one, two };
inline constexpr Unit kBothUnits[] = {Unit::one, Unit::two};
std::ostream& operator<<(std::ostream& out, Unit unit);

// What each unit reads and sends, as the simulator knows its radios.
struct UnitRadios {
    const char* gauge_name;
    // BCD frequency tokens and the NAV receiver's distance.
    uint32_t com_active;
    uint32_t com_standby;
    uint32_t nav_active;
    uint32_t nav_standby;
    uint32_t nav_distance;
    // Key events.
    uint32_t set_com_standby;
    uint32_t set_nav_standby;
    uint32_t com_fraction_left;
    uint32_t com_fraction_right;
    uint32_t nav_fraction_left;
    uint32_t nav_fraction_right;
    uint32_t com_swap;
    uint32_t nav_swap;
    uint32_t nav_ident;
};
const UnitRadios& radios(Unit unit);

// The one GPS both units show, the course source, and the tick count.
inline constexpr uint32_t kTick = 0x01;
inline constexpr uint32_t kGroundSpeed = 0x340;   // m/s
inline constexpr uint32_t kTrack = 0x342;         // radians
inline constexpr uint32_t kGpsDistance = 0x343;   // metres
inline constexpr uint32_t kBearing = 0x344;       // radians
inline constexpr uint32_t kCrossTrack = 0x345;    // metres
inline constexpr uint32_t kWaypoint = 0x347;      // text
inline constexpr uint32_t kDesiredTrack = 0x34f;  // degrees
inline constexpr uint32_t kCourseSource = 0x350;  // 1.0 while the GPS drives the course

inline constexpr uint32_t kToggleCourseSource = 0x10347;
inline constexpr uint32_t kUnitWindow = 225;
// The throttled texts are rebuilt at most once in this many ticks.
inline constexpr uint32_t kRefreshTicks = 6;

// What the face shows, by its element's place in the tree (pre-order, the face is 0).
enum class Shown : int {
    nav_distance = 1,
    source_label,
    nav_standby,
    nav_active,
    com_standby,
    com_active,
    ete,
    track,
    ground_speed,
    bearing,
    desired_track,
    gps_distance,
    waypoint,
    deviation_bar,
};
const char* shown_name(Shown shown);
std::ostream& operator<<(std::ostream& out, Shown shown);

// The throttled texts, and every text.
inline constexpr Shown kThrottledTexts[] = {Shown::source_label, Shown::ete, Shown::track,
                                            Shown::ground_speed, Shown::bearing,
                                            Shown::desired_track, Shown::gps_distance,
                                            Shown::waypoint};

// A point on a control of the face, in gauge pixels.
struct Spot {
    const char* name;
    int x;
    int y;
};
std::ostream& operator<<(std::ostream& out, const Spot& spot);
inline constexpr Spot kWindowKnob{"PUSH CRSR knob", 472, 169};
inline constexpr Spot kCdiButton{"CDI", 146, 192};
inline constexpr Spot kComSwap{"COM swap", 97, 51};
inline constexpr Spot kNavSwap{"NAV swap", 97, 101};
inline constexpr Spot kNavIdent{"VLOC knob", 38, 82};
inline constexpr Spot kComWholeMhz{"COM MHz", 145, 72};
inline constexpr Spot kComFraction{"COM kHz", 177, 72};
inline constexpr Spot kNavWholeMhz{"NAV MHz", 145, 125};
inline constexpr Spot kNavFraction{"NAV kHz", 177, 125};
inline constexpr Spot kAllControls[] = {kWindowKnob,  kCdiButton,   kComSwap,
                                        kNavSwap,     kNavIdent,    kComWholeMhz,
                                        kComFraction, kNavWholeMhz, kNavFraction};

using panel_host::MouseButton;
const char* button_name(MouseButton button);

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

struct WindowToggle {
    uint32_t window;
    bool visible;
    bool operator==(const WindowToggle&) const = default;
};
std::ostream& operator<<(std::ostream& out, const WindowToggle& toggle);

class NavcomPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void set_bcd(uint32_t token, int64_t digits) { store_.set_integer(token, digits); }
    void set_text(uint32_t token, const std::string& text) { store_.set_text(token, text); }

    // One frame with the tick count at `tick`.
    void frame_at(double tick);
    // One frame at the current tick.
    void frame() { frame_at(tick_); }
    // One frame a whole refresh period after the last: every throttled text is rebuilt.
    void refresh() { frame_at(tick_ + kRefreshTicks); }

    void click(Unit unit, const Spot& spot, MouseButton button = MouseButton::left);
    // Press, run the frames with the button held, release.
    void hold(Unit unit, const Spot& spot, MouseButton button, int frames);

    // Let set-standby key events tune the store's standby frequencies, as the simulator does.
    void tune_standby_on_key_events() { simulate_tuning_ = true; }

    // What the host received since the last call.
    Events take_events();
    std::vector<WindowToggle> take_window_toggles();

    panel_host::InstanceId instance(Unit unit) const;
    const panel_host::ElementState& element(Unit unit, Shown shown) const;
    // The text as the host shows it, and as the gauge left it in its buffer.
    std::string text(Unit unit, Shown shown) const;
    std::string buffer(Unit unit, Shown shown) const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId units_[2] = {panel_host::kNoInstance, panel_host::kNoInstance};
    double tick_ = 0;

private:
    void simulate_tuning(const panel_abi::KeyEvent& event);

    Events events_;
    std::vector<WindowToggle> toggles_;
    bool simulate_tuning_ = false;
};

}  // namespace navcom_test
