// Writes the Windows resource script of a module: one BITMAP resource per picture by its
// numeric id, one RCDATA resource per raw-data file by its name. windres compiles it into
// the module's resource section.
#pragma once

#include <string>
#include <vector>

#include "resource_list.h"

namespace picture_builder {

bool write_rc_script(const std::vector<ResourceFile>& files, const std::string& output,
                     std::string& error);

}  // namespace picture_builder
