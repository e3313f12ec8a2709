// The scenario script parser: which lines make which commands, and the exact fault (line
// and message) of every kind of bad line.
#include <gtest/gtest.h>

#include <string>

#include "script.h"

namespace panel_runner {

// Failures name the command by its place in the Command variant; the case's script is in
// the scoped trace.
void PrintTo(const Command& command, std::ostream* out) { *out << "command #" << command.index(); }

namespace {

// Lines after this prefix may name the instance "ap".
constexpr const char* kPlaced = "place ap autoflight autopilot\n";

struct GoodLine {
    const char* line;
    Command expected;
};

void PrintTo(const GoodLine& good, std::ostream* out) { *out << testing::PrintToString(good.line); }

class ParsesGoodLine : public testing::TestWithParam<GoodLine> {};

TEST_P(ParsesGoodLine, IntoItsCommand) {
    const std::string script = std::string(kPlaced) + GetParam().line;
    SCOPED_TRACE(script);
    const ParsedScript parsed = parse_script(script);
    ASSERT_FALSE(parsed.fault) << parsed.fault->line << ": " << parsed.fault->message;
    ASSERT_EQ(parsed.commands.size(), 2u);
    EXPECT_EQ(parsed.commands[1].line, 2);
    EXPECT_EQ(parsed.commands[1].command, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ParsesGoodLine,
    testing::Values(
        GoodLine{"frames 18", Frames{18}},
        GoodLine{"frames 0x12", Frames{18}},
        GoodLine{"frames 0", Frames{0}},
        GoodLine{"set 0x41 -130.048", SetNumber{0x41, -130.048}},
        GoodLine{"set 65 1e3", SetNumber{65, 1000.0}},
        GoodLine{"set 0x4a +.5", SetNumber{0x4a, 0.5}},
        GoodLine{"set 0x4a 0x10", SetNumber{0x4a, 16.0}},
        GoodLine{"set 0x17 bcd 0x2345", SetInteger{0x17, 0x2345}},
        GoodLine{"set 0x17 int 9029", SetInteger{0x17, 9029}},
        GoodLine{"set 0x17 int -0x10", SetInteger{0x17, -16}},
        GoodLine{"set 0x347 text KJFK  #1 ", SetText{0x347, "KJFK  #1 "}},
        GoodLine{"set 0x347 text", SetText{0x347, ""}},
        GoodLine{"click ap 26 77", Click{"ap", 26, 77, Button::left}},
        GoodLine{"click ap 26 77 right", Click{"ap", 26, 77, Button::right}},
        GoodLine{"hold ap 458 74 40", Hold{"ap", 458, 74, 40, Button::left}},
        GoodLine{"hold ap 458 74 40 right", Hold{"ap", 458, 74, 40, Button::right}},
        GoodLine{"drag ap 10 20 10 80", Drag{"ap", 10, 20, 10, 80, kDefaultDragSteps}},
        GoodLine{"drag ap 10 20 -10 80 4", Drag{"ap", 10, 20, -10, 80, 4}},
        GoodLine{"hover ap -5 0", Hover{"ap", -5, 0}},
        GoodLine{"fail 0x14 on", Fail{0x14, true}},
        GoodLine{"fail 21 off", Fail{0x15, false}},
        GoodLine{"window 225 hidden", Window{225, false}},
        GoodLine{"window 50 visible", Window{50, true}},
        GoodLine{"show ap", Show{"ap", std::nullopt}},
        GoodLine{"show ap 10", Show{"ap", 10}},
        GoodLine{"token 0x6d", Token{0x6d}},
        GoodLine{"echo   two  words # kept", Echo{"two  words # kept"}},
        GoodLine{"echo", Echo{""}},
        GoodLine{"\t remove ap   # a comment", Remove{"ap"}},
        GoodLine{"frames 2\r", Frames{2}},
        GoodLine{"snapshot ap out.png", Snapshot{"ap", "out.png"}},
        GoodLine{"place vc modules/autoflight.so autopilot", Place{"vc", "modules/autoflight.so", "autopilot"}}));

TEST(ParseScript, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
    const ParsedScript parsed = parse_script("# a scenario\n\n   \nframes 1\n  # more\r\nframes 2");
    ASSERT_FALSE(parsed.fault);
    const std::vector<ScriptCommand> expected = {{4, Frames{1}}, {6, Frames{2}}};
    EXPECT_EQ(parsed.commands, expected);
}

TEST(ParseScript, LetsARemovedNameBePlacedAgain) {
    const ParsedScript parsed = parse_script("place ap autoflight autopilot\nremove ap\nplace ap autoflight autopilot\n");
    EXPECT_FALSE(parsed.fault);
    EXPECT_EQ(parsed.commands.size(), 3u);
}

struct BadScript {
    const char* script;
    int line;
    const char* message;
};

void PrintTo(const BadScript& bad, std::ostream* out) { *out << testing::PrintToString(bad.script); }

class RejectsBadScript : public testing::TestWithParam<BadScript> {};

TEST_P(RejectsBadScript, WithLineAndMessage) {
    SCOPED_TRACE(GetParam().script);
    const ParsedScript parsed = parse_script(GetParam().script);
    ASSERT_TRUE(parsed.fault);
    EXPECT_EQ(parsed.fault->line, GetParam().line);
    EXPECT_EQ(parsed.fault->message, GetParam().message);
    EXPECT_TRUE(parsed.commands.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RejectsBadScript,
    testing::Values(
        BadScript{"jump 3", 1, "unknown command \"jump\""},
        BadScript{"Frames 3", 1, "unknown command \"Frames\""},
        BadScript{"\n# nothing\nframes", 3, "wrong number of arguments; usage: frames <n>"},
        BadScript{"frames 1 2", 1, "wrong number of arguments; usage: frames <n>"},
        BadScript{"place ap autoflight", 1, "wrong number of arguments; usage: place <instance> <module> <gauge>"},
        BadScript{"set 0x17 bcd", 1,
                  "wrong number of arguments; usage: set <token> <number> | set <token> bcd|int <n> | set <token> text <text>"},
        BadScript{"frames 1.5", 1, "bad number \"1.5\""},
        BadScript{"frames 0x", 1, "bad number \"0x\""},
        BadScript{"frames -1", 1, "frame count \"-1\" is out of range 0 to 1000000"},
        BadScript{"frames 1000001", 1, "frame count \"1000001\" is out of range 0 to 1000000"},
        BadScript{"set 0x41 12abc", 1, "bad number \"12abc\""},
        BadScript{"set 0x41 nan", 1, "bad number \"nan\""},
        BadScript{"set 0x41 inf", 1, "bad number \"inf\""},
        BadScript{"set 0x41 1e999", 1, "bad number \"1e999\""},
        BadScript{"set 0x17 bcd 0x12a4", 1, "bad BCD number \"0x12a4\" (0x and up to eight digits 0 to 9)"},
        BadScript{"set 0x17 bcd 1200", 1, "bad BCD number \"1200\" (0x and up to eight digits 0 to 9)"},
        BadScript{"set 0x17 bcd 0x99999999", 1, "BCD number \"0x99999999\" is out of range"},
        BadScript{"set 0x17 int 2147483648", 1, "integer \"2147483648\" is out of range -2147483648 to 2147483647"},
        BadScript{"set 0x17 hex 5", 1, "expected bcd, int or text, got \"hex\""},
        BadScript{"set -1 5", 1, "token \"-1\" is out of range 0 to 4294967295"},
        BadScript{"token 0x100000000", 1, "token \"0x100000000\" is out of range 0 to 4294967295"},
        BadScript{"fail 0x14 yes", 1, "expected on or off, got \"yes\""},
        BadScript{"window 225 on", 1, "expected visible or hidden, got \"on\""},
        BadScript{"click ap 1 2", 1, "unknown instance \"ap\""},
        BadScript{"place ap autoflight autopilot\nclick ap 1 2 middle", 2, "expected left or right, got \"middle\""},
        BadScript{"place ap autoflight autopilot\nclick ap 100001 0", 2, "pixel \"100001\" is out of range -100000 to 100000"},
        BadScript{"place ap autoflight autopilot\nclick ap 1", 2,
                  "wrong number of arguments; usage: click <instance> <x> <y> [left|right]"},
        BadScript{"place ap autoflight autopilot\ndrag ap 0 0 1 1 0", 2, "step count \"0\" is out of range 1 to 10000"},
        BadScript{"place ap autoflight autopilot\nshow ap -1", 2, "element index \"-1\" is out of range 0 to 100000"},
        BadScript{"place ap autoflight autopilot\nplace ap autoflight autopilot", 2, "instance \"ap\" is already placed"},
        BadScript{"place ap autoflight autopilot\nremove ap\nhover ap 1 1", 3, "unknown instance \"ap\""},
        BadScript{"remove ap", 1, "unknown instance \"ap\""},
        // Only the first fault counts, and nothing of the script is kept.
        BadScript{"frames 1\njump\nnope", 2, "unknown command \"jump\""}));

}  // namespace
}  // namespace panel_runner
