// Loading modules and placing gauges: init and deinit, and the faults reported as a reason
// instead of a crash.
#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>

#include "host_harness.h"
#include "module_path.h"
#include "trace_text.h"

namespace host_test {
namespace {

using namespace fixture;

int count_calls(const std::vector<TraceEntry>& calls, Call kind) {
    int count = 0;
    for (const auto& call : calls) count += call.call == kind ? 1 : 0;
    return count;
}

struct ModuleCase {
    const char* module;
    const char* gauge;
};

// Cases print as their name in test listings.
void PrintTo(const ModuleCase& c, std::ostream* out) { *out << c.module; }

class hostModuleLoading : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(hostModuleLoading, InitOnceAtLoadDeinitOnceWhenTheHostEnds) {
    const ModuleCase& module = GetParam();
    {
        HostHarness harness;
        panel_host::LoadedModule* loaded = harness.load(module.module);
        std::string error;
        EXPECT_EQ(harness.host->load_module(module_path(module.module), &error), loaded)
            << "the same file is loaded once";
        harness.place(module.module, module.gauge);
        harness.host->run_frame();
        const auto calls = recorded_calls(module.module);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(describe(calls.front()), "init");
        EXPECT_EQ(count_calls(calls, Call::init), 1);
        EXPECT_EQ(count_calls(calls, Call::deinit), 0);
    }
    // The test's own view of the module outlives the host.
    const auto calls = recorded_calls(module.module);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(count_calls(calls, Call::deinit), 1);
    EXPECT_EQ(describe(calls.back()), "deinit") << "deinit comes after the instance's teardown";
}

INSTANTIATE_TEST_SUITE_P(modules, hostModuleLoading,
                         ::testing::Values(ModuleCase{kOldestModule, "oldest"},
                                           ModuleCase{kMiddleModule, "second"},
                                           ModuleCase{kNewestModule, "nohooks"}),
                         [](const auto& info) { return std::string(info.param.module); });

// A file the host cannot use as a module gives a reason, not a crash.
TEST(hostModuleFaults, UnusableFilesGiveAReason) {
    const auto scratch = std::filesystem::temp_directory_path() / "host_tests_not_a_module.so";
    std::ofstream(scratch) << "not a library\n";
    const std::string paths[] = {
        module_path("fixture_that_does_not_exist"),
        scratch.string(),
        std::filesystem::temp_directory_path().string(),
        "libm.so.6",  // a real library, but no gauge module
    };
    HostHarness harness;
    for (const std::string& path : paths) {
        std::string error;
        EXPECT_EQ(harness.host->load_module(path, &error), nullptr) << path;
        EXPECT_FALSE(error.empty()) << path;
    }
    std::filesystem::remove(scratch);
    EXPECT_NO_THROW(harness.place(kMiddleModule, "second")) << "the host still works";
}

// Gauge names match exactly.
TEST(hostModuleFaults, UnknownGaugeNamesGiveAReason) {
    HostHarness harness;
    panel_host::LoadedModule* module = harness.load(kMiddleModule);
    for (const char* name : {"Second", "secon", "second ", "", "oldest", "firstsecond"}) {
        std::string error;
        EXPECT_EQ(harness.host->place(module, name, &error), panel_host::kNoInstance) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    std::string error;
    EXPECT_NE(harness.host->place(module, "second", &error), panel_host::kNoInstance) << error;
}

}  // namespace
}  // namespace host_test
