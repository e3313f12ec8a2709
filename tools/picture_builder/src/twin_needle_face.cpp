#include "twin_needle_face.h"

#include <algorithm>
#include <cmath>

#include "twin_needle_scale.h"

namespace picture_builder {

namespace {

// The needle bitmap reaches 99 pixels beyond its pivot. Every scale mark crosses that
// circle, so the needle's tip lies on the mark it points at even where a table row's point
// sits a little inside the tip's reach.
constexpr double kNeedleReach = 99;
constexpr double kMarkBeyondTip = 3;
constexpr double kMajorLength = 17;
constexpr double kMinorLength = 9;
constexpr double kMajorWidth = 2.6;
constexpr double kMinorWidth = 1.4;
constexpr double kRedTickLength = 22;
constexpr double kShortRedTickLength = 10;
constexpr double kRedTickWidth = 4;
constexpr double kRedBandWidth = 5;
constexpr double kRedBandGap = 1;
constexpr double kLabelGap = 5;        // from a major mark's inner end to its number's box
constexpr double kRimClearance = 9;    // from the outermost mark to the dial's rim
constexpr double kCaptionDistance = 48;   // from the pivot to the caption's centre
constexpr double kNarrowCaptionDistance = 32;
constexpr double kNarrowFreePart = 70 * M_PI / 180;

struct Colour {
    double r, g, b;
};
constexpr Colour kPanel = {0x17 / 255.0, 0x17 / 255.0, 0x17 / 255.0};
constexpr Colour kPanelEdge = {0x34 / 255.0, 0x34 / 255.0, 0x34 / 255.0};
constexpr Colour kDial = {0x0c / 255.0, 0x0c / 255.0, 0x0c / 255.0};
constexpr Colour kRim = {0x4e / 255.0, 0x4e / 255.0, 0x4e / 255.0};
constexpr Colour kMarks = {0xee / 255.0, 0xee / 255.0, 0xee / 255.0};
constexpr Colour kScaleLine = {0x90 / 255.0, 0x90 / 255.0, 0x90 / 255.0};
constexpr Colour kRed = {0xe8 / 255.0, 0x26 / 255.0, 0x1e / 255.0};
constexpr Colour kUnitText = {0xb8 / 255.0, 0xb8 / 255.0, 0xb8 / 255.0};

constexpr const char* kFont = "B612";

void set_colour(cairo_t* cr, Colour colour) {
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
}

// Outer end of the marks at a value: the scale point, or just beyond the needle's tip.
double mark_outer_radius(const DialFace& dial, double value) {
    return std::max(scale_position(*dial.geometry, value).radius, kNeedleReach + kMarkBeyondTip);
}

double dial_radius(const DialFace& dial) {
    double outermost = 0;
    for (const twin_needle::DialPoint& row : dial.geometry->points)
        outermost = std::max(outermost, mark_outer_radius(dial, row.value));
    return outermost + kRimClearance;
}

void radial_line(cairo_t* cr, const DialFace& dial, double value, double inner, double outer,
                 double width, Colour colour) {
    const double direction = scale_position(*dial.geometry, value).direction;
    const PicturePoint from = point_at(*dial.geometry, direction, inner);
    const PicturePoint to = point_at(*dial.geometry, direction, outer);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    set_colour(cr, colour);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    cairo_stroke(cr);
}

// A line along the scale from one value to another, `inset` inside the marks' outer ends
// (outside them for a negative inset).
void scale_path(cairo_t* cr, const DialFace& dial, double from, double to, double inset) {
    constexpr int kSteps = 120;
    for (int i = 0; i <= kSteps; ++i) {
        const double value = from + (to - from) * i / kSteps;
        const double direction = scale_position(*dial.geometry, value).direction;
        const PicturePoint point =
            point_at(*dial.geometry, direction, mark_outer_radius(dial, value) - inset);
        if (i == 0)
            cairo_move_to(cr, point.x, point.y);
        else
            cairo_line_to(cr, point.x, point.y);
    }
}

struct TextSize {
    double width;
    double height;
};

void select_font(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

TextSize text_size(cairo_t* cr, const char* text, double size, bool bold) {
    select_font(cr, size, bold);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    return {extents.width, extents.height};
}

void centred_text(cairo_t* cr, const char* text, double x, double y, double size, bool bold,
                  Colour colour) {
    select_font(cr, size, bold);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    set_colour(cr, colour);
    cairo_move_to(cr, x - extents.x_bearing - extents.width / 2,
                  y - extents.y_bearing - extents.height / 2);
    cairo_show_text(cr, text);
}

void paint_panel(cairo_t* cr, int width, int height) {
    set_colour(cr, kPanel);
    cairo_paint(cr);
    cairo_set_line_width(cr, 3);
    set_colour(cr, kPanelEdge);
    cairo_rectangle(cr, 1.5, 1.5, width - 3, height - 3);
    cairo_stroke(cr);
}

void paint_screw(cairo_t* cr, double x, double y) {
    constexpr double kRadius = 7;
    cairo_pattern_t* metal = cairo_pattern_create_linear(x - kRadius, y - kRadius, x + kRadius,
                                                         y + kRadius);
    cairo_pattern_add_color_stop_rgb(metal, 0, 0.78, 0.78, 0.78);
    cairo_pattern_add_color_stop_rgb(metal, 1, 0.30, 0.30, 0.30);
    cairo_set_source(cr, metal);
    cairo_arc(cr, x, y, kRadius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.12);
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, x - kRadius * 0.7, y + kRadius * 0.7);
    cairo_line_to(cr, x + kRadius * 0.7, y - kRadius * 0.7);
    cairo_stroke(cr);
}

void paint_dial_disc(cairo_t* cr, const DialFace& dial) {
    const double x = dial.geometry->pivot.x;
    const double y = dial.geometry->pivot.y;
    const double radius = dial_radius(dial);
    set_colour(cr, kDial);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    set_colour(cr, kRim);
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_stroke(cr);
}

void paint_red_bands(cairo_t* cr, const DialFace& dial) {
    for (const RedBand& band : dial.red_bands) {
        cairo_set_line_width(cr, kRedBandWidth);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        set_colour(cr, kRed);
        // Just outside the marks, so that no mark is widened by it.
        scale_path(cr, dial, band.from, band.to, -(kRedBandGap + kRedBandWidth / 2));
        cairo_stroke(cr);
    }
}

void paint_scale_line(cairo_t* cr, const DialFace& dial) {
    cairo_set_line_width(cr, 1.2);
    set_colour(cr, kScaleLine);
    scale_path(cr, dial, dial.geometry->points.front().value, dial.geometry->points.back().value,
               0.6);
    cairo_stroke(cr);
}

bool is_major(const DialFace& dial, double value) {
    constexpr double kSameValue = 1e-9;
    for (const twin_needle::DialPoint& row : dial.geometry->points)
        if (std::fabs(row.value - value) < kSameValue) return true;
    for (const ScaleLabel& label : dial.labels)
        if (std::fabs(label.value - value) < kSameValue) return true;
    return false;
}

void paint_marks(cairo_t* cr, const DialFace& dial) {
    const double first = dial.geometry->points.front().value;
    const double last = dial.geometry->points.back().value;
    if (dial.minor_step > 0) {
        const int steps = static_cast<int>(std::floor((last - first) / dial.minor_step + 1e-9));
        for (int i = 1; i < steps; ++i) {
            const double value = first + i * dial.minor_step;
            if (is_major(dial, value)) continue;
            const double outer = mark_outer_radius(dial, value);
            radial_line(cr, dial, value, outer - kMinorLength, outer, kMinorWidth, kMarks);
        }
    }
    // A major mark on every table row, and on every labelled value between rows.
    for (const twin_needle::DialPoint& row : dial.geometry->points) {
        const double outer = mark_outer_radius(dial, row.value);
        radial_line(cr, dial, row.value, outer - kMajorLength, outer, kMajorWidth, kMarks);
    }
    for (const ScaleLabel& label : dial.labels) {
        const double outer = mark_outer_radius(dial, label.value);
        radial_line(cr, dial, label.value, outer - kMajorLength, outer, kMajorWidth, kMarks);
    }
}

void paint_red_ticks(cairo_t* cr, const DialFace& dial) {
    for (const RedTick& tick : dial.red_ticks) {
        const double outer = mark_outer_radius(dial, tick.value) + 1;
        const double length = tick.short_mark ? kShortRedTickLength : kRedTickLength;
        radial_line(cr, dial, tick.value, outer - length, outer, kRedTickWidth, kRed);
    }
}

// Each number stands inside its major mark, a fixed gap from the mark's inner end to the
// nearest edge of the number's box, so wide and narrow numbers keep the same distance.
void paint_labels(cairo_t* cr, const DialFace& dial) {
    constexpr double kLabelSize = 15;
    for (const ScaleLabel& label : dial.labels) {
        const double direction = scale_position(*dial.geometry, label.value).direction;
        const TextSize size = text_size(cr, label.text, kLabelSize, true);
        const double half_depth = std::fabs(std::cos(direction)) * size.width / 2 +
                                  std::fabs(std::sin(direction)) * size.height / 2;
        const double radius =
            mark_outer_radius(dial, label.value) - kMajorLength - kLabelGap - half_depth;
        const PicturePoint at = point_at(*dial.geometry, direction, radius);
        centred_text(cr, label.text, at.x, at.y, kLabelSize, true, kMarks);
    }
}

// Caption and unit stand in the middle of the part of the dial the scale leaves free.
void paint_caption(cairo_t* cr, const DialFace& dial) {
    const auto& rows = dial.geometry->points;
    const double start = scale_position(*dial.geometry, rows.front().value).direction;
    double sweep = 0;
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const double from = scale_position(*dial.geometry, rows[i].value).direction;
        const double to = scale_position(*dial.geometry, rows[i + 1].value).direction;
        sweep += std::remainder(to - from, 2 * M_PI);
    }
    const double free_middle = start + sweep / 2 + M_PI;
    // A narrow free part has numbers close on both sides: the caption keeps nearer the pivot.
    const double free_part = 2 * M_PI - sweep;
    const double distance = free_part < kNarrowFreePart ? kNarrowCaptionDistance : kCaptionDistance;
    const PicturePoint at = point_at(*dial.geometry, free_middle, distance);
    // The caption over its unit, the pair centred on that point.
    const double half_gap = dial.unit != nullptr ? 8 : 0;
    centred_text(cr, dial.caption, at.x, at.y - half_gap, 17, true, kMarks);
    if (dial.unit != nullptr)
        centred_text(cr, dial.unit, at.x, at.y + half_gap + 2, 11, false, kUnitText);
}

void paint_dial(cairo_t* cr, const DialFace& dial) {
    paint_dial_disc(cr, dial);
    paint_red_bands(cr, dial);
    paint_scale_line(cr, dial);
    paint_marks(cr, dial);
    paint_red_ticks(cr, dial);
    paint_labels(cr, dial);
    paint_caption(cr, dial);
}

}  // namespace

void paint_twin_needle_face(cairo_t* cr, int width, int height, const TwinNeedleFace& face) {
    constexpr double kScrewInset = 15;
    paint_panel(cr, width, height);
    paint_screw(cr, kScrewInset, kScrewInset);
    paint_screw(cr, width - kScrewInset, kScrewInset);
    paint_screw(cr, kScrewInset, height - kScrewInset);
    paint_screw(cr, width - kScrewInset, height - kScrewInset);
    paint_dial(cr, face.left);
    paint_dial(cr, face.right);
    if (face.centre_caption != nullptr)
        centred_text(cr, face.centre_caption, width / 2.0, height - 26, 16, true, kMarks);
}

}  // namespace picture_builder
