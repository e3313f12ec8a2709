// The module state of the two GPS/NAV/COM units: set when the module loads, shared by every
// placed instance of a unit's gauge, never saved.
#include "navcom_unit.h"

namespace navstack::navcom {

int32_t gps_label_latch[kUnitCount] = {0, 0};
uint32_t next_refresh_tick[kUnitCount][kThrottledTextCount] = {};

}  // namespace navstack::navcom
