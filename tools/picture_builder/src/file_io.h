// Whole-file reads and writes for the builder's inputs and outputs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace picture_builder {

std::optional<std::vector<uint8_t>> read_file(const std::string& path, std::string& error);

// Writes through a temporary file beside the target, so that an interrupted build never
// leaves a half-written output that looks up to date.
bool write_file(const std::string& path, const void* data, size_t size, std::string& error);
bool write_file(const std::string& path, const std::string& text, std::string& error);

}  // namespace picture_builder
