// Builders of the situation display's element tree, shared by qd42ehsi and qd41cdu. The tree
// is a single chain (each element the only child of the one before it), so the order of the
// chain is the drawing order. A layout says what differs between the two gauges: the header,
// the picture ids, how far down the display sits on the background, and the compass card's
// failure list.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"
#include "situation_rules.h"

namespace efdisplay::situation {

using namespace panel_abi;

struct Layout {
    GaugeHeader* gauge;
    int32_t background_id;     // the pictures follow at fixed steps above it
    int32_t shift_down;        // pixels every element but the background moves down
    const FailureRecord* card_failures;
};

// Picture ids, as steps above the background's id.
inline constexpr int32_t kCardStep = 16;
inline constexpr int32_t kCoursePointerStep = 32;
inline constexpr int32_t kHeadingBugStep = 48;
inline constexpr int32_t kDeviationBarStep = 64;  // its window is the next id
inline constexpr int32_t kBearing1Step = 80;
inline constexpr int32_t kBearing2Step = 96;
inline constexpr int32_t kGlideslopeScaleStep = 112;
inline constexpr int32_t kGlideslopePointerStep = 128;
inline constexpr int32_t kWindArrowStep = 144;
inline constexpr int32_t kAnnunciatorStep = 272;

inline constexpr uint32_t kBackgroundFlags = 0x15;
inline constexpr uint32_t kMovingFlags = 0x7;
inline constexpr uint32_t kTextFlags = 0x6;
inline constexpr uint32_t kDataTextFlags = 0x8006;

// Power failures blank everything on the screen; the bezel stays.
inline constexpr FailureRecord kScreenFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};
// The compass card of qd42ehsi also fails with the heading reference (key 5).
inline constexpr FailureRecord kCompassCardFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 5, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// The pivot of the card, the pointers and the deviation bar's turn, before the shift.
inline constexpr Point kCentre = {216, 206};

constexpr Point shifted(const Layout& layout, Point at) {
    return {at.x, at.y + layout.shift_down};
}

constexpr Element screen_element(const Layout& layout, ElementKind kind, int32_t image_id,
                                 Point position, Point offset, Element** next,
                                 uint32_t flags) {
    return Element{.kind = kind,
                   .image_id = image_id,
                   .position = shifted(layout, position),
                   .offset = offset,
                   .gauge = layout.gauge,
                   .children = next,
                   .failures = kScreenFailures,
                   .image_flags = flags};
}

constexpr StaticImage background(const Layout& layout, Element** next) {
    return StaticImage{.header = {.kind = kStaticImage,
                                  .image_id = layout.background_id,
                                  .position = {0, 0},
                                  .gauge = layout.gauge,
                                  .children = next,
                                  .failures = nullptr,
                                  .image_flags = kBackgroundFlags},
                       .image = nullptr};
}

// A needle turning about the display centre (or `pivot_on_gauge`), by its element callback.
constexpr Needle needle(const Layout& layout, int32_t step, Point pivot_on_gauge,
                        Point pivot_in_image, uint32_t token, ElementCallback callback,
                        Element** next) {
    return Needle{.header = screen_element(layout, kNeedle, layout.background_id + step,
                                           pivot_on_gauge, pivot_in_image, next, kMovingFlags),
                  .source = {.token = token},
                  .table = nullptr,
                  .table_rows = 0,
                  .max_turn_degrees = 0,
                  .callback = callback};
}

constexpr Needle compass_card(const Layout& layout, Element** next) {
    Needle card = needle(layout, kCardStep, kCentre, {128, 128}, 0, compass_card_value, next);
    card.header.failures = layout.card_failures;
    return card;
}

// The deviation bar: shifted across the course pointer and turned with it.
constexpr Sprite deviation_bar(const Layout& layout, Element** next) {
    return Sprite{.header = screen_element(layout, kSprite,
                                           layout.background_id + kDeviationBarStep, {141, 131},
                                           shifted(layout, kCentre), next, kMovingFlags),
                  .x_source = {.token = 0x28},
                  .x_scale = -0.4,
                  .y_source = {.token = 0},
                  .y_scale = 0.0,
                  .rotation_source = {.token = 0x356},
                  .rotation_scale = -1.0,
                  .texture_scale_x = 1.0f,
                  .texture_scale_y = 1.0f,
                  .x_callback = deviation_value,
                  .y_callback = nullptr,
                  .rotation_callback = course_value};
}

constexpr Icon icon(const Layout& layout, int32_t step, Point position, int32_t cases,
                    ElementCallback callback, Element** next) {
    return Icon{.header = screen_element(layout, kIcon, layout.background_id + step, position,
                                         {0, 0}, next, kMovingFlags),
                .source = {.token = 0},
                .switch_mode = 0,
                .case_count = cases,
                .callback = callback};
}

