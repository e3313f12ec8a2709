// One PanelHost with its variable store, the key events and window toggles it sends, and the
// fixture modules' own view of the calls the host made into them.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fixture_tags.h"
#include "panel_host/panel_host.h"
#include "probe.h"

namespace host_test {

inline constexpr const char* kOldestModule = "fixture_oldest";
inline constexpr const char* kMiddleModule = "fixture_middle";
inline constexpr const char* kNewestModule = "fixture_newest";

// A fixture module as the test sees it: opened by the test itself once per process and never
// closed, so that the host's loading and unloading share the one library and its trace can
// be read even after the host has let it go.
struct FixtureView {
    fixture::Probe* probe = nullptr;
    fixture::ElementEntry element = nullptr;
};
const FixtureView& fixture_view(const std::string& module);
// The calls a fixture module has recorded from the `from`-th on.
std::vector<fixture::TraceEntry> recorded_calls(const std::string& module, int32_t from = 0);

class HostHarness {
public:
    explicit HostHarness(panel_host::PanelHostOptions options = {});

    // Load a fixture module into the host. The first time this harness loads it, its trace
    // is cleared just before, so that it holds the init call and everything after.
    panel_host::LoadedModule* load(const std::string& module);
    // Load the module (if needed) and place one of its gauges; fails the test when it cannot.
    panel_host::InstanceId place(const std::string& module, const std::string& gauge);

    // The host's state of the fixture element with that tag in an instance.
    const panel_host::ElementState& state(panel_host::InstanceId instance, int32_t tag) const;

    // Pointer input on an instance, as one press and release.
    void click(panel_host::InstanceId instance, int x, int y,
               panel_host::MouseButton button = panel_host::MouseButton::left);

    // The number of calls a module has recorded so far, and the calls since such a mark.
    int32_t mark(const std::string& module) const;
    std::vector<fixture::TraceEntry> calls_since(const std::string& module, int32_t mark) const;
    // Only the mouse handler calls among them.
    std::vector<fixture::TraceEntry> handler_calls_since(const std::string& module,
                                                         int32_t mark) const;

    panel_host::VariableStore store;
    std::vector<panel_abi::KeyEvent> key_events;
    std::vector<std::pair<uint32_t, bool>> window_toggles;
    // Declared last: destroyed first, while the store it refers to still exists.
    std::unique_ptr<panel_host::PanelHost> host;

private:
    std::map<std::string, panel_host::LoadedModule*> loaded_;
    std::map<panel_host::InstanceId, std::string> instance_modules_;
};

}  // namespace host_test
