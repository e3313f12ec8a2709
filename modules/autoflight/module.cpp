// The module descriptor: the gauges of the autoflight module in their fixed order. The
// altitude preselectors join before the autopilot and the annunciator after it; whichever
// gauge is listed first also supplies the shared routine hooks (module_hooks.h).
#include "panel_abi/module.h"
#include "panel_abi/records.h"
#include "autopilot.h"

GAUGE_EXPORT panel_abi::LinkageOf<1> Linkage;

panel_abi::LinkageOf<1> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = panel_abi::kModuleVersion320,
    .gauges = {&autoflight::autopilot_gauge.header, nullptr},
};
