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
    {0xa020, "Engine RPM"},
    {0xa021, "Manifold pressure"},
    {0xa022, "Oil temperature"},
    {0xa023, "Oil pressure"},
    {0xa031, "Fuel flow"},
    {0xa032, "Cylinder head temperature"},
    {0xa036, "Suction"},
    {0xab6f, "Turbine inlet temperature"},
    {0xa40f, "Engine monitor"},
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
