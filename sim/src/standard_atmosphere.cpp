#include "standard_atmosphere.h"

#include <algorithm>
#include <cmath>

namespace panel_sim {

namespace {

constexpr double kSeaLevelPressureInhg = 29.92;
constexpr double kSeaLevelTemperatureF = 59.0;
constexpr double kLapseRateFPerFoot = 0.0035662;
constexpr double kTropopauseTemperatureF = -69.7;

// The pressure of the troposphere's model: p0 x (1 - 6.8756e-6 h)^5.2559, h in feet.
constexpr double kPressureHeightFactorPerFoot = 6.8756e-6;
constexpr double kPressureExponent = 5.2559;

}  // namespace

AmbientAir ambient_air_at(double altitude_ft) {
    const double base = std::max(0.0, 1.0 - kPressureHeightFactorPerFoot * altitude_ft);
    return {
        .pressure_inhg = kSeaLevelPressureInhg * std::pow(base, kPressureExponent),
        .temperature_f = std::max(kTropopauseTemperatureF,
                                  kSeaLevelTemperatureF - kLapseRateFPerFoot * altitude_ft),
    };
}

}  // namespace panel_sim
