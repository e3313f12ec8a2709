// panel_runner: runs a scenario script against gauge modules without a window and prints
// what the gauges did as JSON lines.
//
//   panel_runner [--bare] [--modules DIR] SCRIPT      (SCRIPT "-" reads standard input)
//
// Exit status 0 when the whole script ran, 2 for any fault in the arguments or the script;
// a fault prints one line on standard error and nothing on standard output.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "module_files.h"
#include "panel_host/renderer.h"
#include "scenario_runner.h"
#include "script.h"

namespace {

constexpr int kFault = 2;

struct Arguments {
    panel_runner::RunnerOptions options;
    std::string script;
};

std::optional<Arguments> read_arguments(int argc, char** argv) {
    Arguments arguments;
    bool module_dir_given = false;
    bool script_given = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--bare") {
            arguments.options.bare = true;
        } else if (argument == "--modules" && i + 1 < argc) {
            arguments.options.module_dir = argv[++i];
            module_dir_given = true;
        } else if (!script_given && (argument == "-" || argument.rfind("--", 0) != 0)) {
            arguments.script = argument;
            script_given = true;
        } else {
            return std::nullopt;
        }
    }
    if (!script_given) return std::nullopt;
    if (!module_dir_given) arguments.options.module_dir = panel_apps::default_module_dir();
    return arguments;
}

// The whole script, or a reason why it cannot be read.
std::optional<std::string> read_script(const std::string& name, std::string* reason) {
    if (name == "-") {
        std::ostringstream text;
        text << std::cin.rdbuf();
        return text.str();
    }
    if (std::filesystem::is_directory(name)) {
        *reason = "is a directory";
        return std::nullopt;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        *reason = std::strerror(errno);
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        *reason = "read error";
        return std::nullopt;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = read_arguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: panel_runner [--bare] [--modules DIR] SCRIPT  (SCRIPT - reads standard input)\n";
        return kFault;
    }
    const std::string shown_name = arguments->script == "-" ? "<stdin>" : arguments->script;

    std::string reason;
    const std::optional<std::string> text = read_script(arguments->script, &reason);
    if (!text) {
        std::cerr << shown_name << ": cannot open: " << reason << '\n';
        return kFault;
    }

    const panel_runner::ParsedScript script = panel_runner::parse_script(*text);
    if (script.fault) {
        std::cerr << shown_name << ':' << script.fault->line << ": " << script.fault->message << '\n';
        return kFault;
    }

    // The output is held back until the whole script has run, so a fault met on the way
    // leaves standard output empty instead of cut off.
    std::ostringstream output;
    const auto fault = panel_runner::run_script(script.commands, arguments->options, output);
    panel_host::release_drawing_caches();
    if (fault) {
        std::cerr << shown_name << ':' << fault->line << ": " << fault->message << '\n';
        return kFault;
    }
    std::cout << output.str() << std::flush;
    return std::cout ? 0 : 1;
}
