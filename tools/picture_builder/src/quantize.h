// Reduces a true-colour picture to a palette of at most 256 colours for an 8-bit BMP.
//
// The host draws pure black (0,0,0) as transparent, so the palette keeps two promises:
// a pixel is pure black in the result exactly where it is pure black in the input, and no
// other colour, however dark, becomes pure black. Pictures of up to 256 colours keep every
// colour exactly; larger ones are quantised with libimagequant without dithering, keeping
// their large flat fills at their exact colours.
#pragma once

#include <optional>
#include <string>

#include "image.h"

namespace picture_builder {

std::optional<IndexedImage> quantize(const RgbImage& image, std::string& error);

}  // namespace picture_builder
