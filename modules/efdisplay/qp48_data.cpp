// The display control panel's static data: header, background and mouse list.
#include "display_actions.h"
#include "module_hooks.h"
#include "panel_abi/mouse_list.h"
#include "qp48.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr uint32_t kBackgroundFlags = 0x11;
// The stepping halves of the knobs repeat while the button is held.
constexpr uint32_t kMouseLeftClickRepeat = kMouseLeftClick | kMouseRepeat;

constinit StaticImage background = {
    .header = {.kind = kStaticImage,
               .image_id = kQp48BackgroundImage,
               .position = {0, 0},
               .gauge = &qp48_gauge.header,
               .children = nullptr,
               .failures = nullptr,
               .image_flags = kBackgroundFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&background.header};

// The HSI, ARC, 1-2 and both RING buttons and the BRT knob are painted only.
constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_handler_area({210, 40, 38, 28}, kCursorPush, kMouseLeftClick, next_navigation_source),
    // The centre of the DIR knob.
    mouse_handler_area({62, 97, 16, 19}, kCursorPush, kMouseLeftClick, course_direct),
    // The single-line and double-line arrow buttons.
    mouse_handler_area({116, 86, 38, 28}, kCursorPush, kMouseLeftClick, next_bearing1_source),
    mouse_handler_area({163, 86, 38, 28}, kCursorPush, kMouseLeftClick, next_bearing2_source),
    // The centre of the SYNC knob.
    mouse_handler_area({332, 97, 16, 19}, kCursorPush, kMouseLeftClick, sync_heading),
    // The small knob between TST and REF.
    mouse_handler_area({248, 14, 10, 10}, kCursorPush, kMouseLeftClick, toggle_speed_or_time),
    // The left and right halves of the DIR knob.
    mouse_handler_area({35, 94, 20, 25}, kCursorDecrease, kMouseLeftClickRepeat, course_down),
    mouse_handler_area({85, 94, 20, 25}, kCursorIncrease, kMouseLeftClickRepeat, course_up),
    // The left and right halves of the SYNC knob step the selected heading in the simulator.
    mouse_key_area({305, 94, 20, 25}, kCursorDecrease, kMouseLeftClickRepeat,
                   kSelectedHeadingDownEvent),
    mouse_key_area({355, 94, 20, 25}, kCursorIncrease, kMouseLeftClickRepeat,
                   kSelectedHeadingUpEvent),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater qp48_gauge = {
    .header = {.version = kHeaderVersion2bc,
               .name = "qp48",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 413,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace efdisplay
