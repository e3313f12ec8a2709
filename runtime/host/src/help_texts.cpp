#include "panel_host/help_texts.h"

#include <cstdio>

namespace panel_host {

namespace {

struct HelpText {
    uint32_t id;
    const char* text;
};

// Engine controls first; later gauges add their ids here.
constexpr HelpText kHelpTexts[] = {
    {0xa019, "Power lever"},
    {0xa024, "Propeller lever"},
    {0xa025, "Mixture lever"},
};

}  // namespace

std::string help_text(uint32_t help_id) {
    for (const HelpText& entry : kHelpTexts)
        if (entry.id == help_id) return entry.text;
    char number[32];
    std::snprintf(number, sizeof number, "Help 0x%x", help_id);
    return number;
}

}  // namespace panel_host
