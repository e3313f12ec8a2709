// One gauge placed on a panel host of its own, for gauges that read tokens in every form the
// simulator gives them (BCD integers, the waypoint text, numbers) and that ask the simulator
// for changes with key events: the snapshot can play the simulator's answer to a key event by
// setting the token it changes. Set tokens, click, switch failures on, run frames, and draw
// the gauge alone at its design size.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panel_host/panel_host.h"
#include "panel_host/renderer.h"
#include "picture.h"

namespace golden {

// The simulator's answer to a key event: the token it sets, and to what.
struct KeyAnswer {
    uint32_t key_event;
    uint32_t token;
    double value;
};

class RadioSnapshot {
public:
    // Loads the module built by this build and places the gauge; `error` says why not.
    RadioSnapshot(const std::string& module_name, const std::string& gauge_name);
    ~RadioSnapshot();

    bool placed() const { return instance_ != panel_host::kNoInstance; }
    const std::string& error() const { return error_; }

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void set_integer(uint32_t token, int64_t value) { store_.set_integer(token, value); }
    void set_text(uint32_t token, const std::string& text) { store_.set_text(token, text); }
    void answer(const KeyAnswer& answer) { answers_.push_back(answer); }

    void fail(uint32_t failure_key) { host_->set_failure(failure_key, true); }
    void click(int x, int y);
    void frame() { host_->run_frame(); }

    // Every key event the gauge sent, in order.
    const std::vector<uint32_t>& key_events() const { return key_events_; }

    // The gauge as its last frame left it.
    Picture draw();

private:
    void receive(const panel_abi::KeyEvent& event);

    panel_host::VariableStore store_;
    std::unique_ptr<panel_host::PanelHost> host_;
    std::unique_ptr<panel_host::GaugeRenderer> renderer_;
    panel_host::InstanceId instance_ = panel_host::kNoInstance;
    std::string error_;
    std::vector<KeyAnswer> answers_;
    std::vector<uint32_t> key_events_;
};

}  // namespace golden
