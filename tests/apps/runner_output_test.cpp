// panel_runner as a program: small scenarios in, the exact JSON lines out.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "runner_process.h"

namespace runner_test {
namespace {

constexpr const char* kAutopilot = "place ap autoflight autopilot\n";

struct Scenario {
    const char* name;
    std::vector<std::string> options;  // "{modules}" stands for the built modules folder,
    std::string script;                // here and once in the script
    std::string expected;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class RunsScenario : public testing::TestWithParam<Scenario> {};

TEST_P(RunsScenario, PrintsExactlyItsLines) {
    const ScratchDir scratch;
    std::vector<std::string> options = GetParam().options;
    for (std::string& option : options)
        if (option == "{modules}") option = module_dir();
    std::string script = GetParam().script;
    if (const size_t at = script.find("{modules}"); at != std::string::npos) script.replace(at, 9, module_dir());
    const RunnerResult result = run_script(scratch, script, options);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, GetParam().expected);
}

std::string name_of(const testing::TestParamInfo<Scenario>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Scripts, RunsScenario,
    testing::Values(
        Scenario{"HdgClickBare", {"--bare"}, std::string(kAutopilot) + "click ap 30 80\n",
                 R"({"type":"key_event","frame":0,"id":"0x10106","value":0})" "\n"},
        Scenario{"HdgClickWithAircraft", {}, std::string(kAutopilot) + "click ap 30 80 left\n",
                 R"({"type":"key_event","frame":0,"id":"0x10106","value":0})" "\n"},
        Scenario{"HdgClickWithModulesFolderGiven", {"--modules", "{modules}"}, std::string(kAutopilot) + "click ap 26 77\n",
                 R"({"type":"key_event","frame":0,"id":"0x10106","value":0})" "\n"},
        Scenario{"RightClickOnLeftButtonDoesNothing", {}, std::string(kAutopilot) + "click ap 30 80 right\n", ""},
        Scenario{"ClickOutsideEveryAreaDoesNothing", {}, std::string(kAutopilot) + "click ap 5 5\n", ""},
        Scenario{"KeyEventCarriesFramesRunSoFar", {"--bare"}, std::string(kAutopilot) + "frames 3\nclick ap 100 80\n",
                 R"({"type":"key_event","frame":3,"id":"0x100c1","value":0})" "\n"},
        Scenario{"EchoEscapesQuoteBackslashAndControls", {"--bare"}, "echo say \"hi\"\t\\ \x01 # not a comment\n",
                 R"({"type":"echo","text":"say \"hi\"\t\\ \u0001 # not a comment"})" "\n"},
        Scenario{"TextTokenEscaped", {"--bare"}, "set 0x347 text K\"J\x1f\n token 0x347\n",
                 R"({"type":"token","token":"0x347","value":"K\"J\u001f"})" "\n"},
        Scenario{"BareTokensHoldOnlyWhatTheScriptSets", {"--bare"}, "token 0x4a\nset 0x4a 1234.5\ntoken 0x4a\n",
                 R"({"type":"token","token":"0x4a","value":0})" "\n"
                 R"({"type":"token","token":"0x4a","value":1234.5})" "\n"},
        Scenario{"BcdTokenShowsItsDigits", {"--bare"}, "set 0x17 bcd 0x2345\ntoken 0x17\n",
                 R"({"type":"token","token":"0x17","value":9029,"hex":"0x2345"})" "\n"},
        Scenario{"AircraftAdvancesBeforeEachFrame", {}, "frames 3\ntoken 0x1\n",
                 R"({"type":"token","token":"0x1","value":3})" "\n"},
        Scenario{"BareHasNoAircraftToAdvance", {"--bare"}, "frames 3\ntoken 0x1\n",
                 R"({"type":"token","token":"0x1","value":0})" "\n"},
        // The knob adds 100 to the target it reads; only the aircraft takes the first step.
        Scenario{"KeyEventsReachTheAircraft", {}, std::string(kAutopilot) + "click ap 470 88\nclick ap 470 88\ntoken 0x78\n",
                 R"({"type":"key_event","frame":0,"id":"0x101f4","value":100})" "\n"
                 R"({"type":"key_event","frame":0,"id":"0x101f4","value":200})" "\n"
                 R"({"type":"token","token":"0x78","value":200})" "\n"},
        Scenario{"BareKeyEventsGoNowhere", {"--bare"}, std::string(kAutopilot) + "click ap 470 88\nclick ap 470 88\ntoken 0x78\n",
                 R"({"type":"key_event","frame":0,"id":"0x101f4","value":100})" "\n"
                 R"({"type":"key_event","frame":0,"id":"0x101f4","value":100})" "\n"
                 R"({"type":"token","token":"0x78","value":0})" "\n"},
        Scenario{"ShowOneTextElement", {"--bare"}, std::string(kAutopilot) + "set 0x41 -1170.432\nframes 1\nshow ap 10\n",
                 R"({"type":"element","instance":"ap","index":10,"depth":1,"kind":"text","text":"-9","hidden":false,"failed":false})" "\n"},
        Scenario{"ShowEveryElement", {"--bare"}, std::string(kAutopilot) + "set 0x67 0\nframes 1\nshow ap\n",
                 R"({"type":"element","instance":"ap","index":0,"depth":0,"kind":"static_image","hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":1,"depth":1,"kind":"icon","case":0,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":2,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":3,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":4,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":5,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":6,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":7,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":8,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":9,"depth":1,"kind":"icon","case":-1,"hidden":false,"failed":false})" "\n"
                 R"({"type":"element","instance":"ap","index":10,"depth":1,"kind":"text","text":"+0","hidden":false,"failed":false})" "\n"},
        Scenario{"FailureMarksAndClearsElements", {"--bare"},
                 std::string(kAutopilot) + "fail 0x15 on\nframes 1\nshow ap 1\nfail 0x15 off\nframes 1\nshow ap 1\n",
                 R"({"type":"element","instance":"ap","index":1,"depth":1,"kind":"icon","case":0,"hidden":false,"failed":true})" "\n"
                 R"({"type":"element","instance":"ap","index":1,"depth":1,"kind":"icon","case":0,"hidden":false,"failed":false})" "\n"},
        Scenario{"HoverOverAButton", {"--bare"}, std::string(kAutopilot) + "hover ap 30 80\n",
                 R"({"type":"hover","instance":"ap","x":30,"y":80,"over_area":true,"cursor":5,"help_id":"0x0","help_text":"","tooltip":""})" "\n"},
        Scenario{"HoverOverNothing", {"--bare"}, std::string(kAutopilot) + "hover ap 0 0\n",
                 R"({"type":"hover","instance":"ap","x":0,"y":0,"over_area":false,"cursor":-1,"help_id":"0x0","help_text":"","tooltip":""})" "\n"},
        Scenario{"HoverOverATooltipGroup", {"--bare"}, "place g fixture_middle second\nhover g 10 45\n",
                 R"({"type":"hover","instance":"g","x":10,"y":45,"over_area":false,"cursor":-1,"help_id":"0x0","help_text":"","tooltip":"Lamp test"})" "\n"},
        Scenario{"WindowTogglesPrintedAsTheyHappen", {"--bare"},
                 "place g fixture_middle second\nwindow 225 visible\nclick g 57 47\nframes 2\nclick g 57 47\n",
                 R"({"type":"window_toggle","frame":0,"window":225,"visible":false})" "\n"
                 R"({"type":"window_toggle","frame":2,"window":225,"visible":true})" "\n"},
        // The knob does not repeat: one press, the frames run while it is held, one release.
        Scenario{"HoldRunsFramesWhileTheButtonIsDown", {}, std::string(kAutopilot) + "hold ap 470 88 40\ntoken 0x1\n",
                 R"({"type":"key_event","frame":0,"id":"0x101f4","value":100})" "\n"
                 R"({"type":"token","token":"0x1","value":40})" "\n"},
        // A module placed by name and by path is one library: VS engaged on one instance
        // lights on the other.
        Scenario{"InstancesShareTheirModuleState", {"--bare"},
                 "set 0x67 1\nplace a autoflight autopilot\nplace b {modules}/../modules/autoflight.so autopilot\n"
                 "click a 370 85\nframes 1\nshow b 9\n",
                 R"({"type":"key_event","frame":0,"id":"0x101f4","value":100})" "\n"
                 R"({"type":"key_event","frame":0,"id":"0x1024c","value":0})" "\n"
                 R"({"type":"key_event","frame":0,"id":"0x10243","value":0})" "\n"
                 R"({"type":"key_event","frame":0,"id":"0x10237","value":0})" "\n"
                 R"({"type":"element","instance":"b","index":9,"depth":1,"kind":"icon","case":0,"hidden":false,"failed":false})" "\n"},
        Scenario{"RemovedNameCanBePlacedAgain", {"--bare"},
                 std::string(kAutopilot) + "remove ap\n" + kAutopilot + "click ap 30 80\n",
                 R"({"type":"key_event","frame":0,"id":"0x10106","value":0})" "\n"}),
    name_of);

