// A scenario script as a list of commands, each with the line it came from. The parser checks
// everything that can be checked without loading a module (command words, argument counts,
// numbers, instance names), so a script that parses runs up to the first module or gauge
// that cannot be found.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace panel_runner {

enum class Button { left, right };

struct Place {
    std::string instance;
    std::string module;  // a module name, or a file path when it contains a '/'
    std::string gauge;
    bool operator==(const Place&) const = default;
};
struct Remove {
    std::string instance;
    bool operator==(const Remove&) const = default;
};
struct SetNumber {
    uint32_t token;
    double value;
    bool operator==(const SetNumber&) const = default;
};
struct SetInteger {  // written as `bcd 0xNNNN` or `int N`
    uint32_t token;
    int64_t value;
    bool operator==(const SetInteger&) const = default;
};
struct SetText {
    uint32_t token;
    std::string text;
    bool operator==(const SetText&) const = default;
};
struct Frames {
    int count;
    bool operator==(const Frames&) const = default;
};
struct Click {
    std::string instance;
    int x, y;
    Button button;
    bool operator==(const Click&) const = default;
};
struct Hold {
    std::string instance;
    int x, y;
    int frames;
    Button button;
    bool operator==(const Hold&) const = default;
};
struct Drag {
    std::string instance;
    int x0, y0, x1, y1;
    int steps;
    bool operator==(const Drag&) const = default;
};
struct Hover {
    std::string instance;
    int x, y;
    bool operator==(const Hover&) const = default;
};
struct Fail {
    uint32_t key;
    bool active;
    bool operator==(const Fail&) const = default;
};
struct Window {
    uint32_t number;
    bool visible;
    bool operator==(const Window&) const = default;
};
struct Show {
    std::string instance;
    std::optional<int> index;  // one element (pre-order, 0 the root), or all of them
    bool operator==(const Show&) const = default;
};
struct Token {
    uint32_t token;
    bool operator==(const Token&) const = default;
};
struct Echo {
    std::string text;
    bool operator==(const Echo&) const = default;
};
struct Snapshot {
    std::string instance;
    std::string file;
    bool operator==(const Snapshot&) const = default;
};

using Command = std::variant<Place, Remove, SetNumber, SetInteger, SetText, Frames, Click, Hold,
                             Drag, Hover, Fail, Window, Show, Token, Echo, Snapshot>;

struct ScriptCommand {
    int line;
    Command command;
    bool operator==(const ScriptCommand&) const = default;
};

struct ScriptFault {
    int line;
    std::string message;
};

struct ParsedScript {
    std::vector<ScriptCommand> commands;  // empty when there is a fault
    std::optional<ScriptFault> fault;     // the first fault of the script
};

// Parse a whole script. Lines are numbered from 1.
ParsedScript parse_script(std::string_view text);

// Limits of the counts a script may give.
constexpr int kMostFrames = 1'000'000;  // frames of one `frames` or `hold`
constexpr int kMostDragSteps = 10'000;
constexpr int kDefaultDragSteps = 10;
constexpr int kMostPixel = 100'000;     // coordinates lie within ±this
constexpr int kMostElementIndex = 100'000;

}  // namespace panel_runner
