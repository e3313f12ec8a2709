// A placed engine control quadrant on a panel host with its own variable store (no
// simulated aircraft: the levers move only when a test sets their tokens), recording every
// key event the host's sink receives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "panel_host/panel_host.h"

namespace powerquad_test {

inline constexpr const char* kGaugeName = "ORIN_520_Quadrant";

// The highest lever position: lever fully forward.
inline constexpr int32_t kLeverForward = 16383;

struct Lever {
    const char* name;
    uint32_t token;       // the simulator's lever position, 0 … 16383
    uint32_t key_event;   // sets the lever's position
    int32_t knob_image;   // the knob's picture
    int strip_x;          // a column in the middle of the lever's strip, in gauge pixels
};
inline constexpr Lever kPower{"power", 0x80, 0x1011c, 102, 20};
inline constexpr Lever kPropeller{"propeller", 0x81, 0x10183, 103, 54};
inline constexpr Lever kMixture{"mixture", 0x82, 0x1017f, 104, 80};
inline constexpr Lever kLevers[] = {kPower, kPropeller, kMixture};

struct Sent {
    uint32_t id;
    int32_t value;
    bool operator==(const Sent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Sent& sent);
using Events = std::vector<Sent>;

class QuadrantPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void frame() { host_.run_frame(); }
    panel_host::InstanceId place_another();

    // A left-button drag: press at the first point, move through the others, release.
    struct Point {
        int x;
        int y;
    };
    void drag(std::initializer_list<Point> path) { drag(quadrant_, path); }
    void drag(panel_host::InstanceId instance, std::initializer_list<Point> path);
    // The key events sent since the last call.
    Events take_events();

    // The lever's knob after the last frame.
    const panel_host::ElementState& knob(const Lever& lever) const;
    // Where the top of the lever's knob was drawn after the last frame, in gauge pixels.
    double knob_top(const Lever& lever) const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId quadrant_ = panel_host::kNoInstance;

private:
    Events events_;
};

}  // namespace powerquad_test
