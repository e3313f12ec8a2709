// The gauges of the navstack module, in the order the module descriptor lists them.
#pragma once

#include "panel_abi/records.h"

namespace navstack {

extern panel_abi::GaugeHeaderLater navcom1_gauge;
extern panel_abi::GaugeHeaderLater navcom2_gauge;
extern panel_abi::GaugeHeaderLater xpndr_gauge;
extern panel_abi::GaugeHeaderLater audpnl_gauge;

}  // namespace navstack
