// qd41cdu's static data: header, element chain (the situation display 10 pixels lower over
// the bezel with its controls) and the bezel's mouse list.
#include "display_actions.h"
#include "module_hooks.h"
#include "panel_abi/mouse_list.h"
#include "qd41cdu.h"
#include "situation_chain.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr situation::Layout kLayout = {
    .gauge = &qd41cdu_gauge.header,
    .background_id = 4096,
    .shift_down = 10,
    .card_failures = situation::kScreenFailures,
};

// Key events the triangle buttons carry in their own mouse records.
constexpr uint32_t kUpTriangleEvent = 0x10311;
constexpr uint32_t kDownTriangleEvent = 0x10312;

constexpr uint32_t kSteppingClick = kMouseLeftClick | kMouseRepeat;

using Chain = situation::Chain<kLayout>;

constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_handler_area({16, 197, 20, 40}, kCursorPush, kMouseLeftClick, next_navigation_source),
    // The centre of the DIR knob.
    mouse_handler_area({35, 363, 30, 30}, kCursorPush, kMouseLeftClick, course_direct),
    mouse_handler_area({114, 382, 40, 20}, kCursorPush, kMouseLeftClick, next_bearing1_source),
    mouse_handler_area({274, 382, 40, 20}, kCursorPush, kMouseLeftClick, next_bearing2_source),
    // The centre of the SYNC knob.
    mouse_handler_area({362, 363, 30, 30}, kCursorPush, kMouseLeftClick, sync_heading),
    // HSI and ARC.
    mouse_handler_area({16, 272, 20, 40}, kCursorPush, kMouseLeftClick,
                       presentation_button_pressed),
    mouse_handler_area({390, 272, 20, 40}, kCursorPush, kMouseLeftClick,
                       presentation_button_pressed),
    // The left and right halves of the DIR knob.
    mouse_handler_area({2, 350, 22, 60}, kCursorDecrease, kSteppingClick, course_down),
    mouse_handler_area({75, 350, 22, 60}, kCursorIncrease, kSteppingClick, course_up),
    // The TST/REF knob.
    mouse_handler_area({390, 70, 20, 20}, kCursorPush, kMouseLeftClick, toggle_speed_or_time),
    // The left and right halves of the SYNC knob.
    mouse_key_area({325, 350, 22, 60}, kCursorDecrease, kSteppingClick,
                   kSelectedHeadingDownEvent),
    mouse_key_area({406, 350, 22, 60}, kCursorIncrease, kSteppingClick,
                   kSelectedHeadingUpEvent),
    // The up and down triangle buttons.
    mouse_key_area({393, 120, 20, 40}, kCursorIncrease, kMouseLeftClick, kUpTriangleEvent),
    mouse_key_area({393, 196, 20, 40}, kCursorDecrease, kMouseLeftClick, kDownTriangleEvent),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater qd41cdu_gauge = {
    .header = {.version = kHeaderVersion2bc,
               .name = "qd41cdu",
               .element_list = Chain::element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 432,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace efdisplay
