#include "panel_host/panel.h"

namespace panel_host {

Panel::Panel(PanelHost& host, std::string module_dir) : host_(host), module_dir_(std::move(module_dir)) {}

std::vector<std::string> Panel::load(const std::string& config_path) {
    std::vector<PanelConfigProblem> problems;
    config_ = read_panel_config(config_path, problems);
    for (size_t index = 0; index < config_.windows.size(); ++index) {
        const PanelWindow& window = config_.windows[index];
        if (window.ident >= 0) host_.define_window(static_cast<uint32_t>(window.ident), window.visible);
        for (const GaugePlacement& placement : window.gauges) {
            std::string error;
            LoadedModule* module = host_.load_module(module_dir_ + "/" + placement.module + ".so", &error);
            InstanceId instance = module != nullptr ? host_.place(module, placement.gauge, &error) : kNoInstance;
            if (instance == kNoInstance) {
                problems.push_back({config_path, placement.line, error});
                continue;
            }
            const panel_abi::ImageSize design = host_.design_size(instance);
            PanelGauge gauge;
            gauge.instance = instance;
            gauge.window = index;
            gauge.x = placement.x;
            gauge.y = placement.y;
            gauge.design_width = design.width;
            gauge.design_height = design.height;
            // A width alone keeps the gauge's proportions.
            gauge.width = placement.width > 0 ? placement.width : design.width;
            gauge.height = placement.height > 0 ? placement.height
                           : (placement.width > 0 && design.width > 0)
                               ? placement.width * design.height / design.width
                               : design.height;
            gauges_.push_back(gauge);
        }
    }
    std::vector<std::string> messages;
    for (const PanelConfigProblem& problem : problems) messages.push_back(problem.message());
    return messages;
}

bool Panel::window_visible(size_t window) const {
    if (window >= config_.windows.size()) return false;
    const PanelWindow& config = config_.windows[window];
    return config.ident >= 0 ? host_.window_visible(static_cast<uint32_t>(config.ident)) : config.visible;
}

}  // namespace panel_host
