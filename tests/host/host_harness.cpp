#include "host_harness.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "module_path.h"

namespace host_test {

using panel_host::InstanceId;

const FixtureView& fixture_view(const std::string& module) {
    static std::map<std::string, FixtureView> opened;
    auto found = opened.find(module);
    if (found != opened.end()) return found->second;
    void* handle = dlopen(module_path(module).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) throw std::runtime_error("cannot open fixture module " + module);
    FixtureView view;
    auto probe = reinterpret_cast<fixture::ProbeEntry>(dlsym(handle, fixture::kProbeSymbol));
    view.element = reinterpret_cast<fixture::ElementEntry>(dlsym(handle, fixture::kElementSymbol));
    if (probe == nullptr || view.element == nullptr)
        throw std::runtime_error("fixture module " + module + " exports no probe");
    view.probe = probe();
    return opened.emplace(module, view).first->second;
}

HostHarness::HostHarness(panel_host::PanelHostOptions options)
    : host(std::make_unique<panel_host::PanelHost>(store, options)) {
    host->on_key_event([this](const panel_abi::KeyEvent& event) { key_events.push_back(event); });
    host->on_window_toggle(
        [this](uint32_t number, bool visible) { window_toggles.emplace_back(number, visible); });
}

panel_host::LoadedModule* HostHarness::load(const std::string& module) {
    if (loaded_.count(module) == 0) *fixture_view(module).probe = fixture::Probe{};
    std::string error;
    panel_host::LoadedModule* loaded = host->load_module(module_path(module), &error);
    if (loaded == nullptr) throw std::runtime_error("host cannot load " + module + ": " + error);
    loaded_[module] = loaded;
    return loaded;
}

InstanceId HostHarness::place(const std::string& module, const std::string& gauge) {
    auto found = loaded_.find(module);
    panel_host::LoadedModule* loaded = found != loaded_.end() ? found->second : load(module);
    std::string error;
    const InstanceId instance = host->place(loaded, gauge, &error);
    if (instance == panel_host::kNoInstance)
        throw std::runtime_error("host cannot place " + module + "!" + gauge + ": " + error);
    instance_modules_[instance] = module;
    return instance;
}

const panel_host::ElementState& HostHarness::state(InstanceId instance, int32_t tag) const {
    auto placed = instance_modules_.find(instance);
    if (placed != instance_modules_.end()) {
        const panel_abi::Element* element = fixture_view(placed->second).element(tag);
        for (const panel_host::ElementState& state : host->elements(instance))
            if (element != nullptr && state.element == element) return state;
    }
    throw std::runtime_error("instance " + std::to_string(instance) + " has no element tagged " +
                             std::to_string(tag));
}

void HostHarness::click(InstanceId instance, int x, int y, panel_host::MouseButton button) {
    host->mouse_press(instance, x, y, button);
    host->mouse_release();
}

int32_t HostHarness::mark(const std::string& module) const {
    return fixture_view(module).probe->recorded;
}

std::vector<fixture::TraceEntry> recorded_calls(const std::string& module, int32_t from) {
    const fixture::Probe& probe = *fixture_view(module).probe;
    if (probe.recorded > fixture::kTraceCapacity)
        ADD_FAILURE() << module << " recorded more calls than its trace holds";
    std::vector<fixture::TraceEntry> calls;
    for (int32_t i = from; i < probe.recorded && i < fixture::kTraceCapacity; ++i)
        calls.push_back(probe.entries[i]);
    return calls;
}

std::vector<fixture::TraceEntry> HostHarness::calls_since(const std::string& module,
                                                          int32_t mark) const {
    return recorded_calls(module, mark);
}

std::vector<fixture::TraceEntry> HostHarness::handler_calls_since(const std::string& module,
                                                                  int32_t mark) const {
    std::vector<fixture::TraceEntry> handlers;
    for (const fixture::TraceEntry& call : calls_since(module, mark))
        if (call.call == fixture::Call::handler) handlers.push_back(call);
    return handlers;
}

}  // namespace host_test
