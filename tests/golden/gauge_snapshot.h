// One gauge placed on a panel host of its own, with the host's renderer: set tokens, click,
// switch failures on, run frames, and draw the gauge alone at its design size.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "panel_host/panel_host.h"
#include "panel_host/renderer.h"
#include "picture.h"

namespace golden {

class GaugeSnapshot {
public:
    // Loads the module built by this build and places the gauge; `error` says why not.
    GaugeSnapshot(const std::string& module_name, const std::string& gauge_name);
    ~GaugeSnapshot();

    bool placed() const { return instance_ != panel_host::kNoInstance; }
    const std::string& error() const { return error_; }

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void fail(uint32_t failure_key) { host_->set_failure(failure_key, true); }
    void click(int x, int y);
    void frame() { host_->run_frame(); }

    // The gauge as its last frame left it.
    Picture draw();

private:
    panel_host::VariableStore store_;
    std::unique_ptr<panel_host::PanelHost> host_;
    std::unique_ptr<panel_host::GaugeRenderer> renderer_;
    panel_host::InstanceId instance_ = panel_host::kNoInstance;
    std::string error_;
};

}  // namespace golden
