#include "readout_panel.h"

#include <ostream>

#include "module_path.h"

namespace halann_test {

using panel_host::ElementState;

const char* line_name(Line line) {
    switch (line) {
    case Line::map: return "MAP";
    case Line::tit: return "TIT";
    case Line::oil_temperature: return "oil temperature";
    case Line::cht: return "CHT";
    case Line::rpm: return "RPM";
    case Line::fuel_flow: return "fuel flow";
    case Line::oil_pressure: return "oil pressure";
    case Line::suction: return "suction";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, Line line) { return out << line_name(line); }

void ReadoutPanel::SetUp() {
    host_.on_key_event([this](const panel_abi::KeyEvent& event) { events_.push_back(event); });
    std::string error;
    module_ = host_.load_module(module_path("halann"), &error);
    ASSERT_NE(module_, nullptr) << error;
    readout_ = host_.place(module_, "halann", &error);
    ASSERT_NE(readout_, panel_host::kNoInstance) << error;
}

// The lines hang in one chain below the face, in reading order: line k is at depth k + 1.
const ElementState& ReadoutPanel::state(Line line) const {
    const int depth = static_cast<int>(line) + 1;
    for (const ElementState& element : host_.elements(readout_))
        if (element.depth == depth && element.kind == panel_abi::kTextString) return element;
    ADD_FAILURE() << "no " << line_name(line) << " line at depth " << depth;
    static const ElementState none;
    return none;
}

const panel_abi::TextString& ReadoutPanel::record(Line line) const {
    return *reinterpret_cast<const panel_abi::TextString*>(state(line).element);
}

std::vector<std::string> ReadoutPanel::texts() const {
    std::vector<std::string> all;
    for (Line line : kAllLines) all.push_back(text(line));
    return all;
}

}  // namespace halann_test
