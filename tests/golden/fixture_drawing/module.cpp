// The drawing fixture's module descriptor: its one gauge.
#include "drawing_gauge.h"
#include "panel_abi/module.h"

GAUGE_EXPORT panel_abi::LinkageOf<1> Linkage;

panel_abi::LinkageOf<1> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = panel_abi::kModuleVersion320,
    .gauges = {&fixture_drawing::drawing_gauge.header, nullptr},
};
