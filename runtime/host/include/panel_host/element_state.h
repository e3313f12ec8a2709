// What the host knows of each element of a placed gauge after a frame: the values its
// callbacks produced, in the form the drawing and the scenario runner read them.
#pragma once

#include <cstdint>
#include <string>

#include "panel_abi/records.h"

namespace panel_host {

struct ElementState {
    panel_abi::Element* element = nullptr;
    int depth = 0;             // 0 for the root
    int kind = 0;              // panel_abi::ElementKind

    double value = 0.0;        // the value the host used (needle, icon)
    double needle_angle = 0.0; // degrees clockwise from the needle bitmap's own direction
    bool needle_placed = false;  // false until the first update gave the needle an angle
    int icon_case = -1;        // -1: no picture
    std::string text;          // the text as shown: cut to the character count
    double slider_x = 0.0;     // pixels
    double slider_y = 0.0;
    double sprite_x = 0.0;     // pixels along the texture's axes
    double sprite_y = 0.0;
    double sprite_rotation = 0.0;  // degrees, counterclockwise positive

    bool hidden = false;       // image flag 0x40000000 at the last draw
    bool failed = false;       // an active failure with action 3 names it
    bool drawn = false;        // drawn in the last draw phase
};

}  // namespace panel_host
