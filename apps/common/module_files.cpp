#include "module_files.h"

#include <filesystem>
#include <system_error>

namespace panel_apps {

std::string default_module_dir() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return (executable.parent_path().parent_path() / "modules").string();
}

std::string module_file(std::string_view dir, std::string_view name) {
    if (name.find('/') != std::string_view::npos) return std::string(name);
    return std::string(dir) + "/" + std::string(name) + ".so";
}

}  // namespace panel_apps
