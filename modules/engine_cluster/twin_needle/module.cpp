// The module descriptor: one gauge, named as the module.
#include "panel_abi/module.h"
#include "panel_abi/records.h"
#include "twin_needle.h"

GAUGE_EXPORT panel_abi::LinkageOf<1> Linkage;

panel_abi::LinkageOf<1> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = 0,
    .gauges = {&twin_needle::gauge, nullptr},
};
