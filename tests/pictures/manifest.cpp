#include "manifest.h"

#include <fstream>
#include <sstream>

namespace pictures_test {

Manifest read_manifest(const std::string& path) {
    Manifest manifest;
    std::ifstream in(path);
    if (!in) manifest.errors.push_back("cannot read " + path);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (const size_t comment = text.find('#'); comment != std::string::npos) text.resize(comment);
        std::istringstream fields(text);
        std::vector<std::string> words;
        for (std::string word; fields >> word;) words.push_back(word);
        if (words.empty()) continue;
        if (words.size() == 3 && words[0].starts_with("name:") && words[2] == "raw") {
            manifest.raw_data.push_back({line, words[0].substr(5), words[1]});
        } else if (words.size() == 5) {
            try {
                manifest.pictures.push_back({line, static_cast<uint32_t>(std::stoul(words[0])),
                                             words[1], std::stoi(words[2]), std::stoi(words[3]),
                                             std::stoi(words[4])});
            } catch (const std::exception&) {
                manifest.errors.push_back(path + ":" + std::to_string(line) + ": " + text);
            }
        } else {
            manifest.errors.push_back(path + ":" + std::to_string(line) + ": " + text);
        }
    }
    return manifest;
}

}  // namespace pictures_test
