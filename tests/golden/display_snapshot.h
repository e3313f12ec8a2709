// Several gauges of one module placed together on a panel host of their own, so that a
// selection made on one of them (a button of a control panel) shows on another, as on the
// panel. Set tokens, click a placed gauge, switch failures on, run frames, and draw one gauge
// alone at its design size or several side by side.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "panel_host/panel_host.h"
#include "panel_host/renderer.h"
#include "picture.h"

namespace golden {

class DisplaySnapshot {
public:
    // Loads the module built by this build; `error` says why not.
    explicit DisplaySnapshot(const std::string& module_name);
    ~DisplaySnapshot();

    bool loaded() const { return module_ != nullptr; }
    const std::string& error() const { return error_; }

    // Places a gauge of the module; kNoInstance (and `error`) when it cannot.
    panel_host::InstanceId place(const std::string& gauge_name);

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void fail(uint32_t failure_key) { host_->set_failure(failure_key, true); }
    void click(panel_host::InstanceId instance, int x, int y);
    void frame() { host_->run_frame(); }

    const panel_host::PanelHost& host() const { return *host_; }

    // The gauge as its last frame left it.
    Picture draw(panel_host::InstanceId instance);
    // The gauges left to right, tops aligned, on a transparent ground.
    Picture draw_side_by_side(std::initializer_list<panel_host::InstanceId> instances);

private:
    panel_host::VariableStore store_;
    std::unique_ptr<panel_host::PanelHost> host_;
    std::unique_ptr<panel_host::GaugeRenderer> renderer_;
    panel_host::LoadedModule* module_ = nullptr;
    std::string error_;
};

}  // namespace golden
