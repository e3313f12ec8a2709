// Where a needle points: through its nonlinearity table, or as a plain turn in degrees.
#pragma once

#include "panel_abi/records.h"

namespace panel_host {

// The needle's turn in degrees, clockwise from the needle bitmap's drawn direction (which
// points right for table-driven needles). With a table, the needle points at the dial point
// of the row holding the value, interpolated linearly in value between adjacent rows and held
// at the end rows beyond them. Always finite.
double needle_target_angle(const panel_abi::Needle& needle, double value);

// Move from the previous angle toward the target by at most `max_turn` degrees (0: no limit),
// along the shorter way round.
double limit_turn(double previous, double target, int max_turn);

}  // namespace panel_host
