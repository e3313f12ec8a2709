// The host's own short texts for the help ids that gauges give their mouse groups.
#pragma once

#include <cstdint>
#include <string>

namespace panel_host {

// The text shown for a help id; a number the host does not know is shown as itself.
std::string help_text(uint32_t help_id);

}  // namespace panel_host
