// Reads a BMP file the build made and decodes it with the host's decoder.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "panel_host/bitmap.h"

namespace pictures_test {

inline std::vector<unsigned char> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

inline panel_host::DecodedBitmap decode_file(const std::string& path) {
    return panel_host::decode_bmp(read_bytes(path));
}

}  // namespace pictures_test
