#include "panel_abi/module.h"

namespace panel_abi {

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}

}  // namespace panel_abi
