// The attitude display's static data: header, element chain and mouse list. Each element is
// the only child of the one before it, so the chain's order is the drawing order.
#include "module_hooks.h"
#include "panel_abi/mouse_list.h"
#include "qd42eadi.h"
#include "situation_rules.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr uint32_t kBackgroundFlags = 0x11;
constexpr uint32_t kPictureFlags = 0x7;
constexpr uint32_t kTextFlags = 0x6;

constexpr uint32_t kGreen = 0x00ff00;

// Electrical failures blank everything on the screen; the bezel stays.
const FailureRecord kScreenFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

constexpr GaugeHeader* kGauge = &qd42eadi_gauge.header;

constexpr Element screen_element(ElementKind kind, int32_t image_id, Point position,
                                 Element** children, uint32_t flags = kPictureFlags,
                                 Point offset = {0, 0}) {
    return Element{.kind = kind,
                   .image_id = image_id,
                   .position = position,
                   .offset = offset,
                   .gauge = kGauge,
                   .children = children,
                   .failures = kScreenFailures,
                   .image_flags = flags};
}

// 9: marker beacon lights, cases 8448 (outer), 8449 (middle), 8450 (inner).
constinit Icon marker_lights = {
    .header = screen_element(kIcon, 8448, {70, 330}, nullptr),
    .source = {.token = 0x162},
    .case_count = 3,
    .callback = marker_light,
};
constinit Element* after_radio_altitude[] = {&marker_lights.header, nullptr};

// 8: radio altitude in feet.
constinit TextString radio_altitude = {
    .header = screen_element(kTextString, kNoImage, {330, 50}, after_radio_altitude,
                             kTextFlags),
    .sources = {{.token = 0x266}, {.token = 0}, {.token = 0}},
    .box = {45, 20},
    .text_colour = kGreen,
    .background_colour = 0,
    .highlight_colour = kGreen,
    .font_name = "GLASS GAUGE",
    .font_weight = 400,
    .char_set = 1,
    .format = kTextCentred,
    .char_count = 4,
    .highlights = nullptr,
    .wind_marker = 0,
    .callback = radio_altitude_text,
};
constinit Element* after_localizer_pointer[] = {&radio_altitude.header, nullptr};

// 7: localizer pointer, moved across the scale by the course deviation.
constinit Slider localizer_bar = {
    .header = screen_element(kSlider, 8336, {216, 307}, after_localizer_pointer),
    .x_source = {.token = 0},
    .x_scale = -0.5,
    .y_source = {.token = 0},
    .y_scale = 0.0,
    .x_callback = localizer_pointer,
    .y_callback = nullptr,
};
constinit Element* after_localizer_scale[] = {&localizer_bar.header, nullptr};

// 6: localizer scale.
constinit Icon localizer_dots = {
    .header = screen_element(kIcon, 8320, {138, 307}, after_localizer_scale),
    .source = {.token = 0},
    .case_count = 1,
    .callback = localizer_scale,
};
constinit Element* after_glideslope_pointer[] = {&localizer_dots.header, nullptr};

// 5: glideslope pointer, moved along the scale by the glideslope deviation; the same rule
// as the situation displays' glideslope pointer.
constinit Slider glideslope_box = {
    .header = screen_element(kSlider, 8304, {355, 185}, after_glideslope_pointer),
    .x_source = {.token = 0},
    .x_scale = 0.0,
    .y_source = {.token = 0x29},
    .y_scale = 0.6,
    .x_callback = nullptr,
    .y_callback = glideslope_pointer_value,
};
constinit Element* after_glideslope_scale[] = {&glideslope_box.header, nullptr};

// 4: glideslope scale, lit by the same rule as the situation displays' scale.
constinit Icon glideslope_dots = {
    .header = screen_element(kIcon, 8288, {345, 118}, after_glideslope_scale),
    .source = {.token = 0},
    .case_count = 1,
    .callback = glideslope_scale_case,
};
constinit Element* after_bank_scale[] = {&glideslope_dots.header, nullptr};

// 3: bank scale, turned by the bank angle about the sphere's centre.
constinit Needle bank_scale = {
    .header = screen_element(kNeedle, 8256, {216, 196}, after_bank_scale, kPictureFlags,
                             {126, 126}),
    .source = {.token = 0x4f},
    .table = nullptr,
    .table_rows = 0,
    .max_turn_degrees = 0,
    .callback = nullptr,
};
constinit Element* after_command_bars[] = {&bank_scale.header, nullptr};

// 2: flight director command bars. x is the director's on/off value itself (0 or 1 pixel).
constinit Sprite command_bars = {
    .header = screen_element(kSprite, 8272, {90, 72}, after_command_bars, kPictureFlags,
                             {216, 196}),
    .x_source = {.token = 0x318},
    .x_scale = 1.0,
    .y_source = {.token = 0x319},
    .y_scale = -1.244,
    .rotation_source = {.token = 0x31a},
    .rotation_scale = -1.0,
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .x_callback = nullptr,
    .y_callback = command_pitch,
    .rotation_callback = command_bank,
};
constinit Element* after_sphere[] = {&command_bars.header, nullptr};

// 1: attitude sphere, moved by pitch and turned by bank straight from its variables.
constinit Sprite sphere = {
    .header = screen_element(kSprite, 8208, {90, 72}, after_sphere, kPictureFlags,
                             {216, 196}),
    .x_source = {.token = 0},
    .x_scale = 0.0,
    .y_source = {.token = 0x4e},
    .y_scale = 4.0,
    .rotation_source = {.token = 0x50},
    .rotation_scale = -1.0,
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .x_callback = nullptr,
    .y_callback = nullptr,
    .rotation_callback = nullptr,
};
constinit Element* after_background[] = {&sphere.header, nullptr};

// 0: bezel with the black screen.
constinit StaticImage background = {
    .header = {.kind = kStaticImage,
               .image_id = 8192,
               .position = {0, 0},
               .gauge = kGauge,
               .children = after_background,
               .failures = nullptr,
               .image_flags = kBackgroundFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&background.header};

// The display has no controls: the whole-gauge group holds no area.
constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater qd42eadi_gauge = {
    .header = {.version = kHeaderVersion2bc,
               .name = "qd42eadi",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 432,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace efdisplay
