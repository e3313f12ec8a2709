// Writes a picture as a PNG, each pixel enlarged to scale × scale, for looking at the art.
#pragma once

#include <string>

#include "image.h"

namespace picture_builder {

bool write_png_preview(const RgbImage& image, int scale, const std::string& path,
                       std::string& error);

}  // namespace picture_builder
