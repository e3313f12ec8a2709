// The module descriptor: the one gauge of the halann module.
#include "halann.h"
#include "panel_abi/module.h"
#include "panel_abi/records.h"

GAUGE_EXPORT panel_abi::LinkageOf<1> Linkage;

panel_abi::LinkageOf<1> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = 0,
    .gauges = {&halann::halann_gauge, nullptr},
};
