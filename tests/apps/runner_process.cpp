#include "runner_process.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace runner_test {

namespace {

std::string read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

ScratchDir::ScratchDir() {
    std::string pattern = testing::TempDir() + "panel_runner_XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a scratch folder from " << pattern;
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::write(const std::string& name, const std::string& contents) const {
    const std::string file = path_ + "/" + name;
    std::ofstream(file, std::ios::binary) << contents;
    return file;
}

RunnerResult run_runner(const std::vector<std::string>& arguments, const std::string& input) {
    const ScratchDir streams;
    const std::string in_path = streams.write("stdin", input);
    const std::string out_path = streams.path() + "/stdout";
    const std::string err_path = streams.path() + "/stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> words = {PANEL_RUNNER};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    RunnerResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PANEL_RUNNER, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << PANEL_RUNNER;
        return result;
    }
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
    result.out = read_file(out_path);
    result.err = read_file(err_path);
    return result;
}

RunnerResult run_script(const ScratchDir& scratch, const std::string& script, const std::vector<std::string>& options,
                        std::string* script_path) {
    const std::string path = scratch.write("scenario.scn", script);
    if (script_path != nullptr) *script_path = path;
    std::vector<std::string> arguments = options;
    arguments.push_back(path);
    return run_runner(arguments);
}

std::string module_dir() { return PANEL_MODULE_DIR; }

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace runner_test
