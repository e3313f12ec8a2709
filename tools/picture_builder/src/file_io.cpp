#include "file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace picture_builder {

std::optional<std::vector<uint8_t>> read_file(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool write_file(const std::string& path, const void* data, size_t size, std::string& error) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) {
            error = "cannot write " + temporary;
            return false;
        }
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        error = "cannot write " + path + ": " + code.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool write_file(const std::string& path, const std::string& text, std::string& error) {
    return write_file(path, text.data(), text.size(), error);
}

}  // namespace picture_builder
