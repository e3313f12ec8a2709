// Runs a parsed scenario script: places gauges in a panel host, drives frames and the mouse,
// and writes one JSON line for every key event, window toggle and report the script asks for.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "script.h"

namespace panel_runner {

struct RunnerOptions {
    // Without the simulated aircraft: tokens hold only what the script sets, and key events
    // are printed and go nowhere.
    bool bare = false;
    std::string module_dir;
};

// Runs every command in order and writes the output lines to `out`. Stops at the first
// command that cannot be carried out (a module or gauge that cannot be found, a text for a
// token that takes none, a snapshot that cannot be written) and returns that fault.
std::optional<ScriptFault> run_script(const std::vector<ScriptCommand>& commands, const RunnerOptions& options,
                                      std::ostream& out);

}  // namespace panel_runner
