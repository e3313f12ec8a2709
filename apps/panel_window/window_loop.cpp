#include "window_loop.h"

#include <SDL.h>

#include <cstdio>
#include <string>

#include "cursors.h"
#include "panel_host/help_texts.h"
#include "panel_sim/simulated_aircraft.h"

namespace panel_window {

namespace {

constexpr Uint32 kFrameMilliseconds = 1000 / panel_sim::kFramesPerSecond;
// The pointer rests this many frames over a group before its help shows.
constexpr int kTooltipDelayFrames = 9;

struct Pointer {
    int x = 0;
    int y = 0;
    int resting_frames = 0;
    panel_host::InstanceId pressed = panel_host::kNoInstance;  // gauge holding the button
};

std::string tooltip_under(PanelSession& session, const Pointer& pointer, int32_t& cursor) {
    cursor = panel_abi::kCursorNone;
    const auto point = session.gauge_at(pointer.x, pointer.y);
    if (!point) return {};
    const panel_host::HoverInfo info = session.host().hover(point->instance, point->x, point->y);
    cursor = info.cursor;
    if (!info.tooltip.empty()) return info.tooltip;
    return info.help_id != 0 ? panel_host::help_text(info.help_id) : std::string();
}

void draw_tooltip(cairo_t* cr, const std::string& text, int x, int y, int canvas_width) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const double width = extents.x_advance + 10;
    const double height = 20;
    double left = x + 14;
    if (left + width > canvas_width) left = canvas_width - width;
    const double top = y + 18;
    cairo_rectangle(cr, left, top, width, height);
    cairo_set_source_rgb(cr, 1.0, 1.0, 0.88);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, left + 5, top + 15);
    cairo_show_text(cr, text.c_str());
}

void handle_event(PanelSession& session, const SDL_Event& event, Pointer& pointer, bool& running) {
    switch (event.type) {
    case SDL_QUIT: running = false; break;
    case SDL_MOUSEBUTTONDOWN: {
        if (event.button.button != SDL_BUTTON_LEFT && event.button.button != SDL_BUTTON_RIGHT) break;
        const auto point = session.gauge_at(event.button.x, event.button.y);
        if (!point) break;
        pointer.pressed = point->instance;
        session.host().mouse_press(point->instance, point->x, point->y,
                                   event.button.button == SDL_BUTTON_LEFT ? panel_host::MouseButton::left
                                                                          : panel_host::MouseButton::right);
        break;
    }
    case SDL_MOUSEBUTTONUP:
        session.host().mouse_release();
        pointer.pressed = panel_host::kNoInstance;
        break;
    case SDL_MOUSEMOTION:
        pointer.x = event.motion.x;
        pointer.y = event.motion.y;
        pointer.resting_frames = 0;
        if (pointer.pressed != panel_host::kNoInstance) {
            const GaugePoint point = session.to_gauge(pointer.pressed, pointer.x, pointer.y);
            session.host().mouse_move(point.instance, point.x, point.y);
        }
        break;
    default: break;
    }
}

}  // namespace

int run_window(PanelSession& session, const WindowOptions& options) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "cannot open the panel window: %s\n", SDL_GetError());
        return 1;
    }
    const int width = session.canvas_width();
    const int height = session.canvas_height();
    SDL_Window* window = SDL_CreateWindow("Panel", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width * options.scale, height * options.scale,
                                          SDL_WINDOW_RESIZABLE);
    SDL_Renderer* renderer = window != nullptr ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    SDL_Texture* texture = renderer != nullptr
                               ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                   SDL_TEXTUREACCESS_STREAMING, width, height)
                               : nullptr;
    if (texture == nullptr) {
        std::fprintf(stderr, "cannot open the panel window: %s\n", SDL_GetError());
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
        return 1;
    }
    // Mouse positions arrive in panel pixels whatever the window's size.
    SDL_RenderSetLogicalSize(renderer, width, height);

    int exit_status = 0;
    {
        Cursors cursors;
        cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        Pointer pointer;
        bool running = true;
        int frames = 0;
        Uint32 next_frame = SDL_GetTicks();
        while (running) {
            SDL_Event event;
            while (SDL_PollEvent(&event)) handle_event(session, event, pointer, running);

            session.advance_frame();
            ++pointer.resting_frames;
            int32_t cursor = panel_abi::kCursorNone;
            const std::string tooltip = tooltip_under(session, pointer, cursor);
            cursors.show(cursor);

            cairo_t* cr = cairo_create(canvas);
            session.draw(cr);
            if (!tooltip.empty() && pointer.resting_frames >= kTooltipDelayFrames &&
                pointer.pressed == panel_host::kNoInstance)
                draw_tooltip(cr, tooltip, pointer.x, pointer.y, width);
            cairo_destroy(cr);
            cairo_surface_flush(canvas);
            SDL_UpdateTexture(texture, nullptr, cairo_image_surface_get_data(canvas),
                              cairo_image_surface_get_stride(canvas));
            SDL_RenderClear(renderer);
            SDL_RenderCopy(renderer, texture, nullptr, nullptr);
            SDL_RenderPresent(renderer);

            if (options.quit_after_frames > 0 && ++frames >= options.quit_after_frames) running = false;
            // A steady frame rate: wait for the next frame's time, never catching up in bursts.
            next_frame += kFrameMilliseconds;
            const Uint32 now = SDL_GetTicks();
            if (next_frame > now)
                SDL_Delay(next_frame - now);
            else
                next_frame = now;
        }
        cairo_surface_destroy(canvas);
    }
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return exit_status;
}

}  // namespace panel_window
