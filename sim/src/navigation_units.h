// The units the radio stack's tokens are written in, and how angles are written so that the
// panel, which truncates them to whole degrees, reads a whole-degree angle as that degree.
#pragma once

namespace panel_sim {

constexpr double kNmPerMetre = 0.00054;
constexpr double kKnotsPerMetrePerSecond = 1.944;
constexpr double kDegreesPerRadianOnPanel = 57.29578;
constexpr double kFeetPerNm = 3.2808 / kNmPerMetre;

// A direction in degrees as written to a degrees token: within [0, 360) and rounded to a
// millionth of a degree, so that 89.99999999999999 from the map's arithmetic reads as 90.
double degrees_token_value(double degrees);

// The same direction in radians, as written to a radians token: never so little that the
// panel's conversion back (x 57.29578) falls below the degrees value.
double radians_token_value(double degrees);

}  // namespace panel_sim
