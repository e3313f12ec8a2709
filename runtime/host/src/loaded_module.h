// A gauge module loaded into the host: its library handle, descriptor and import record.
#pragma once

#include <memory>
#include <string>

#include "panel_abi/records.h"
#include "panel_abi/resources.h"

namespace panel_host {

class LoadedModule {
public:
    // Open the library, check that it is a gauge module, publish the service table into its
    // import record and call its init routine. Null with a reason when any step fails.
    static std::unique_ptr<LoadedModule> open(const std::string& path, std::string* error);
    ~LoadedModule();  // calls the deinit routine, then unloads

    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    const std::string& path() const { return path_; }
    // The gauge of that exact name, or null.
    panel_abi::GaugeHeader* find_gauge(const std::string& name) const;
    // The Linux resource directory, or null when the module carries no pictures.
    const panel_abi::ResourceDirectory* resources() const { return resources_; }

private:
    LoadedModule() = default;

    std::string path_;
    void* handle_ = nullptr;
    panel_abi::Linkage* linkage_ = nullptr;
    const panel_abi::ResourceDirectory* resources_ = nullptr;
};

}  // namespace panel_host
