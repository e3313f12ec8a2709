#include "panel_host/renderer.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstring>

#include "font_aliases.h"
#include "loaded_module.h"
#include "picture_source.h"

namespace panel_host {

using namespace panel_abi;

namespace {

// Image flag bit with which an element asks for pure black to be transparent.
constexpr uint32_t kImageBlackTransparent = 0x1;

// Text format bits in the Windows text-drawing convention.
constexpr uint32_t kFormatCentre = 0x1;
constexpr uint32_t kFormatRight = 0x2;
constexpr uint32_t kFormatVerticalCentre = 0x4;
constexpr uint32_t kFormatBottom = 0x8;

constexpr double kDegrees = M_PI / 180.0;

void set_colour(cairo_t* cr, uint32_t colorref) {
    cairo_set_source_rgb(cr, (colorref & 0xff) / 255.0, ((colorref >> 8) & 0xff) / 255.0,
                         ((colorref >> 16) & 0xff) / 255.0);
}

void paint_at(cairo_t* cr, cairo_surface_t* surface, double x, double y) {
    cairo_set_source_surface(cr, surface, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
}

void draw_text(cairo_t* cr, const TextString& text, const std::string& shown) {
    const double x = text.header.position.x;
    const double y = text.header.position.y;
    const double width = text.box.width;
    const double height = text.box.height;
    if (width <= 0 || height <= 0) return;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    set_colour(cr, text.background_colour);
    cairo_paint(cr);

    char face[kFontNameBytes + 1] = {};
    std::memcpy(face, text.font_name, kFontNameBytes);
    cairo_select_font_face(cr, face, CAIRO_FONT_SLANT_NORMAL,
                           text.font_weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    // The box height sets the character height, as the simulator sizes its gauge fonts.
    cairo_set_font_size(cr, height);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, shown.c_str(), &extents);
    // A text wider than its box is set smaller rather than losing its ends.
    if (extents.x_advance > width) {
        cairo_set_font_size(cr, height * width / extents.x_advance);
        cairo_text_extents(cr, shown.c_str(), &extents);
    }
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);

    double left = x;
    if (text.format & kFormatCentre)
        left = x + (width - extents.x_advance) / 2;
    else if (text.format & kFormatRight)
        left = x + width - extents.x_advance;
    const double line = font.ascent + font.descent;
    double top = y;
    if (text.format & kFormatVerticalCentre)
        top = y + (height - line) / 2;
    else if (text.format & kFormatBottom)
        top = y + height - line;

    set_colour(cr, text.text_colour);
    cairo_move_to(cr, std::round(left), top + font.ascent);
    cairo_show_text(cr, shown.c_str());
    cairo_restore(cr);
}

}  // namespace

GaugeRenderer::GaugeRenderer(const PanelHost& host) : host_(host) { install_font_aliases(); }

GaugeRenderer::~GaugeRenderer() {
    for (auto& [key, surface] : pictures_)
        if (surface != nullptr) cairo_surface_destroy(surface);
}

cairo_surface_t* GaugeRenderer::picture(const LoadedModule* module, int32_t id, bool black_transparent) {
    const auto key = std::make_tuple(module, id, black_transparent);
    auto found = pictures_.find(key);
    if (found != pictures_.end()) return found->second;
    cairo_surface_t* surface = module != nullptr ? picture_surface(*module, id, black_transparent) : nullptr;
    pictures_[key] = surface;
    return surface;
}

cairo_surface_t* GaugeRenderer::case_picture(const LoadedModule* module, int32_t first_id,
                                             int icon_case, bool black_transparent) {
    if (module == nullptr || icon_case < 0) return nullptr;
    const int32_t id = case_picture_id(*module, first_id, icon_case);
    return id < 0 ? nullptr : picture(module, id, black_transparent);
}

void GaugeRenderer::draw_element(cairo_t* cr, const LoadedModule* module, const ElementState& state) {
    const Element& element = *state.element;
    const bool transparent = (element.image_flags & kImageBlackTransparent) != 0;
    const double x = element.position.x;
    const double y = element.position.y;
    switch (state.kind) {
    case kStaticImage:
        if (cairo_surface_t* surface = picture(module, element.image_id, transparent))
            paint_at(cr, surface, x, y);
        break;
    case kIcon:
        if (cairo_surface_t* surface = case_picture(module, element.image_id, state.icon_case, transparent))
            paint_at(cr, surface, x, y);
        break;
    case kSlider:
        if (cairo_surface_t* surface = picture(module, element.image_id, transparent))
            paint_at(cr, surface, x + state.slider_x, y + state.slider_y);
        break;
    case kNeedle:
        if (cairo_surface_t* surface = picture(module, element.image_id, transparent)) {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, state.needle_angle * kDegrees);
            paint_at(cr, surface, -element.offset.x, -element.offset.y);
            cairo_restore(cr);
        }
        break;
    case kSprite: {
        cairo_surface_t* texture = picture(module, element.image_id, transparent);
        cairo_surface_t* window = picture(module, element.image_id + 1, true);
        if (texture == nullptr || window == nullptr) break;
        const int window_width = cairo_image_surface_get_width(window);
        const int window_height = cairo_image_surface_get_height(window);
        cairo_save(cr);
        cairo_rectangle(cr, x, y, window_width, window_height);
        cairo_clip(cr);
        // The texture's centre sits on the offset point; it shifts along its own axes, then
        // turns about that point, counterclockwise for positive values.
        cairo_translate(cr, element.offset.x, element.offset.y);
        cairo_rotate(cr, -state.sprite_rotation * kDegrees);
        cairo_translate(cr, state.sprite_x, state.sprite_y);
        paint_at(cr, texture, -cairo_image_surface_get_width(texture) / 2.0,
                 -cairo_image_surface_get_height(texture) / 2.0);
        cairo_restore(cr);
        paint_at(cr, window, x, y);
        break;
    }
    case kTextString:
        draw_text(cr, *reinterpret_cast<const TextString*>(state.element), state.text);
        break;
    default: break;
    }
}

void GaugeRenderer::draw(cairo_t* cr, InstanceId instance, double x, double y, double width, double height) {
    const ImageSize design = host_.design_size(instance);
    if (design.width <= 0 || design.height <= 0 || width <= 0 || height <= 0) return;
    const LoadedModule* module = host_.module_of(instance);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, width / design.width, height / design.height);
    cairo_rectangle(cr, 0, 0, design.width, design.height);
    cairo_clip(cr);
    for (const ElementState& state : host_.elements(instance))
        if (state.drawn) draw_element(cr, module, state);
    cairo_restore(cr);
}

cairo_surface_t* GaugeRenderer::draw_alone(InstanceId instance) {
    const ImageSize design = host_.design_size(instance);
    const int width = design.width > 0 ? design.width : 1;
    const int height = design.height > 0 ? design.height : 1;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    draw(cr, instance, 0, 0, width, height);
    cairo_destroy(cr);
    return surface;
}

}  // namespace panel_host
