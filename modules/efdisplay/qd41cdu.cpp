// The bezel buttons of qd41cdu that have no action of the display control panel.
#include "qd41cdu.h"

namespace efdisplay {

int32_t GAUGE_CALL presentation_button_pressed(panel_abi::MousePosition*, uint32_t) {
    return 0;
}

}  // namespace efdisplay
