// The module descriptor: the one gauge of the powerquad module.
#include "panel_abi/module.h"
#include "panel_abi/records.h"
#include "quadrant.h"

GAUGE_EXPORT panel_abi::LinkageOf<1> Linkage;

panel_abi::LinkageOf<1> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = 0,
    .gauges = {&powerquad::quadrant_gauge, nullptr},
};