constexpr Slider glideslope_pointer(const Layout& layout, Element** next) {
    return Slider{.header = screen_element(layout, kSlider,
                                           layout.background_id + kGlideslopePointerStep,
                                           {345, 195}, {0, 0}, next, kMovingFlags),
                  .x_source = {.token = 0},
                  .x_scale = 0.0,
                  .y_source = {.token = 0x29},
                  .y_scale = 0.6,
                  .x_callback = nullptr,
                  .y_callback = glideslope_pointer_value};
}

// Colours (0x00BBGGRR).
inline constexpr uint32_t kWhite = 0xffffff;
inline constexpr uint32_t kYellow = 0x00ffff;
inline constexpr uint32_t kGreen = 0x00ff00;
inline constexpr uint32_t kCyan = 0xffff00;
inline constexpr uint32_t kMagenta = 0xff00ff;
inline constexpr uint32_t kScreenGrey = 0x101010;

// What one readout looks like and where it stands, before the shift.
struct Readout {
    Point position;
    ImageSize box;
    uint32_t tokens[3];
    uint32_t text_colour;
    uint32_t background_colour;
    uint32_t highlight_colour;
    uint32_t format;
    int32_t length;
    uint32_t flags;
    uint32_t font_size;
    ElementCallback callback;
};

inline constexpr Readout kHeadingReadout = {{195, 35}, {45, 20}, {0x51, 0, 0}, kWhite,
                                            kScreenGrey, 0, kTextCentred, 3, kTextFlags, 0,
                                            heading_text};
inline constexpr Readout kWindSpeedReadout = {{110, 80}, {35, 20}, {0, 0x157, 0}, kWhite,
                                              kScreenGrey, 0, kTextCentredTop, 2, kTextFlags, 9,
                                              wind_speed_text};
inline constexpr Readout kSelectedHeadingReadout = {{320, 290}, {45, 20}, {0x6b, 0, 0}, kYellow,
                                                    kScreenGrey, 0, kTextCentred, 3, kTextFlags,
                                                    0, selected_heading_text};
inline constexpr Readout kCourseReadout = {{80, 55}, {90, 20}, {0x2d, 0, 0}, kGreen,
                                           kScreenGrey, 0, kTextCentred, 7, kTextFlags, 0,
                                           course_text};
inline constexpr Readout kSpeedTimeReadout = {{300, 80}, {75, 20}, {0, 0, 0}, kGreen, 0,
                                              kGreen, kTextCentred, 6, kTextFlags, 0,
                                              speed_or_time_text};
inline constexpr Readout kNavigationDistanceReadout = {
    {280, 55}, {90, 20}, {0x1f, 0x23, 0}, kGreen, 0, kGreen, kTextCentred, 7, kDataTextFlags,
    0, navigation_distance_text};
inline constexpr Readout kBearing1DistanceReadout = {
    {125, 340}, {90, 20}, {0x1f, 0x23, 0}, kCyan, 0, kCyan, kTextCentred, 7, kDataTextFlags,
    0, bearing1_distance_text};
inline constexpr Readout kBearing2DistanceReadout = {
    {230, 340}, {90, 20}, {0x1f, 0x23, 0}, kMagenta, 0, kMagenta, kTextCentred, 7,
    kDataTextFlags, 0, bearing2_distance_text};
inline constexpr Readout kBearing2LabelReadout = {
    {290, 315}, {60, 20}, {0x1f, 0x23, 0}, kMagenta, 0, kMagenta, kTextCentred, 5,
    kDataTextFlags, 0, bearing2_label_text};
inline constexpr Readout kBearing1LabelReadout = {
    {105, 315}, {60, 20}, {0x1f, 0x23, 0}, kCyan, 0, kCyan, kTextCentred, 5, kDataTextFlags, 0,
    bearing1_label_text};

constexpr TextString text(const Layout& layout, const Readout& readout, Element** next) {
    return TextString{
        .header = screen_element(layout, kTextString, kNoImage, readout.position, {0, 0}, next,
                                 readout.flags),
        .sources = {{.token = readout.tokens[0]},
                    {.token = readout.tokens[1]},
                    {.token = readout.tokens[2]}},
        .box = readout.box,
        .text_colour = readout.text_colour,
        .background_colour = readout.background_colour,
        .highlight_colour = readout.highlight_colour,
        .font_name = "GLASS GAUGE",
        .font_weight = 400,
        .char_set = 1,
        .format = readout.format,
        .char_count = readout.length,
        .highlights = nullptr,
        .wind_marker = readout.font_size,
        .callback = readout.callback,
    };
}

}  // namespace efdisplay::situation
