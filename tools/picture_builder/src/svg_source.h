// Draws an SVG file into a cairo context, fitted to width × height pixels.
#pragma once

#include <cairo.h>

#include <string>

namespace picture_builder {

// Fails when the file cannot be read or parsed, or when the document's proportions differ
// from the picture's (the art was drawn for another size).
bool draw_svg(cairo_t* cr, const std::string& path, int width, int height, std::string& error);

}  // namespace picture_builder
