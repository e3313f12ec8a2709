// qd42ehsi: the situation display on its own, steered from the display control panel (qp48)
// or the qd41cdu bezel. It has no mouse areas; its rules are in situation_rules.h.
#pragma once

#include "gauges.h"
