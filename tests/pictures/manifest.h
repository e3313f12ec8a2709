// Reads a module's picture manifest: "<id> <source> <width> <height> <bits>" per picture,
// "name:<NAME> <file> raw" per raw-data resource, '#' comments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pictures_test {

struct ManifestPicture {
    int line;
    uint32_t id;
    std::string source;
    int width;
    int height;
    int bits;
};

struct ManifestRaw {
    int line;
    std::string name;
    std::string file;  // relative to the manifest's folder
};

struct Manifest {
    std::vector<ManifestPicture> pictures;
    std::vector<ManifestRaw> raw_data;
    std::vector<std::string> errors;  // lines that are neither
};

Manifest read_manifest(const std::string& path);

}  // namespace pictures_test
