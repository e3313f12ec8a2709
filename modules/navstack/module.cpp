// The module descriptor: the radio stack's gauges in their fixed order. The first gauge
// listed also supplies the routine hooks all four share (module_hooks.h).
#include "gauges.h"
#include "panel_abi/module.h"

GAUGE_EXPORT panel_abi::LinkageOf<4> Linkage;

panel_abi::LinkageOf<4> Linkage = {
    .module_id = panel_abi::kModuleId,
    .init = panel_abi::module_init,
    .deinit = panel_abi::module_deinit,
    .flags = 0,
    .status = 0,
    .module_version = panel_abi::kModuleVersion320,
    .gauges = {&navstack::navcom1_gauge.header, &navstack::navcom2_gauge.header,
               &navstack::xpndr_gauge.header, &navstack::audpnl_gauge.header, nullptr},
};
