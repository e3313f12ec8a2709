// The static data of the two GPS/NAV/COM units: headers, element trees and mouse lists. Each
// unit gets its own copy of every record from the same templates, filled from its row of
// the table of units.
#include "module_hooks.h"
#include "navcom_unit.h"
#include "panel_abi/mouse_list.h"

namespace navstack {

using namespace panel_abi;
using navcom::kUnits;
using navcom::UnitId;

namespace {

constexpr uint32_t kFaceFlags = 0x1;
constexpr uint32_t kPlainTextFlags = 0x6;
constexpr uint32_t kTextFlags = 0x8006;
constexpr uint32_t kDeviationBarFlags = 0x7;

constexpr uint32_t kGaugeWidthMm = 500;

// Pixels the deviation bar moves per nautical mile of cross-track deviation.
constexpr double kDeviationBarPixelsPerMile = 17.6;

// Electrical failures blank everything on the face; the face itself stays.
const FailureRecord kFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// Text colours, background colours and highlight colours (COLORREF 0x00BBGGRR).
struct TextColours {
    uint32_t text;
    uint32_t background;
    uint32_t highlight;
};
constexpr TextColours kActiveColours = {0xffffff, 0xfe0000, 0xffffff};   // white on blue
constexpr TextColours kStandbyColours = {0xff0000, 0xfef900, 0xff0000};  // blue on cyan
constexpr TextColours kGpsColours = {0x00ff00, 0x000000, 0x00ff00};      // green on black

struct TextLayout {
    Point position;
    ImageSize box;
    int32_t chars;
    uint32_t image_flags;
};

constexpr GaugeHeader* gauge_of(UnitId unit) {
    return unit == navcom::kUnit1 ? &navcom1_gauge.header : &navcom2_gauge.header;
}

constexpr TextString text_element(UnitId unit, TextLayout layout, TextColours colours,
                                  uint32_t first_token, uint32_t third_token,
                                  ElementCallback callback, Element** children) {
    return TextString{
        .header = {.kind = kTextString,
                   .image_id = kNoImage,
                   .position = layout.position,
                   .gauge = gauge_of(unit),
                   .children = children,
                   .failures = kFailures,
                   .image_flags = layout.image_flags},
        .sources = {{.token = first_token}, {.token = 0}, {.token = third_token}},
        .box = layout.box,
        .text_colour = colours.text,
        .background_colour = colours.background,
        .highlight_colour = colours.highlight,
        .font_name = "GLASS GAUGE",
        .font_weight = 400,
        .char_set = 1,
        .format = kTextCentred,
        .char_count = layout.chars,
        .highlights = nullptr,
        .wind_marker = 0,
        .callback = callback,
    };
}

// A GPS text rebuilt by the refresh throttle: green on black, the tick count as its third
// source variable.
template <UnitId unit, navcom::ThrottledText text>
constexpr TextString gps_text(TextLayout layout, Element** children) {
    return text_element(unit, layout, kGpsColours, 0, navcom::kTickToken,
                        navcom::throttled_text_of<unit, text>, children);
}

// The element tree is a chain: each element is the only child of the one above it, so the
// host draws them in this order. Each template below is one element of a unit's chain.

template <UnitId unit>
constinit Slider deviation_bar = {
    .header = {.kind = kSlider,
               .image_id = kUnits[unit].deviation_bar_bitmap,
               .position = {279, 37},
               .gauge = gauge_of(unit),
               .children = nullptr,
               .failures = kFailures,
               .image_flags = kDeviationBarFlags},
    .x_source = {.token = 0},
    .x_scale = kDeviationBarPixelsPerMile,
    .y_source = {.token = 0},
    .y_scale = 0.0,
    .x_callback = navcom::deviation_bar_offset,
    .y_callback = nullptr,
};
template <UnitId unit>
constinit Element* waypoint_children[] = {&deviation_bar<unit>.header, nullptr};

template <UnitId unit>
constinit TextString waypoint = gps_text<unit, navcom::kWaypoint>(
    {{314, 73}, {50, 15}, 5, kTextFlags}, waypoint_children<unit>);
template <UnitId unit>
constinit Element* gps_distance_children[] = {&waypoint<unit>.header, nullptr};

template <UnitId unit>
constinit TextString gps_distance = gps_text<unit, navcom::kGpsDistance>(
    {{200, 106}, {30, 16}, 4, kTextFlags}, gps_distance_children<unit>);
template <UnitId unit>
constinit Element* desired_track_children[] = {&gps_distance<unit>.header, nullptr};

template <UnitId unit>
constinit TextString desired_track = gps_text<unit, navcom::kDesiredTrack>(
    {{268, 106}, {30, 16}, 3, kTextFlags}, desired_track_children<unit>);
template <UnitId unit>
constinit Element* bearing_children[] = {&desired_track<unit>.header, nullptr};

template <UnitId unit>
constinit TextString bearing = gps_text<unit, navcom::kBearing>(
    {{336, 106}, {30, 16}, 3, kTextFlags}, bearing_children<unit>);
template <UnitId unit>
constinit Element* ground_speed_children[] = {&bearing<unit>.header, nullptr};

template <UnitId unit>
constinit TextString ground_speed = gps_text<unit, navcom::kGroundSpeed>(
    {{200, 130}, {30, 16}, 3, kTextFlags}, ground_speed_children<unit>);
template <UnitId unit>
constinit Element* track_children[] = {&ground_speed<unit>.header, nullptr};

template <UnitId unit>
constinit TextString track = gps_text<unit, navcom::kTrack>(
    {{268, 130}, {30, 16}, 3, kTextFlags}, track_children<unit>);
template <UnitId unit>
constinit Element* ete_children[] = {&track<unit>.header, nullptr};

template <UnitId unit>
constinit TextString ete = gps_text<unit, navcom::kEte>(
    {{324, 130}, {60, 16}, 6, kTextFlags}, ete_children<unit>);
template <UnitId unit>
constinit Element* com_active_children[] = {&ete<unit>.header, nullptr};

template <UnitId unit>
constinit TextString com_active = text_element(
    unit, {{129, kUnits[unit].com_active_y}, {57, 16}, 6, kPlainTextFlags}, kActiveColours,
    kUnits[unit].com_active_token, 0, navcom::frequency_text, com_active_children<unit>);
template <UnitId unit>
constinit Element* com_standby_children[] = {&com_active<unit>.header, nullptr};

template <UnitId unit>
constinit TextString com_standby = text_element(
    unit, {{129, 63}, {57, 16}, 6, kTextFlags}, kStandbyColours, kUnits[unit].com_standby_token,
    0, navcom::frequency_text, com_standby_children<unit>);
template <UnitId unit>
constinit Element* nav_active_children[] = {&com_standby<unit>.header, nullptr};

template <UnitId unit>
constinit TextString nav_active = text_element(
    unit, {{129, 98}, {57, 16}, 6, kTextFlags}, kActiveColours, kUnits[unit].nav_active_token,
    0, navcom::frequency_text, nav_active_children<unit>);
template <UnitId unit>
constinit Element* nav_standby_children[] = {&nav_active<unit>.header, nullptr};

template <UnitId unit>
constinit TextString nav_standby = text_element(
    unit, {{129, 116}, {57, 16}, 6, kTextFlags}, kStandbyColours, kUnits[unit].nav_standby_token,
    0, navcom::frequency_text, nav_standby_children<unit>);
template <UnitId unit>
constinit Element* source_label_children[] = {&nav_standby<unit>.header, nullptr};

template <UnitId unit>
constinit TextString source_label = gps_text<unit, navcom::kSourceLabel>(
    {{135, 164}, {30, 12}, 3, kTextFlags}, source_label_children<unit>);
template <UnitId unit>
constinit Element* nav_distance_children[] = {&source_label<unit>.header, nullptr};

template <UnitId unit>
constinit TextString nav_distance = text_element(
    unit, {{146, 144}, {38, 14}, 4, kPlainTextFlags}, kActiveColours,
    kUnits[unit].nav_distance_token, kUnits[unit].nav_distance_third_token,
    navcom::nav_distance_text, nav_distance_children<unit>);
template <UnitId unit>
constinit Element* face_children[] = {&nav_distance<unit>.header, nullptr};

template <UnitId unit>
constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = kUnits[unit].face_bitmap,
               .position = {0, 0},
               .gauge = gauge_of(unit),
               .children = face_children<unit>,
               .failures = nullptr,
               .image_flags = kFaceFlags},
    .image = nullptr,
};
template <UnitId unit>
constinit Element* element_list[] = {&face<unit>.header};

