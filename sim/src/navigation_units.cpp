#include "navigation_units.h"

#include <cmath>
#include <limits>

#include "map_geometry.h"

namespace panel_sim {

double degrees_token_value(double degrees) {
    constexpr double kSteps = 1e6;
    return degrees_within_circle(std::round(degrees * kSteps) / kSteps);
}

double radians_token_value(double degrees) {
    const double written = degrees_token_value(degrees);
    double radians = written / kDegreesPerRadianOnPanel;
    while (radians * kDegreesPerRadianOnPanel < written)
        radians = std::nextafter(radians, std::numeric_limits<double>::infinity());
    return radians;
}

}  // namespace panel_sim
