// A whole panel brought up from its configuration: the modules loaded, every gauge placed in
// its panel window, and the windows registered with the host by ident number.
#pragma once

#include <string>
#include <vector>

#include "panel_host/panel_config.h"
#include "panel_host/panel_host.h"

namespace panel_host {

struct PanelGauge {
    InstanceId instance = kNoInstance;
    size_t window = 0;       // index in Panel::config().windows
    int x = 0, y = 0;        // top left corner in the window
    int width = 0, height = 0;  // the size the window gives it
    int design_width = 0, design_height = 0;  // its background bitmap's size
};

class Panel {
public:
    // Module names resolve to <module_dir>/<name>.so.
    Panel(PanelHost& host, std::string module_dir);

    // Load the configuration and place every gauge it names. Each fault (a missing or
    // malformed file, a module or gauge that does not exist) is reported as one line naming
    // the file and line; everything else still comes up.
    std::vector<std::string> load(const std::string& config_path);

    const PanelConfig& config() const { return config_; }
    const std::vector<PanelGauge>& gauges() const { return gauges_; }
    bool window_visible(size_t window) const;

private:
    PanelHost& host_;
    std::string module_dir_;
    PanelConfig config_;
    std::vector<PanelGauge> gauges_;
};

}  // namespace panel_host
