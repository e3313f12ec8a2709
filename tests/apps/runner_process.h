// Runs the built panel_runner as a separate process on a small script and collects what it
// wrote and how it ended.
#pragma once

#include <string>
#include <vector>

namespace runner_test {

struct RunnerResult {
    int status = -1;  // exit status; -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// A folder of its own for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file in the folder and returns its path.
    std::string write(const std::string& name, const std::string& contents) const;

private:
    std::string path_;
};

// panel_runner with these arguments; `input` is its standard input.
RunnerResult run_runner(const std::vector<std::string>& arguments, const std::string& input = "");

// The script written to a file of `scratch`, run with `options` before the script path.
// `script_path` receives the path the runner was given.
RunnerResult run_script(const ScratchDir& scratch, const std::string& script,
                        const std::vector<std::string>& options = {}, std::string* script_path = nullptr);

// The built modules folder, and the lines of a text.
std::string module_dir();
std::vector<std::string> lines_of(const std::string& text);

}  // namespace runner_test
