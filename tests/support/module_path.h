// Where the tests find the gauge modules this build made.
#pragma once

#include <string>

inline std::string module_path(const std::string& module_name) {
    return std::string(PANEL_MODULE_DIR) + "/" + module_name + ".so";
}
