// The replacement panel host: loads gauge modules, places their gauges, drives every placed
// instance through its lifecycle frame by frame, and turns mouse input into key events and
// handler calls.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "panel_abi/records.h"
#include "panel_host/element_state.h"
#include "panel_host/variable_store.h"

namespace panel_host {

class LoadedModule;
struct GaugeInstance;

using InstanceId = int;
constexpr InstanceId kNoInstance = -1;

enum class MouseButton { left, right };

// What the pointer is over: the area's cursor, and the help id or tooltip text of the
// innermost group that holds the pointer.
struct HoverInfo {
    bool over_area = false;
    int32_t cursor = panel_abi::kCursorNone;
    uint32_t help_id = 0;
    std::string tooltip;
};

struct PanelHostOptions {
    int repeat_delay_frames = 9;     // a held button first repeats after this many frames
    int repeat_interval_frames = 3;  // and then every this many frames
};

class PanelHost {
public:
    explicit PanelHost(VariableStore& store, PanelHostOptions options = {});
    ~PanelHost();  // removes every instance, then unloads every module
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // Load a module file (once per path), publish the service table to it and call its init
    // routine. Returns null with a one-line reason in `error` when it cannot.
    LoadedModule* load_module(const std::string& path, std::string* error);

    // Place a gauge of a loaded module by exact name and run its install phases 0 to 2.
    // Returns kNoInstance with a reason when the module has no such gauge.
    InstanceId place(LoadedModule* module, const std::string& gauge_name, std::string* error);
    // Code 12 and phase 6 for the instance, then forget it.
    void remove(InstanceId instance);

    // One panel frame for every instance, in placement order: code 6, update, code 8,
    // phase 4, code 10, draw. A held button repeats on the frames its rate gives.
    void run_frame();

    // Mouse input in the instance's design pixels.
    void mouse_press(InstanceId instance, int x, int y, MouseButton button);
    void mouse_move(InstanceId instance, int x, int y);
    void mouse_release();
    HoverInfo hover(InstanceId instance, int x, int y) const;

    // Simulator failures by key: an element whose failure list names an active key with
    // action 3 is failed and not drawn.
    void set_failure(uint32_t key, bool active);

    // Panel windows by ident number.
    void define_window(uint32_t number, bool visible);
    bool window_visible(uint32_t number) const;
    bool toggle_window(uint32_t number);  // returns the new visibility

    // Where key events and window toggles go.
    void on_key_event(std::function<void(const panel_abi::KeyEvent&)> sink);
    void on_window_toggle(std::function<void(uint32_t number, bool visible)> observer);

    // The state of each element of an instance after its last frame, in pre-order.
    const std::vector<ElementState>& elements(InstanceId instance) const;
    const panel_abi::GaugeHeader* header(InstanceId instance) const;
    // The gauge's design size: its background bitmap's width and height (0 × 0 without one).
    panel_abi::ImageSize design_size(InstanceId instance) const;
    // The module an instance belongs to.
    const LoadedModule* module_of(InstanceId instance) const;
    bool has_instance(InstanceId instance) const;

    VariableStore& store() { return store_; }

    // Entry points of the service table; only the table's functions call these.
    struct Services;

private:
    friend struct Services;

    GaugeInstance* find(InstanceId instance) const;
    void run_phase(GaugeInstance& instance, int phase);
    void process_phase(GaugeInstance& instance, int phase);
    void send_gauge_code(GaugeInstance& instance, int code);
    void send_key_event(const panel_abi::KeyEvent& event);
    void repeat_held_button();
    void bind(GaugeInstance& instance);
    void deliver_mouse(GaugeInstance& instance, const panel_abi::MouseArea& area, int area_x,
                       int area_y, int x, int y, uint32_t event_bits);

    VariableStore& store_;
    PanelHostOptions options_;
    std::vector<std::unique_ptr<LoadedModule>> modules_;
    std::map<InstanceId, std::unique_ptr<GaugeInstance>> instances_;
    InstanceId next_instance_ = 1;
    std::set<uint32_t> active_failures_;
    std::map<uint32_t, bool> windows_;
    std::function<void(const panel_abi::KeyEvent&)> key_sink_;
    std::function<void(uint32_t, bool)> window_observer_;
    GaugeInstance* current_ = nullptr;  // the instance whose hook or callback is running

    struct HeldButton;
    std::unique_ptr<HeldButton> held_;
};

}  // namespace panel_host
