// The resources a module carries, as the embedding commands receive them:
//   bitmap:<id>=<file.bmp>   a picture, addressed by its numeric id
//   raw:<name>=<file>        raw data, addressed by name
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace picture_builder {

struct ResourceFile {
    enum class Kind { bitmap, raw };
    Kind kind = Kind::bitmap;
    uint32_t id = 0;   // bitmaps
    std::string name;  // raw data: letters, digits and underscores
    std::string path;
};

// Parses the arguments in order; fails on a malformed argument or a repeated id or name.
std::optional<std::vector<ResourceFile>> parse_resource_list(const std::vector<std::string>& args,
                                                             std::string& error);

}  // namespace picture_builder