// One group over the whole gauge holding the nine controls; each handler does its work.
template <UnitId unit, navcom::Control which>
constexpr MouseArea control(MouseBox box, uint32_t event_mask) {
    return mouse_handler_area(box, kCursorPush, event_mask,
                              navcom::control_clicked_on<unit, which>);
}

constexpr uint32_t kLeft = kMouseLeftClick;
constexpr uint32_t kLeftRightRepeat = kMouseLeftClick | kMouseRightClick | kMouseRepeat;

template <UnitId unit>
constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    control<unit, navcom::kWindowKnob>({452, 149, 40, 40}, kLeft),
    control<unit, navcom::kCdiButton>({131, 185, 30, 14}, kLeft),
    control<unit, navcom::kComSwap>({88, 36, 18, 30}, kLeft),
    control<unit, navcom::kNavSwap>({88, 86, 18, 30}, kLeft),
    control<unit, navcom::kNavIdent>({28, 72, 21, 21}, kLeft),
    control<unit, navcom::kComWholeMhz>({130, 62, 30, 20}, kLeftRightRepeat),
    control<unit, navcom::kComFraction>({165, 62, 25, 20}, kLeftRightRepeat),
    control<unit, navcom::kNavWholeMhz>({130, 115, 30, 20}, kLeftRightRepeat),
    control<unit, navcom::kNavFraction>({165, 115, 25, 20}, kLeftRightRepeat),
    mouse_group_end(),
    mouse_list_end(),
};

template <UnitId unit>
constexpr GaugeHeaderLater header(const char* name) {
    return GaugeHeaderLater{
        .header = {.version = kHeaderVersion320,
                   .name = name,
                   .element_list = element_list<unit>,
                   .hooks = module_hooks,
                   .reserved = 0,
                   .default_width_mm = kGaugeWidthMm,
                   .mouse_list = mouse_list<unit>,
                   .gauge_callback = nullptr},
    };
}

}  // namespace

constinit GaugeHeaderLater navcom1_gauge = header<navcom::kUnit1>("navcom1");
constinit GaugeHeaderLater navcom2_gauge = header<navcom::kUnit2>("navcom2");

}  // namespace navstack
