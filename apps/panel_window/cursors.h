// The mouse cursors of the panel window, one per cursor kind a mouse area names.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace panel_window {

class Cursors {
public:
    Cursors();
    ~Cursors();
    Cursors(const Cursors&) = delete;
    Cursors& operator=(const Cursors&) = delete;

    // Show the cursor of that kind (-1 none: the ordinary arrow).
    void show(int32_t kind);

private:
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* push_ = nullptr;
    SDL_Cursor* increase_ = nullptr;
    SDL_Cursor* decrease_ = nullptr;
    int32_t shown_ = -2;
};

}  // namespace panel_window
