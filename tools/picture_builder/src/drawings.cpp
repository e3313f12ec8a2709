#include "drawings.h"

namespace picture_builder {

namespace {

// Add a drawing here, with its function in a file of its own.
constexpr Drawing kDrawings[] = {
    {.name = "calibration",
     .description = "test chart for the picture pipeline: pure black holes, nearly black "
                    "patches, flat fills and a gradient of more colours than a palette holds",
     .draw = draw_calibration},
};

}  // namespace

std::span<const Drawing> drawings() { return kDrawings; }

const Drawing* find_drawing(std::string_view name) {
    for (const Drawing& drawing : kDrawings)
        if (name == drawing.name) return &drawing;
    return nullptr;
}

}  // namespace picture_builder
