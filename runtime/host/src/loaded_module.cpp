#include "loaded_module.h"

#include <dlfcn.h>

#include <cstddef>
#include <cstring>

#include "panel_abi/services.h"
#include "service_table.h"

namespace panel_host {

namespace {

// No module of the panel lists more gauges than this; a longer list is a corrupt module.
constexpr int kMostGaugesPerModule = 64;

panel_abi::GaugeHeader* const* gauge_list(panel_abi::Linkage* linkage) {
    auto* base = reinterpret_cast<char*>(linkage) + offsetof(panel_abi::Linkage, gauges);
    return reinterpret_cast<panel_abi::GaugeHeader* const*>(base);
}

}  // namespace

std::unique_ptr<LoadedModule> LoadedModule::open(const std::string& path, std::string* error) {
    std::unique_ptr<LoadedModule> module(new LoadedModule());
    module->path_ = path;
    module->handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module->handle_ == nullptr) {
        const char* reason = dlerror();
        if (error) *error = std::string("cannot load module ") + path + ": " + (reason ? reason : "unknown error");
        return nullptr;
    }
    module->linkage_ = static_cast<panel_abi::Linkage*>(dlsym(module->handle_, "Linkage"));
    auto* import = static_cast<panel_abi::ImportTable*>(dlsym(module->handle_, "ImportTable"));
    if (module->linkage_ == nullptr || import == nullptr ||
        module->linkage_->module_id != panel_abi::kModuleId ||
        import->panel.id != panel_abi::kImportPanelServices) {
        if (error) *error = "not a gauge module (no valid Linkage and ImportTable): " + path;
        module->linkage_ = nullptr;
        return nullptr;
    }
    module->resources_ = static_cast<const panel_abi::ResourceDirectory*>(
        dlsym(module->handle_, PANEL_RESOURCE_DIRECTORY_SYMBOL));
    // The service table goes in before any call into the module.
    import->panel.services = service_table();
    if (module->linkage_->init != nullptr) module->linkage_->init();
    return module;
}

LoadedModule::~LoadedModule() {
    if (handle_ == nullptr) return;
    if (linkage_ != nullptr && linkage_->module_id == panel_abi::kModuleId &&
        linkage_->deinit != nullptr)
        linkage_->deinit();
    dlclose(handle_);
}

panel_abi::GaugeHeader* LoadedModule::find_gauge(const std::string& name) const {
    panel_abi::GaugeHeader* const* gauges = gauge_list(linkage_);
    for (int i = 0; i < kMostGaugesPerModule && gauges[i] != nullptr; ++i) {
        const char* gauge_name = gauges[i]->name;
        if (gauge_name != nullptr && name == gauge_name) return gauges[i];
    }
    return nullptr;
}

}  // namespace panel_host