TEST(Runner, ReadsTheScriptFromStandardInput) {
    const RunnerResult result = run_runner({"--bare", "-"}, "echo from stdin\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, R"({"type":"echo","text":"from stdin"})" "\n");
}

TEST(Runner, SnapshotWritesThePictureAtDesignSize) {
    const ScratchDir scratch;
    const std::string picture = scratch.path() + "/second.png";
    const RunnerResult result =
        run_script(scratch, "place g fixture_middle second\nframes 1\nsnapshot g " + picture + "\n", {"--bare"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, R"({"type":"snapshot","instance":"g","file":")" + picture + "\"}\n");
    std::ifstream file(picture, std::ios::binary);
    std::string head(24, '\0');
    file.read(head.data(), head.size());
    ASSERT_TRUE(file) << "no picture at " << picture;
    EXPECT_EQ(head.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // The IHDR record: width and height, big-endian, at bytes 16 and 20.
    const auto word = [&](size_t at) {
        return (uint32_t(uint8_t(head[at])) << 24) | (uint32_t(uint8_t(head[at + 1])) << 16) |
               (uint32_t(uint8_t(head[at + 2])) << 8) | uint32_t(uint8_t(head[at + 3]));
    };
    // The fixture gauge's background is 200 x 120.
    EXPECT_EQ(word(16), 200u);
    EXPECT_EQ(word(20), 120u);
}

}  // namespace
}  // namespace runner_test
