#include "cursors.h"

#include <cairo.h>

#include <initializer_list>

#include "panel_abi/records.h"

namespace panel_window {

namespace {

constexpr int kCursorSize = 24;

// A round cursor with a plus (increase) or minus (decrease) sign, drawn with cairo.
SDL_Cursor* make_sign_cursor(bool plus) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCursorSize, kCursorSize);
    cairo_t* cr = cairo_create(image);
    const double middle = kCursorSize / 2.0;
    cairo_arc(cr, middle, middle, middle - 2, 0, 6.2832);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, 6, middle);
    cairo_line_to(cr, kCursorSize - 6, middle);
    if (plus) {
        cairo_move_to(cr, middle, 6);
        cairo_line_to(cr, middle, kCursorSize - 6);
    }
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(image), kCursorSize, kCursorSize, 32,
        cairo_image_surface_get_stride(image), SDL_PIXELFORMAT_ARGB8888);
    SDL_Cursor* cursor = surface != nullptr ? SDL_CreateColorCursor(surface, kCursorSize / 2, kCursorSize / 2) : nullptr;
    if (surface != nullptr) SDL_FreeSurface(surface);
    cairo_surface_destroy(image);
    return cursor;
}

}  // namespace

Cursors::Cursors()
    : arrow_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)),
      push_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND)),
      increase_(make_sign_cursor(true)),
      decrease_(make_sign_cursor(false)) {}

Cursors::~Cursors() {
    for (SDL_Cursor* cursor : {arrow_, push_, increase_, decrease_})
        if (cursor != nullptr) SDL_FreeCursor(cursor);
}

void Cursors::show(int32_t kind) {
    if (kind == shown_) return;
    shown_ = kind;
    SDL_Cursor* cursor = arrow_;
    if (kind == panel_abi::kCursorPush) cursor = push_;
    if (kind == panel_abi::kCursorIncrease) cursor = increase_;
    if (kind == panel_abi::kCursorDecrease) cursor = decrease_;
    if (cursor != nullptr) SDL_SetCursor(cursor);
}

}  // namespace panel_window
