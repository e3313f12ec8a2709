#include "panel_host/panel_config.h"

#include <ini.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

namespace panel_host {

namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool parse_int(const std::string& text, int& out) {
    const std::string trimmed = trim(text);
    if (trimmed.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(trimmed.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < -1000000 || value > 1000000) return false;
    out = static_cast<int>(value);
    return true;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) parts.push_back(trim(part));
    if (!text.empty() && text.back() == separator) parts.push_back({});
    return parts;
}

// Parsing state shared with inih's callbacks; the reader counts lines so that every entry
// and every fault can name the line it stands on.
struct Reader {
    PanelConfig config;
    std::vector<PanelConfigProblem>& problems;
    std::map<std::string, std::string> titles;  // lower-case "windowNN" -> title
    std::map<std::string, size_t> window_index;  // lower-case section -> index in windows
    FILE* file = nullptr;
    int line = 0;

    void problem(const std::string& fault) { problems.push_back({config.path, line, fault}); }
    PanelWindow& window(const std::string& section);
    void entry(const std::string& section, const std::string& name, const std::string& value);
    void gauge(PanelWindow& window, const std::string& value);
};

PanelWindow& Reader::window(const std::string& section) {
    const std::string key = lower(section);
    auto found = window_index.find(key);
    if (found != window_index.end()) return config.windows[found->second];
    window_index[key] = config.windows.size();
    PanelWindow created;
    created.section = section;
    created.line = line;
    config.windows.push_back(created);
    return config.windows.back();
}

void Reader::gauge(PanelWindow& window, const std::string& value) {
    // module!gauge, x, y[, w[, h]]
    const std::vector<std::string> fields = split(value, ',');
    const size_t bang = fields.empty() ? std::string::npos : fields[0].find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == fields[0].size()) {
        problem("gauge entry must start with module!gauge");
        return;
    }
    if (fields.size() < 3 || fields.size() > 5) {
        problem("gauge entry needs module!gauge, x, y[, w[, h]]");
        return;
    }
    GaugePlacement placement;
    placement.module = fields[0].substr(0, bang);
    placement.gauge = fields[0].substr(bang + 1);
    placement.line = line;
    int* targets[] = {&placement.x, &placement.y, &placement.width, &placement.height};
    for (size_t i = 1; i < fields.size(); ++i) {
        if (!parse_int(fields[i], *targets[i - 1])) {
            problem("gauge entry has a bad number \"" + fields[i] + "\"");
            return;
        }
    }
    if ((fields.size() >= 4 && placement.width <= 0) || (fields.size() == 5 && placement.height <= 0)) {
        problem("gauge width and height must be positive");
        return;
    }
    window.gauges.push_back(placement);
}

void Reader::entry(const std::string& section, const std::string& name, const std::string& value) {
    const std::string key = lower(name);
    if (lower(section) == "window titles") {
        titles[key] = value;
        return;
    }
    if (lower(section).rfind("window", 0) != 0) return;  // other sections are not ours
    PanelWindow& target = window(section);
    int a = 0, b = 0;
    if (key.rfind("gauge", 0) == 0) {
        gauge(target, value);
    } else if (key == "size_mm") {
        const auto parts = split(value, ',');
        if (parts.size() != 2 || !parse_int(parts[0], a) || !parse_int(parts[1], b) || a <= 0 || b <= 0)
            problem("size_mm needs a positive width and height");
        else
            target.width = a, target.height = b;
    } else if (key == "window_pos" || key == "position") {
        const auto parts = split(value, ',');
        if (parts.size() != 2 || !parse_int(parts[0], a) || !parse_int(parts[1], b))
            problem(key + " needs x, y");
        else
            target.x = a, target.y = b;
    } else if (key == "visible") {
        if (!parse_int(value, a) || (a != 0 && a != 1))
            problem("visible must be 0 or 1");
        else
            target.visible = a == 1;
    } else if (key == "ident") {
        if (!parse_int(value, a) || a < 0)
            problem("ident must be a window number");
        else
            target.ident = a;
    }
}

char* read_line(char* buffer, int size, void* stream) {
    auto* reader = static_cast<Reader*>(stream);
    char* got = std::fgets(buffer, size, reader->file);
    if (got != nullptr) ++reader->line;
    return got;
}

int on_entry(void* user, const char* section, const char* name, const char* value) {
    static_cast<Reader*>(user)->entry(section, name, value);
    return 1;
}

}  // namespace

std::string PanelConfigProblem::message() const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + fault : file + ": " + fault;
}

PanelConfig read_panel_config(const std::string& path, std::vector<PanelConfigProblem>& problems) {
    Reader reader{{}, problems, {}, {}, nullptr, 0};
    reader.config.path = path;
    reader.file = std::fopen(path.c_str(), "r");
    if (reader.file == nullptr) {
        problems.push_back({path, 0, std::string("cannot open: ") + std::strerror(errno)});
        return reader.config;
    }
    const int first_error = ini_parse_stream(read_line, &reader, on_entry, &reader);
    std::fclose(reader.file);
    if (first_error > 0) problems.push_back({path, first_error, "malformed line"});

    for (PanelWindow& window : reader.config.windows) {
        auto title = reader.titles.find(lower(window.section));
        if (title != reader.titles.end()) window.title = title->second;
    }
    return reader.config;
}

}  // namespace panel_host
