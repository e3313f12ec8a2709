// Simulator values that make a twin-needle gauge's needle show a chosen value, worked back
// through each reading's scaling; and each dial's table rows, from the gauges' dial tables.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine_cluster/twin_needle/dial_tables.h"
#include "twin_needle_gauge.h"

namespace twin_needle_test {

std::vector<TokenValue> tokens_showing(const std::string& member, Dial dial, double value);

const twin_needle::DialGeometry& dial_geometry(const std::string& member, Dial dial);

}  // namespace twin_needle_test
