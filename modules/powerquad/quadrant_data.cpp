// The quadrant's static data: header, panel, the three lever sliders and the mouse list with
// one group per lever.
#include "panel_abi/mouse_list.h"
#include "panel_abi/routine_hooks.h"
#include "quadrant.h"

namespace powerquad {

using namespace panel_abi;

namespace {

constexpr uint32_t kPanelFlags = 0x1;
constexpr uint32_t kKnobFlags = 0x3;

// Lever positions run 0 … 16383; a lever at 16383 is drawn about 42 pixels higher than at 0.
constexpr double kPixelsPerLeverUnit = -0.002563;

// The host's tooltips for the three levers.
constexpr uint32_t kPowerHelpId = 0xa019;
constexpr uint32_t kPropellerHelpId = 0xa024;
constexpr uint32_t kMixtureHelpId = 0xa025;

constexpr GaugeHeader* kGauge = &quadrant_gauge;

// A lever knob that moves only up and down, by its lever's token.
constexpr Slider lever_knob(int32_t image_id, Point position_at_zero, uint32_t lever_token) {
    return Slider{
        .header = {.kind = kSlider,
                   .image_id = image_id,
                   .position = position_at_zero,
                   .gauge = kGauge,
                   .children = nullptr,
                   .failures = nullptr,
                   .image_flags = kKnobFlags},
        .x_source = {.token = 0},
        .x_scale = 0.0,
        .y_source = {.token = lever_token},
        .y_scale = kPixelsPerLeverUnit,
    };
}

constinit Slider power_knob = lever_knob(102, {1, 44}, 0x80);
constinit Slider propeller_knob = lever_knob(103, {43, 42}, 0x81);
constinit Slider mixture_knob = lever_knob(104, {68, 42}, 0x82);

constinit Element* panel_children[] = {&power_knob.header, &propeller_knob.header,
                                       &mixture_knob.header, nullptr};

constinit Element* element_list[] = {&quadrant_panel.header};

// One strip per lever, each in its own group for the lever's tooltip. The power lever's
// strip sits one pixel right of its group's left edge.
constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_group({0, 0, 38, 68}, kCursorNone, kPowerHelpId),
    mouse_handler_area({1, 0, 38, 68}, kCursorPush, kMouseLeftDrag, power_lever_dragged),
    mouse_group_end(),
    mouse_group({43, 0, 23, 68}, kCursorNone, kPropellerHelpId),
    mouse_handler_area({0, 0, 23, 68}, kCursorPush, kMouseLeftDrag, propeller_lever_dragged),
    mouse_group_end(),
    mouse_group({68, 0, 25, 68}, kCursorNone, kMixtureHelpId),
    mouse_handler_area({0, 0, 25, 68}, kCursorPush, kMouseLeftDrag, mixture_lever_dragged),
    mouse_group_end(),
    mouse_group_end(),
    mouse_list_end(),
};

using Hooks = MouseListHooks<&quadrant_gauge, mouse_list>;

}  // namespace

constinit StaticImage quadrant_panel = {
    .header = {.kind = kStaticImage,
               .image_id = 101,
               .position = {0, 0},
               .gauge = kGauge,
               .children = panel_children,
               .failures = nullptr,
               .image_flags = kPanelFlags},
    .image = nullptr,
};

constinit GaugeHeader quadrant_gauge = {
    .version = kHeaderVersion262,
    .name = "ORIN_520_Quadrant",
    .element_list = element_list,
    .hooks = Hooks::hooks,
    .reserved = 0,
    .default_width_mm = 89,
    .mouse_list = nullptr,
    .gauge_callback = nullptr,
};

}  // namespace powerquad
