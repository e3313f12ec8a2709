// Pieces every module's descriptor uses.
#pragma once

#include "panel_abi/records.h"

namespace panel_abi {

// The module's init and deinit routines: no module of the panel needs any work at load or
// unload.
void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

}  // namespace panel_abi
