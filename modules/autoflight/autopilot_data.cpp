// The autopilot's static data: header, element tree and mouse list.
#include "autopilot.h"

#include "module_hooks.h"
#include "panel_abi/mouse_list.h"

namespace autoflight {

using namespace panel_abi;

namespace {

constexpr uint32_t kFaceFlags = 0x1;
constexpr uint32_t kAnnunciatorFlags = 0x7;
constexpr uint32_t kReadoutFlags = 0x8006;

// Key events the host sends straight from the mouse list for the lateral mode buttons.
constexpr uint32_t kHeadingButtonEvent = 0x10106;
constexpr uint32_t kNavButtonEvent = 0x100c1;
constexpr uint32_t kApproachButtonEvent = 0x100bc;
constexpr uint32_t kBackCourseButtonEvent = 0x100c0;

// Electrical failures of the autopilot blank the window's contents; the face stays.
const FailureRecord kWindowFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

constexpr GaugeHeader* kGauge = &autopilot_gauge.header;

// A one-case annunciator legend in the display window.
constexpr Icon annunciator(int32_t image_id, Point position, uint32_t token,
                           ElementCallback callback) {
    return Icon{
        .header = {.kind = kIcon,
                   .image_id = image_id,
                   .position = position,
                   .gauge = kGauge,
                   .failures = kWindowFailures,
                   .image_flags = kAnnunciatorFlags},
        .source = {.token = token},
        .case_count = 1,
        .callback = callback,
    };
}

constinit Icon ready_icon = annunciator(4118, {68, 28}, 0x67, ready_case);
constinit Icon heading_icon = annunciator(4099, {29, 28}, 0x6a, heading_case);
constinit Icon nav_icon = annunciator(4102, {93, 28}, 0x69, simulator_mode_case);
constinit Icon approach_icon = annunciator(4105, {156, 28}, 0x70, simulator_mode_case);
constinit Icon back_course_icon = annunciator(4106, {222, 28}, 0x71, simulator_mode_case);
constinit Icon altitude_icon = annunciator(4109, {336, 28}, 0x6c, altitude_case);
constinit Icon glide_slope_icon = annunciator(4112, {376, 28}, 0x6f, simulator_mode_case);
constinit Icon gpss_icon = annunciator(4121, {275, 28}, 0x350, simulator_mode_case);
constinit Icon vertical_speed_icon = annunciator(4115, {404, 28}, 0x77, vertical_speed_case);

constinit TextString vertical_speed_readout = {
    .header = {.kind = kTextString,
               .image_id = kNoImage,
               .position = {435, 28},
               .gauge = kGauge,
               .failures = kWindowFailures,
               .image_flags = kReadoutFlags},
    .sources = {{.token = 0x41}, {.token = 0}, {.token = 0}},
    .box = {35, 18},
    .text_colour = 0x080808,
    .background_colour = 0x66b4cf,
    .highlight_colour = 0x080808,
    .font_name = "GLASS GAUGE",
    .font_weight = 400,
    .char_set = 1,
    .format = kTextCentred,
    .char_count = 3,
    .highlights = nullptr,
    .wind_marker = 0,
    .callback = vertical_speed_text,
};

constinit Element* face_children[] = {
    &ready_icon.header,       &heading_icon.header,     &nav_icon.header,
    &approach_icon.header,    &back_course_icon.header, &altitude_icon.header,
    &glide_slope_icon.header, &gpss_icon.header,        &vertical_speed_icon.header,
    &vertical_speed_readout.header,
    nullptr,
};

constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = 4096,
               .position = {0, 0},
               .gauge = kGauge,
               .children = face_children,
               .failures = nullptr,
               .image_flags = kFaceFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&face.header};

constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_key_area({26, 77, 44, 18}, kCursorPush, kMouseLeftClick, kHeadingButtonEvent),
    mouse_key_area({91, 77, 44, 18}, kCursorPush, kMouseLeftClick, kNavButtonEvent),
    mouse_key_area({157, 77, 44, 18}, kCursorPush, kMouseLeftClick, kApproachButtonEvent),
    mouse_key_area({222, 77, 44, 18}, kCursorPush, kMouseLeftClick, kBackCourseButtonEvent),
    mouse_handler_area({288, 77, 44, 18}, kCursorPush, kMouseLeftClick, altitude_hold_pressed),
    // The unmarked strip between ALT and VS.
    mouse_handler_area({336, 77, 16, 18}, kCursorPush, kMouseLeftClick,
                       altitude_capture_pressed),
    mouse_handler_area({355, 77, 44, 18}, kCursorPush, kMouseLeftClick, vertical_speed_pressed),
    // The left and right halves of the vertical-speed knob.
    mouse_handler_area({416, 74, 30, 30}, kCursorDecrease, kMouseLeftClick,
                       knob_decrease_turned),
    mouse_handler_area({458, 74, 30, 30}, kCursorIncrease, kMouseLeftClick,
                       knob_increase_turned),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater autopilot_gauge = {
    .header = {.version = kHeaderVersion320,
               .name = "autopilot",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 500,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace autoflight
