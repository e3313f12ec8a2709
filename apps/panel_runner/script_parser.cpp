// The scenario script parser: one command a line, words separated by blanks, `#` starting a
// comment wherever a word starts with it. `echo` and `set ... text` take the rest of their
// line verbatim, `#` included.
#include <map>
#include <set>

#include "script.h"
#include "script_numbers.h"

namespace panel_runner {

namespace {

// A fault in the line being parsed; caught once per line and turned into a ScriptFault.
struct LineFault {
    std::string message;
};

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The words of one line and where each starts, so a command can take the rest of the line.
struct Words {
    std::string_view line;
    std::vector<std::string_view> words;
    std::vector<size_t> starts;

    explicit Words(std::string_view text) : line(text) {
        size_t at = 0;
        while (true) {
            while (at < line.size() && is_blank(line[at])) ++at;
            if (at == line.size() || line[at] == '#') break;
            const size_t start = at;
            while (at < line.size() && !is_blank(line[at])) ++at;
            words.push_back(line.substr(start, at - start));
            starts.push_back(start);
        }
    }

    // The line after word `index` and the blanks that follow it; empty when nothing follows.
    std::string_view rest_after(size_t index) const {
        size_t at = starts[index] + words[index].size();
        while (at < line.size() && is_blank(line[at])) ++at;
        return line.substr(at);
    }
};

struct Usage {
    size_t least;  // arguments, the command word not counted
    size_t most;
    const char* text;
};

const std::map<std::string_view, Usage>& usages() {
    static const std::map<std::string_view, Usage> table = {
        {"place", {3, 3, "place <instance> <module> <gauge>"}},
        {"remove", {1, 1, "remove <instance>"}},
        {"set", {2, 3, "set <token> <number> | set <token> bcd|int <n> | set <token> text <text>"}},
        {"frames", {1, 1, "frames <n>"}},
        {"click", {3, 4, "click <instance> <x> <y> [left|right]"}},
        {"hold", {4, 5, "hold <instance> <x> <y> <frames> [left|right]"}},
        {"drag", {5, 6, "drag <instance> <x0> <y0> <x1> <y1> [steps]"}},
        {"hover", {3, 3, "hover <instance> <x> <y>"}},
        {"fail", {2, 2, "fail <key> on|off"}},
        {"window", {2, 2, "window <number> visible|hidden"}},
        {"show", {1, 2, "show <instance> [element index]"}},
        {"token", {1, 1, "token <token>"}},
        {"echo", {0, SIZE_MAX, "echo <text>"}},
        {"snapshot", {2, 2, "snapshot <instance> <file.png>"}},
    };
    return table;
}

std::string quoted(std::string_view word) { return "\"" + std::string(word) + "\""; }

int64_t integer_within(std::string_view word, int64_t least, int64_t most, const char* what) {
    const std::optional<int64_t> value = parse_integer(word);
    if (!value) throw LineFault{"bad number " + quoted(word)};
    if (*value < least || *value > most)
        throw LineFault{std::string(what) + " " + quoted(word) + " is out of range " + std::to_string(least) +
                        " to " + std::to_string(most)};
    return *value;
}

uint32_t token_number(std::string_view word, const char* what) {
    return static_cast<uint32_t>(integer_within(word, 0, UINT32_MAX, what));
}

int pixel(std::string_view word) { return static_cast<int>(integer_within(word, -kMostPixel, kMostPixel, "pixel")); }

Button button(std::string_view word) {
    if (word == "left") return Button::left;
    if (word == "right") return Button::right;
    throw LineFault{"expected left or right, got " + quoted(word)};
}

bool switch_word(std::string_view word, const char* on, const char* off) {
    if (word == on) return true;
    if (word == off) return false;
    throw LineFault{std::string("expected ") + on + " or " + off + ", got " + quoted(word)};
}

// The instance names that are placed at each point of the script, so that a command naming
// an instance that does not exist yet (or any more) is a fault of its line.
class Instances {
public:
    void place(std::string_view name) {
        if (!placed_.insert(std::string(name)).second) throw LineFault{"instance " + quoted(name) + " is already placed"};
    }
    void remove(std::string_view name) {
        if (placed_.erase(std::string(name)) == 0) throw LineFault{"unknown instance " + quoted(name)};
    }
    std::string existing(std::string_view name) const {
        if (!placed_.contains(std::string(name))) throw LineFault{"unknown instance " + quoted(name)};
        return std::string(name);
    }

private:
    std::set<std::string> placed_;
};

Command parse_set(const Words& line) {
    const auto& w = line.words;
    const uint32_t token = token_number(w[1], "token");
    if (w.size() >= 3 && w[2] == "text") return SetText{token, std::string(line.rest_after(2))};
    if (w.size() == 3 && (w[2] == "bcd" || w[2] == "int"))
        throw LineFault{"wrong number of arguments; usage: " + std::string(usages().at("set").text)};
    if (w.size() == 3) {
        const std::optional<double> value = parse_number(w[2]);
        if (!value) throw LineFault{"bad number " + quoted(w[2])};
        return SetNumber{token, *value};
    }
    if (w[2] == "bcd") {
        const std::optional<int64_t> value = parse_bcd(w[3]);
        if (!value) throw LineFault{"bad BCD number " + quoted(w[3]) + " (0x and up to eight digits 0 to 9)"};
        if (*value > INT32_MAX) throw LineFault{"BCD number " + quoted(w[3]) + " is out of range"};
        return SetInteger{token, *value};
    }
    if (w[2] == "int") return SetInteger{token, integer_within(w[3], INT32_MIN, INT32_MAX, "integer")};
    throw LineFault{"expected bcd, int or text, got " + quoted(w[2])};
}

Command parse_command(const Words& line, Instances& instances) {
    const auto& w = line.words;
    const std::string_view name = w[0];
    auto usage = usages().find(name);
    if (usage == usages().end()) throw LineFault{"unknown command " + quoted(name)};
    const size_t arguments = w.size() - 1;
    // A text given to `set` may be empty or hold any number of words.
    const bool set_text = name == "set" && w.size() >= 3 && w[2] == "text";
    if (!set_text && (arguments < usage->second.least || arguments > usage->second.most))
        throw LineFault{"wrong number of arguments; usage: " + std::string(usage->second.text)};

    if (name == "place") {
        instances.place(w[1]);
        return Place{std::string(w[1]), std::string(w[2]), std::string(w[3])};
    }
    if (name == "remove") {
        instances.remove(w[1]);
        return Remove{std::string(w[1])};
    }
    if (name == "set") return parse_set(line);
    if (name == "frames") return Frames{static_cast<int>(integer_within(w[1], 0, kMostFrames, "frame count"))};
    if (name == "click")
        return Click{instances.existing(w[1]), pixel(w[2]), pixel(w[3]), w.size() > 4 ? button(w[4]) : Button::left};
    if (name == "hold")
        return Hold{instances.existing(w[1]), pixel(w[2]), pixel(w[3]),
                    static_cast<int>(integer_within(w[4], 0, kMostFrames, "frame count")),
                    w.size() > 5 ? button(w[5]) : Button::left};
    if (name == "drag")
        return Drag{instances.existing(w[1]), pixel(w[2]), pixel(w[3]), pixel(w[4]), pixel(w[5]),
                    w.size() > 6 ? static_cast<int>(integer_within(w[6], 1, kMostDragSteps, "step count"))
                                 : kDefaultDragSteps};
    if (name == "hover") return Hover{instances.existing(w[1]), pixel(w[2]), pixel(w[3])};
    if (name == "fail") return Fail{token_number(w[1], "failure key"), switch_word(w[2], "on", "off")};
    if (name == "window") return Window{token_number(w[1], "window number"), switch_word(w[2], "visible", "hidden")};
    if (name == "show") {
        std::optional<int> index;
        if (w.size() > 2) index = static_cast<int>(integer_within(w[2], 0, kMostElementIndex, "element index"));
        return Show{instances.existing(w[1]), index};
    }
    if (name == "token") return Token{token_number(w[1], "token")};
    if (name == "snapshot") return Snapshot{instances.existing(w[1]), std::string(w[2])};
    return Echo{std::string(line.rest_after(0))};
}

}  // namespace

ParsedScript parse_script(std::string_view text) {
    ParsedScript script;
    Instances instances;
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const Words words(line);
        if (words.words.empty()) continue;
        try {
            script.commands.push_back({number, parse_command(words, instances)});
        } catch (const LineFault& fault) {
            script.commands.clear();
            script.fault = ScriptFault{number, fault.message};
            return script;
        }
    }
    return script;
}

}  // namespace panel_runner
