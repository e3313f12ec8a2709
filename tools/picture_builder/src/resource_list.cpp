#include "resource_list.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace picture_builder {

namespace {

constexpr std::string_view kBitmapPrefix = "bitmap:";
constexpr std::string_view kRawPrefix = "raw:";

bool is_resource_name(std::string_view name) {
    return !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0])) &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
           });
}

// Resource ids are 16-bit on Windows; 0 is no id.
bool parse_id(std::string_view text, uint32_t& id) {
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), id);
    return code == std::errc() && end == text.data() + text.size() && id >= 1 && id <= 0xffff;
}

std::optional<ResourceFile> parse_one(const std::string& arg, std::string& error) {
    const size_t equals = arg.find('=');
    if (equals == std::string::npos || equals + 1 == arg.size()) {
        error = "'" + arg + "': expected bitmap:<id>=<file> or raw:<name>=<file>";
        return std::nullopt;
    }
    const std::string_view head = std::string_view(arg).substr(0, equals);
    ResourceFile file;
    file.path = arg.substr(equals + 1);
    if (head.starts_with(kBitmapPrefix) && parse_id(head.substr(kBitmapPrefix.size()), file.id)) {
        file.kind = ResourceFile::Kind::bitmap;
        return file;
    }
    if (head.starts_with(kRawPrefix) && is_resource_name(head.substr(kRawPrefix.size()))) {
        file.kind = ResourceFile::Kind::raw;
        file.name = std::string(head.substr(kRawPrefix.size()));
        return file;
    }
    error = "'" + arg + "': expected bitmap:<id 1..65535>=<file> or raw:<name>=<file>";
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<ResourceFile>> parse_resource_list(const std::vector<std::string>& args,
                                                             std::string& error) {
    std::vector<ResourceFile> files;
    for (const std::string& arg : args) {
        std::optional<ResourceFile> file = parse_one(arg, error);
        if (!file) return std::nullopt;
        const bool repeated = std::any_of(files.begin(), files.end(), [&](const ResourceFile& f) {
            return f.kind == file->kind && f.id == file->id && f.name == file->name;
        });
        if (repeated) {
            error = "'" + arg + "': id or name given twice";
            return std::nullopt;
        }
        files.push_back(std::move(*file));
    }
    return files;
}

}  // namespace picture_builder
