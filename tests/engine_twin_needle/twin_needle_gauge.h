// One twin-needle gauge placed on a panel host of its own: set tokens, run frames with the
// floating-point traps on, read the needles and lamps, hover, click, remove and place again,
// draw. Optionally a service spy sits between the module and the host.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "panel_abi/records.h"
#include "panel_host/panel_host.h"
#include "panel_host/renderer.h"
#include "service_spy.h"

namespace twin_needle_test {

inline constexpr const char* kMembers[] = {"halttff", "halfuel", "halchvc", "halmprp",
                                           "halotop"};

// Tokens the tests set.
inline constexpr uint32_t kEngineSpeed = 0x87;
inline constexpr uint32_t kEngineSpeedScale = 0x9a;
inline constexpr uint32_t kLampEnable = 0x16c;

enum class Dial { left, right };
const char* dial_name(Dial dial);

enum class LampCase : int { unlit = 0, red = 1, green = 2 };
std::ostream& operator<<(std::ostream& out, LampCase lamp);

struct TokenValue {
    uint32_t token;
    double value;
};

struct PictureRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Picture = std::unique_ptr<cairo_surface_t, PictureRelease>;

class TwinNeedleGauge {
public:
    enum class Spy { none, attached };

    explicit TwinNeedleGauge(const std::string& member, Spy spy = Spy::none);
    ~TwinNeedleGauge();

    bool placed() const { return instance_ != panel_host::kNoInstance; }
    const std::string& error() const { return error_; }

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void set(const std::vector<TokenValue>& values);
    // One panel frame with the traps for division by zero, invalid operations and overflow
    // enabled: a gauge that raises one of them stops the test program with SIGFPE.
    void frame();

    const panel_host::ElementState& needle(Dial dial) const;
    // The case each lamp shows, left then right.
    LampCase left_lamp() const;
    LampCase right_lamp() const;

    panel_host::HoverInfo hover(int x, int y) const { return host_->hover(instance_, x, y); }
    void click(int x, int y, panel_host::MouseButton button);
    const std::vector<panel_abi::KeyEvent>& key_events() const { return key_events_; }

    // Teardown of the instance (code 12, phase 6), and a fresh placement afterwards.
    void remove();
    void place_again();

    ServiceSpy* spy() { return spy_.get(); }
    panel_host::PanelHost& host() { return *host_; }
    panel_host::InstanceId instance() const { return instance_; }
    panel_host::LoadedModule* module() const { return module_; }

    // The gauge as its last frame left it, at its design size.
    Picture draw();

private:
    const panel_host::ElementState* find(int kind, bool left_half) const;

    std::string member_;
    panel_host::VariableStore store_;
    std::unique_ptr<panel_host::PanelHost> host_;
    panel_host::LoadedModule* module_ = nullptr;
    std::unique_ptr<ServiceSpy> spy_;
    std::unique_ptr<panel_host::GaugeRenderer> renderer_;
    panel_host::InstanceId instance_ = panel_host::kNoInstance;
    std::vector<panel_abi::KeyEvent> key_events_;
    std::string error_;
};

}  // namespace twin_needle_test
