// The module descriptor: the EFIS gauges in their fixed order. The first gauge listed also
// supplies the routine hooks all four share (module_hooks.h).
#include "gauges.h"
#include "panel_abi/module.h"

GAUGE_EXPORT panel_abi::LinkageOf<4> Linkage;

panel_abi::LinkageOf<4> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = 0,
    .gauges = {&efdisplay::qd41cdu_gauge.header, &efdisplay::qd42eadi_gauge.header,
               &efdisplay::qp48_gauge.header, &efdisplay::qd42ehsi_gauge.header, nullptr},
};
