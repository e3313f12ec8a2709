// Calls recorded by the fixtures, written as short lines so that an expected call order reads
// as a list and a mismatch prints legibly.
#pragma once

#include <string>
#include <vector>

#include "probe.h"

namespace host_test {

std::string tag_name(int32_t tag);
std::string describe(const fixture::TraceEntry& call);
std::vector<std::string> describe(const std::vector<fixture::TraceEntry>& calls);

// The lines for the calls a lifecycle produces.
std::string code_line(int32_t gauge_tag, int32_t code);
std::string hook_line(int32_t gauge_tag, int32_t phase);
std::string update_line(int32_t element_tag);
std::string handler_line(int32_t area_tag, int32_t x, int32_t y, uint32_t event_bits);

}  // namespace host_test
