#include "drawings.h"

namespace picture_builder {

namespace {

// Add a drawing here, with its function in a file of its own.
constexpr Drawing kDrawings[] = {
    {.name = "calibration",
     .description = "test chart for the picture pipeline: pure black holes, nearly black "
                    "patches, flat fills and a gradient of more colours than a palette holds",
     .draw = draw_calibration},
    {.name = "twin_needle_halttff",
     .description = "twin-needle engine gauge face: turbine inlet temperature and fuel flow",
     .draw = draw_twin_needle_halttff},
    {.name = "twin_needle_halfuel",
     .description = "twin-needle engine gauge face: left and right fuel quantity",
     .draw = draw_twin_needle_halfuel},
    {.name = "twin_needle_halchvc",
     .description = "twin-needle engine gauge face: cylinder head temperature and suction",
     .draw = draw_twin_needle_halchvc},
    {.name = "twin_needle_halmprp",
     .description = "twin-needle engine gauge face: manifold pressure and engine speed",
     .draw = draw_twin_needle_halmprp},
    {.name = "twin_needle_halotop",
     .description = "twin-needle engine gauge face: oil temperature and oil pressure",
     .draw = draw_twin_needle_halotop},
};

}  // namespace

std::span<const Drawing> drawings() { return kDrawings; }

const Drawing* find_drawing(std::string_view name) {
    for (const Drawing& drawing : kDrawings)
        if (name == drawing.name) return &drawing;
    return nullptr;
}

}  // namespace picture_builder
