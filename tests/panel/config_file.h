// A panel configuration written to a temporary file for one test.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

class ConfigFile {
public:
    explicit ConfigFile(const std::string& text) {
        char name[] = "/tmp/panel-config-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        path_ = name;
        std::ofstream(path_) << text;
    }
    ~ConfigFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};
