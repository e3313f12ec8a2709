// The readout's line callbacks. Each turns its simulator values into the line's unit, holds
// the result within the line's bounds and writes it, with the unit, into its own element's
// text buffer; the host shows at most eight characters of it.
#include <cstdio>

#include "halann.h"
#include "panel_abi/numbers.h"

namespace halann {

using namespace panel_abi;

namespace {

// Simulator units per unit shown.
constexpr double kManifoldUnitsPerInHg = 1040.0;
constexpr double kTurbineInletUnitsPerDegree = 1.28;
constexpr double kOilTemperatureOffset = 450.0;  // the simulator's °F + 450
constexpr double kEngineSpeedUnitsPerFactor = 16384.0;
constexpr double kOilPressureUnitsPerPsi = 298.0;

struct Bounds {
    double low;
    double high;
};
constexpr Bounds kTwoDigits = {0.0, 99.0};
constexpr Bounds kFourDigits = {0.0, 9999.0};
constexpr Bounds kSignedFourDigits = {-9999.0, 9999.0};

// Above the upper bound gives the upper bound; below the lower bound, or not a number at
// all, gives the lower bound.
double bounded(double value, Bounds bounds) {
    if (value > bounds.high) return bounds.high;
    if (!(value >= bounds.low)) return bounds.low;
    return value;
}

// Each line is its number followed by its unit: "%4.1f" or "%4d", then the unit's text.
constexpr const char* kMapUnit = " MAP";
constexpr const char* kSuctionUnit = "inHg";
constexpr const char* kFahrenheitUnit = " F  ";
constexpr const char* kRpmUnit = " RPM";
constexpr const char* kGphUnit = " GPH";
constexpr const char* kPsiUnit = " PSI";

// A line with one decimal, rounded. The host sets the buffer before the first callback; a
// line without one shows nothing.
double show_tenths(TextString& line, double value, Bounds bounds, const char* unit) {
    const double shown = bounded(value, bounds);
    if (line.buffer != nullptr)
        std::snprintf(line.buffer, kTextBufferBytes, "%4.1f%s", shown, unit);
    return shown;
}

// A line with a whole number, truncated toward zero.
double show_whole(TextString& line, double value, Bounds bounds, const char* unit) {
    const double shown = bounded(value, bounds);
    if (line.buffer != nullptr)
        std::snprintf(line.buffer, kTextBufferBytes, "%4d%s", truncate_to_int(shown), unit);
    return shown;
}

}  // namespace

double GAUGE_CALL manifold_pressure_text(double pressure) {
    return show_tenths(manifold_pressure_line, pressure / kManifoldUnitsPerInHg, kTwoDigits,
                       kMapUnit);
}

double GAUGE_CALL turbine_inlet_text(double temperature) {
    return show_whole(turbine_inlet_line, temperature / kTurbineInletUnitsPerDegree,
                      kFourDigits, kFahrenheitUnit);
}

double GAUGE_CALL oil_temperature_text(double temperature) {
    return show_whole(oil_temperature_line, temperature - kOilTemperatureOffset,
                      kSignedFourDigits, kFahrenheitUnit);
}

// The simulator gives °C.
double GAUGE_CALL cylinder_head_text(double temperature) {
    return show_whole(cylinder_head_line, temperature * 1.8 + 32.0, kSignedFourDigits,
                      kFahrenheitUnit);
}

// RPM is the speed factor times the engine's speed scale (the line's second source) / 4.
double GAUGE_CALL engine_speed_text(double speed) {
    const double scale = engine_speed_line.sources[1].value.number;
    return show_whole(engine_speed_line, speed / kEngineSpeedUnitsPerFactor * scale / 4.0,
                      kSignedFourDigits, kRpmUnit);
}

// Gallons per hour: the flow divided by the fuel's weight per gallon (the line's second
// source). A weight of 0 gives an infinite flow, or not a number when there is no flow.
double GAUGE_CALL fuel_flow_text(double flow) {
    const double weight_per_gallon = fuel_flow_line.sources[1].value.number;
    return show_whole(fuel_flow_line, flow / weight_per_gallon, kFourDigits, kGphUnit);
}

double GAUGE_CALL oil_pressure_text(double pressure) {
    return show_whole(oil_pressure_line, pressure / kOilPressureUnitsPerPsi, kFourDigits,
                      kPsiUnit);
}

// The simulator gives inches of mercury already.
double GAUGE_CALL suction_text(double suction) {
    return show_tenths(suction_line, suction, kTwoDigits, kSuctionUnit);
}

}  // namespace halann
