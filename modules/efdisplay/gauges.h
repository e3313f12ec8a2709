// The gauges of the efdisplay module, in the order the module descriptor lists them.
#pragma once

#include "panel_abi/records.h"

namespace efdisplay {

extern panel_abi::GaugeHeaderLater qd41cdu_gauge;
extern panel_abi::GaugeHeaderLater qd42eadi_gauge;
extern panel_abi::GaugeHeaderLater qp48_gauge;
extern panel_abi::GaugeHeaderLater qd42ehsi_gauge;

}  // namespace efdisplay
