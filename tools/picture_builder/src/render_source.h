// Rasterises one picture source to exactly width × height true-colour pixels.
// A source is an SVG file path, or "draw:<name>" for a drawing function of the builder.
// Whatever the source leaves unpainted comes out pure black: the colour the host shows
// through.
#pragma once

#include <optional>
#include <string>

#include "image.h"

namespace picture_builder {

std::optional<RgbImage> render_source(const std::string& source, int width, int height,
                                      std::string& error);

}  // namespace picture_builder
