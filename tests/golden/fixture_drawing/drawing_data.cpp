// The drawing fixture's static data: a 160 × 120 face with two needle dials, a sprite window,
// a slider track, an icon slot, a text box, a lamp that failures blank, and an icon that is
// hidden unless a token shows it.
#include "drawing_gauge.h"
#include "drawing_tokens.h"
#include "panel_abi/mouse_list.h"
#include "panel_abi/routine_hooks.h"

namespace fixture_drawing {

using namespace panel_abi;

namespace {

constexpr GaugeHeader* kGauge = &drawing_gauge.header;

constexpr uint32_t kFaceFlags = 0x1;
constexpr uint32_t kMovingFlags = 0x3;
constexpr uint32_t kIconFlags = 0x7;
constexpr uint32_t kTextFlags = 0x6;

const FailureRecord kLampFailures[] = {
    {.key = kLampFailureKeys[0], .action = kFailureActionBlank, .reserved = 0},
    {.key = kLampFailureKeys[1], .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// The left dial's marks, clockwise from the left: an uneven scale, so that a needle placed by
// angle alone would miss them. The needle pivots at (40, 42).
const NonlinearityRow kTableDial[] = {
    {.dial_x = 10, .dial_y = 42, .value = 0.0},   // left
    {.dial_x = 40, .dial_y = 12, .value = 10.0},  // up
    {.dial_x = 70, .dial_y = 42, .value = 40.0},  // right
    {.dial_x = 61, .dial_y = 63, .value = 50.0},  // down and right
};

// Drawn pointing right, pivot 3 pixels in from its tail.
constinit Needle table_needle = {
    .header = {.kind = kNeedle,
               .image_id = 110,
               .position = {40, 42},
               .offset = {3, 3},
               .gauge = kGauge,
               .image_flags = kMovingFlags},
    .source = {.token = token::kTableNeedle},
    .table = kTableDial,
    .table_rows = 4,
    .max_turn_degrees = 0,
};

// Drawn pointing up: without a table the value turns it clockwise from there.
constinit Needle plain_needle = {
    .header = {.kind = kNeedle,
               .image_id = 111,
               .position = {130, 84},
               .offset = {3, 25},
               .gauge = kGauge,
               .image_flags = kMovingFlags},
    .source = {.token = token::kPlainNeedle},
    .max_turn_degrees = 0,
};

// Four pixels per track unit along the track, two per unit upwards and downwards.
constinit Slider slider = {
    .header = {.kind = kSlider,
               .image_id = 120,
               .position = {4, 101},
               .gauge = kGauge,
               .image_flags = kMovingFlags},
    .x_source = {.token = token::kSliderX},
    .x_scale = 4.0,
    .y_source = {.token = token::kSliderY},
    .y_scale = 2.0,
    .x_callback = slider_x_on_track,
};

// Three cases with their pictures numbered in steps of 3: 130, 133, 136.
constinit Icon case_icon = {
    .header = {.kind = kIcon,
               .image_id = 130,
               .position = {72, 80},
               .gauge = kGauge,
               .image_flags = kIconFlags},
    .source = {.token = token::kIcon},
    .case_count = 3,
    .callback = icon_case,
};

// Texture 140 seen through window 141 at (108, 4); the texture's centre lies on the window's
// centre (130, 26) and turns about it.
constinit Sprite sprite = {
    .header = {.kind = kSprite,
               .image_id = 140,
               .position = {108, 4},
               .offset = {130, 26},
               .gauge = kGauge,
               .image_flags = kMovingFlags},
    .x_source = {.token = token::kSpriteX},
    .x_scale = 1.0,
    .y_source = {.token = token::kSpriteY},
    .y_scale = 1.0,
    .rotation_source = {.token = token::kSpriteRotation},
    .rotation_scale = 1.0,
    .texture_scale_x = 1.0f,
    .texture_scale_y = 1.0f,
    .rotation_callback = sprite_rotation_degrees,
};

// Yellow on dark blue, at most four characters.
constinit TextString number = {
    .header = {.kind = kTextString,
               .image_id = kNoImage,
               .position = {8, 80},
               .gauge = kGauge,
               .image_flags = kTextFlags},
    .sources = {{.token = token::kText}, {.token = 0}, {.token = 0}},
    .box = {56, 16},
    .text_colour = 0x00ffff,
    .background_colour = 0x402000,
    .highlight_colour = 0x00ffff,
    .font_name = "GLASS GAUGE",
    .font_weight = 400,
    .char_set = 1,
    .format = kTextCentred,
    .char_count = 4,
    .callback = number_text,
};

constinit StaticImage lamp = {
    .header = {.kind = kStaticImage,
               .image_id = 160,
               .position = {92, 80},
               .gauge = kGauge,
               .failures = kLampFailures,
               .image_flags = kMovingFlags},
};

// Magenta, and hidden from the start; it shows only while its gauge clears the hidden flag.
constinit Icon hidden_icon = {
    .header = {.kind = kIcon,
               .image_id = 150,
               .position = {92, 98},
               .gauge = kGauge,
               .image_flags = kImageHidden | kIconFlags},
    .source = {.token = token::kHiddenIconShown},
    .case_count = 1,
    .callback = shown_by_switch,
};

constinit Element* face_children[] = {
    &table_needle.header, &plain_needle.header, &slider.header, &case_icon.header,
    &sprite.header,       &number.header,       &lamp.header,   &hidden_icon.header,
    nullptr,
};

constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = 100,
               .position = {0, 0},
               .gauge = kGauge,
               .children = face_children,
               .image_flags = kFaceFlags},
};

constinit Element* element_list[] = {&face.header};

constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater drawing_gauge = {
    .header = {.version = kHeaderVersion320,
               .name = "drawing",
               .element_list = element_list,
               .hooks = ForwardingHooks<&drawing_gauge.header>::hooks,
               .default_width_mm = 89,
               .mouse_list = mouse_list},
};

}  // namespace fixture_drawing
