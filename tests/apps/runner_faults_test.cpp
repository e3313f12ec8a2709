// panel_runner's faults: one line on standard error naming the script and line, exit status
// 2, and nothing on standard output, whatever ran before the fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runner_process.h"

namespace runner_test {
namespace {

// "{modules}" stands for the built modules folder and "{scratch}" for the test's own folder.
std::string filled(std::string text, const std::string& scratch) {
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"{modules}", module_dir()},
                                      std::pair<std::string, std::string>{"{scratch}", scratch}})
        for (size_t at; (at = text.find(mark)) != std::string::npos;) text.replace(at, mark.size(), value);
    return text;
}

void expect_one_fault_line(const RunnerResult& result, const std::string& start, const std::string& fault) {
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(result.err.rfind(start, 0), 0u) << result.err;
    EXPECT_NE(result.err.find(fault), std::string::npos) << result.err;
    EXPECT_EQ(result.err.back(), '\n');
}

struct ScriptFaultCase {
    const char* name;
    std::vector<std::string> options;
    std::string script;
    int line;
    std::string fault;  // the whole message where it is the runner's own
};

void PrintTo(const ScriptFaultCase& fault, std::ostream* out) { *out << fault.name; }

class StopsAtFault : public testing::TestWithParam<ScriptFaultCase> {};

TEST_P(StopsAtFault, WithOneLineAndStatus2) {
    const ScratchDir scratch;
    std::vector<std::string> options = GetParam().options;
    for (std::string& option : options) option = filled(option, scratch.path());
    std::string script_path;
    const RunnerResult result = run_script(scratch, filled(GetParam().script, scratch.path()), options, &script_path);
    expect_one_fault_line(result, script_path + ":" + std::to_string(GetParam().line) + ": ",
                          filled(GetParam().fault, scratch.path()));
}

std::string name_of(const testing::TestParamInfo<ScriptFaultCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Faults, StopsAtFault,
    testing::Values(
        ScriptFaultCase{"MissingModuleByName", {}, "echo before\nframes 2\nplace ap nosuchmodule autopilot\n", 3,
                        "module file not found: {modules}/nosuchmodule.so\n"},
        ScriptFaultCase{"MissingModuleByPath", {}, "place ap {scratch}/gone/autoflight.so autopilot\n", 1,
                        "module file not found: {scratch}/gone/autoflight.so\n"},
        ScriptFaultCase{"ModuleMissingFromGivenFolder", {"--modules", "{scratch}"}, "place ap autoflight autopilot\n", 1,
                        "module file not found: {scratch}/autoflight.so\n"},
        ScriptFaultCase{"FileThatIsNoModule", {}, "place ap {scratch}/scenario.scn autopilot\n", 1,
                        "{scratch}/scenario.scn"},
        ScriptFaultCase{"UnknownGauge", {}, "echo before\nplace ap autoflight nosuchgauge\n", 2, "\"nosuchgauge\""},
        ScriptFaultCase{"SyntaxFaultStopsBeforeAnyOutput", {}, "echo first\nplace ap autoflight autopilot\nframes x\n", 3,
                        "bad number \"x\"\n"},
        ScriptFaultCase{"TextForANumberToken", {"--bare"}, "echo before\nset 0x41 text abc\n", 2,
                        "token 0x41 does not take a text\n"},
        ScriptFaultCase{"ElementPastTheLast", {"--bare"}, "place ap autoflight autopilot\nframes 1\nshow ap 11\n", 3,
                        "instance \"ap\" has no element 11 (it has 11)\n"},
        ScriptFaultCase{"SnapshotThatCannotBeWritten", {"--bare"},
                        "place g fixture_middle second\nframes 1\nsnapshot g {scratch}/none/g.png\n", 3,
                        "cannot write {scratch}/none/g.png: "}),
    name_of);

TEST(Runner, MissingScriptIsOneLine) {
    const ScratchDir scratch;
    const std::string script = scratch.path() + "/none.scn";
    const RunnerResult result = run_runner({script});
    expect_one_fault_line(result, script + ": cannot open: ", "No such file or directory\n");
}

TEST(Runner, FolderAsScriptIsOneLine) {
    const ScratchDir scratch;
    const RunnerResult result = run_runner({scratch.path()});
    expect_one_fault_line(result, scratch.path() + ": cannot open: ", "is a directory\n");
}

TEST(Runner, ScriptFromStandardInputNamesItselfInFaults) {
    const RunnerResult result = run_runner({"-"}, "echo ok\njump\n");
    expect_one_fault_line(result, "<stdin>:2: ", "unknown command \"jump\"\n");
}

struct UsageCase {
    std::vector<std::string> arguments;
};

class RejectsArguments : public testing::TestWithParam<UsageCase> {};

TEST_P(RejectsArguments, WithUsageLine) {
    const RunnerResult result = run_runner(GetParam().arguments);
    expect_one_fault_line(result, "usage: panel_runner ", "SCRIPT");
}

INSTANTIATE_TEST_SUITE_P(Arguments, RejectsArguments,
                         testing::Values(UsageCase{{}}, UsageCase{{"--bare"}}, UsageCase{{"--modules"}},
                                         UsageCase{{"--fast", "a.scn"}}, UsageCase{{"a.scn", "b.scn"}}));

}  // namespace
}  // namespace runner_test
