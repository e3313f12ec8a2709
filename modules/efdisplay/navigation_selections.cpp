#include "navigation_selections.h"

namespace efdisplay {

uint32_t nav_source = 1;
uint32_t bearing1_source = 0;
uint32_t bearing2_source = 0;
uint32_t show_ground_speed = 1;

}  // namespace efdisplay
