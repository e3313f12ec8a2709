// Writes the C++ source that carries a module's resources on Linux: each file's bytes as an
// array, and the exported resource directory "GaugeResources" that the host looks up.
#pragma once

#include <string>
#include <vector>

#include "resource_list.h"

namespace picture_builder {

bool write_linux_embedding(const std::vector<ResourceFile>& files, const std::string& output,
                           std::string& error);

}  // namespace picture_builder
