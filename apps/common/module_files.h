// Where the programs find gauge modules.
#pragma once

#include <string>
#include <string_view>

namespace panel_apps {

// The modules folder beside the running program: <folder of the executable>/../modules.
// Empty when the executable's own path cannot be read.
std::string default_module_dir();

// The file of a module: a name containing '/' is already a path; any other name is
// <dir>/<name>.so.
std::string module_file(std::string_view dir, std::string_view name);

}  // namespace panel_apps
