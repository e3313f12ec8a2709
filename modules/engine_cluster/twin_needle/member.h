// What sets one twin-needle gauge apart from the others: its name, the two needles (scale
// geometry, own variable, reading, tooltip help id) and whether it hands the host a mouse
// list. The face picture differs too; each module carries its own under the same id.
#pragma once

#include <cstdint>

#include "dial_tables.h"
#include "panel_abi/records.h"

namespace twin_needle {

struct DialMember {
    const DialGeometry* geometry;        // pivot and nonlinearity table rows
    uint32_t token;                      // the needle's own variable
    panel_abi::VariableCallback reading;  // its value for the nonlinearity table
    uint32_t help_id;                    // the dial's tooltip group, 0 without a mouse list
};

struct Member {
    const char* name;  // the module's name and its one gauge's name
    DialMember left;
    DialMember right;
    bool has_mouse_list;  // the tooltip groups, one per dial
    // The lamps take the engine speed from the right needle's own variable (which the host
    // refreshed earlier in the frame) instead of looking it up.
    bool lamps_read_right_needle;
};

}  // namespace twin_needle
