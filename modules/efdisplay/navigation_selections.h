// The module-wide selections every EFIS gauge shares: a choice made on the display control
// panel or on the bezel of qd41cdu changes both situation displays and the attitude display
// at once. Set when the module loads, never saved.
#pragma once

#include <cstdint>

namespace efdisplay {

// 1 VOR 1, 2 VOR 2, 3 GPS, 4 ADF.
extern uint32_t nav_source;
// 0 off, 1 VOR 1, 2 VOR 2, 3 GPS, 4 ADF.
extern uint32_t bearing1_source;
extern uint32_t bearing2_source;
// 1 shows ground speed; any other value shows time to go.
extern uint32_t show_ground_speed;

}  // namespace efdisplay
