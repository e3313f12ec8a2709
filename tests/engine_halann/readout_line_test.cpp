// Every line of the readout through the host: the simulator's values in, the line's text
// out, in its format, held within its bounds and cut to eight characters by the host.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "readout_panel.h"

namespace halann_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct LineCase {
    Line line;
    std::vector<std::pair<uint32_t, double>> tokens;
    // The whole text the line writes; the host shows its first eight characters.
    std::string written;
};

std::string describe(const LineCase& c) {
    std::string what = std::string(line_name(c.line)) + " with";
    for (const auto& [token, value] : c.tokens) {
        char part[64];
        std::snprintf(part, sizeof part, " 0x%x = %g", token, value);
        what += part;
    }
    return what;
}

const LineCase kLineCases[] = {
    // Manifold pressure, one decimal, rounded; 0 … 99 inHg.
    {Line::map, {{kManifoldPressure, 31200}}, "30.0 MAP"},
    {Line::map, {{kManifoldPressure, 0}}, " 0.0 MAP"},
    {Line::map, {{kManifoldPressure, 10358.4}}, "10.0 MAP"},  // 9.96 rounds up
    {Line::map, {{kManifoldPressure, 10347}}, " 9.9 MAP"},    // 9.949 does not
    {Line::map, {{kManifoldPressure, 200000}}, "99.0 MAP"},
    {Line::map, {{kManifoldPressure, 103022.4}}, "99.0 MAP"},  // 99.06 held at 99
    {Line::map, {{kManifoldPressure, -31200}}, " 0.0 MAP"},
    {Line::map, {{kManifoldPressure, 1e300}}, "99.0 MAP"},
    {Line::map, {{kManifoldPressure, kNaN}}, " 0.0 MAP"},
    {Line::map, {{kManifoldPressure, kInf}}, "99.0 MAP"},
    {Line::map, {{kManifoldPressure, -kInf}}, " 0.0 MAP"},

    // Turbine inlet temperature, whole °F truncated; 0 … 9999.
    {Line::tit, {{kTurbineInlet, 1920}}, "1500 F  "},
    {Line::tit, {{kTurbineInlet, 1919}}, "1499 F  "},  // 1499.2
    {Line::tit, {{kTurbineInlet, 0}}, "   0 F  "},
    {Line::tit, {{kTurbineInlet, -1280}}, "   0 F  "},
    {Line::tit, {{kTurbineInlet, 12800}}, "9999 F  "},  // 10000 held at 9999
    {Line::tit, {{kTurbineInlet, 1e300}}, "9999 F  "},
    {Line::tit, {{kTurbineInlet, kNaN}}, "   0 F  "},
    {Line::tit, {{kTurbineInlet, kInf}}, "9999 F  "},
    {Line::tit, {{kTurbineInlet, -kInf}}, "   0 F  "},

    // Oil temperature: the simulator's value less 450; -9999 … 9999, so its lowest text
    // has nine characters.
    {Line::oil_temperature, {{kOilTemperature, 640}}, " 190 F  "},
    {Line::oil_temperature, {{kOilTemperature, 0}}, "-450 F  "},
    {Line::oil_temperature, {{kOilTemperature, 449.5}}, "   0 F  "},  // -0.5 toward zero
    {Line::oil_temperature, {{kOilTemperature, 450.9}}, "   0 F  "},
    {Line::oil_temperature, {{kOilTemperature, -8000}}, "-8450 F  "},
    {Line::oil_temperature, {{kOilTemperature, 1e9}}, "9999 F  "},
    {Line::oil_temperature, {{kOilTemperature, -1e9}}, "-9999 F  "},
    {Line::oil_temperature, {{kOilTemperature, kNaN}}, "-9999 F  "},
    {Line::oil_temperature, {{kOilTemperature, kInf}}, "9999 F  "},
    {Line::oil_temperature, {{kOilTemperature, -kInf}}, "-9999 F  "},

    // Cylinder head temperature: °C to °F; -9999 … 9999.
    {Line::cht, {{kCylinderHead, 200}}, " 392 F  "},
    {Line::cht, {{kCylinderHead, 0}}, "  32 F  "},
    {Line::cht, {{kCylinderHead, -40}}, " -40 F  "},
    {Line::cht, {{kCylinderHead, 100.5}}, " 212 F  "},  // 212.9
    {Line::cht, {{kCylinderHead, -50}}, " -58 F  "},
    {Line::cht, {{kCylinderHead, -17.9}}, "   0 F  "},  // -0.22 toward zero
    {Line::cht, {{kCylinderHead, 1e6}}, "9999 F  "},
    {Line::cht, {{kCylinderHead, -1e6}}, "-9999 F  "},
    {Line::cht, {{kCylinderHead, kNaN}}, "-9999 F  "},
    {Line::cht, {{kCylinderHead, kInf}}, "9999 F  "},
    {Line::cht, {{kCylinderHead, -kInf}}, "-9999 F  "},

    // Engine speed: factor × scale / 4 from its two sources; -9999 … 9999.
    {Line::rpm, {{kEngineSpeed, 16384}, {kEngineSpeedScale, 10000}}, "2500 RPM"},
    {Line::rpm, {{kEngineSpeed, 16384}, {kEngineSpeedScale, 9999.96}}, "2499 RPM"},
    {Line::rpm, {{kEngineSpeed, 8192}, {kEngineSpeedScale, 10000}}, "1250 RPM"},
    {Line::rpm, {{kEngineSpeed, 16384}, {kEngineSpeedScale, 2000}}, " 500 RPM"},
    {Line::rpm, {{kEngineSpeed, 0}, {kEngineSpeedScale, 10000}}, "   0 RPM"},
    {Line::rpm, {{kEngineSpeed, 16384}, {kEngineSpeedScale, 0}}, "   0 RPM"},
    {Line::rpm, {{kEngineSpeed, -16384}, {kEngineSpeedScale, 10000}}, "-2500 RPM"},
    {Line::rpm, {{kEngineSpeed, 1e12}, {kEngineSpeedScale, 10000}}, "9999 RPM"},
    {Line::rpm, {{kEngineSpeed, -1e12}, {kEngineSpeedScale, 10000}}, "-9999 RPM"},
    {Line::rpm, {{kEngineSpeed, kNaN}, {kEngineSpeedScale, 10000}}, "-9999 RPM"},
    {Line::rpm, {{kEngineSpeed, 16384}, {kEngineSpeedScale, kNaN}}, "-9999 RPM"},
    {Line::rpm, {{kEngineSpeed, kInf}, {kEngineSpeedScale, 10000}}, "9999 RPM"},
    {Line::rpm, {{kEngineSpeed, kInf}, {kEngineSpeedScale, 0}}, "-9999 RPM"},  // not a number

    // Fuel flow: flow / weight per gallon from its two sources; 0 … 9999.
    {Line::fuel_flow, {{kFuelFlow, 90}, {kFuelWeightPerGallon, 6}}, "  15 GPH"},
    {Line::fuel_flow, {{kFuelFlow, 89.9}, {kFuelWeightPerGallon, 6}}, "  14 GPH"},
    {Line::fuel_flow, {{kFuelFlow, 90}, {kFuelWeightPerGallon, 0}}, "9999 GPH"},
    {Line::fuel_flow, {{kFuelFlow, 0}, {kFuelWeightPerGallon, 0}}, "   0 GPH"},
    {Line::fuel_flow, {{kFuelFlow, -90}, {kFuelWeightPerGallon, 0}}, "   0 GPH"},
    {Line::fuel_flow, {{kFuelFlow, -90}, {kFuelWeightPerGallon, 6}}, "   0 GPH"},
    {Line::fuel_flow, {{kFuelFlow, 1e9}, {kFuelWeightPerGallon, 1}}, "9999 GPH"},
    {Line::fuel_flow, {{kFuelFlow, kNaN}, {kFuelWeightPerGallon, 6}}, "   0 GPH"},
    {Line::fuel_flow, {{kFuelFlow, kInf}, {kFuelWeightPerGallon, 6}}, "9999 GPH"},
    {Line::fuel_flow, {{kFuelFlow, 90}, {kFuelWeightPerGallon, kInf}}, "   0 GPH"},

    // Oil pressure, whole psi; 0 … 9999.
    {Line::oil_pressure, {{kOilPressure, 17880}}, "  60 PSI"},
    {Line::oil_pressure, {{kOilPressure, 17879}}, "  59 PSI"},  // 59.997
    {Line::oil_pressure, {{kOilPressure, 0}}, "   0 PSI"},
    {Line::oil_pressure, {{kOilPressure, -298}}, "   0 PSI"},
    {Line::oil_pressure, {{kOilPressure, 1e10}}, "9999 PSI"},
    {Line::oil_pressure, {{kOilPressure, kNaN}}, "   0 PSI"},
    {Line::oil_pressure, {{kOilPressure, kInf}}, "9999 PSI"},
    {Line::oil_pressure, {{kOilPressure, -kInf}}, "   0 PSI"},

    // Suction in inHg as the simulator gives it, one decimal; 0 … 99.
    {Line::suction, {{kSuction, 4.97}}, " 5.0inHg"},
    {Line::suction, {{kSuction, 4.94}}, " 4.9inHg"},
    {Line::suction, {{kSuction, -1}}, " 0.0inHg"},
    {Line::suction, {{kSuction, 150}}, "99.0inHg"},
    {Line::suction, {{kSuction, 99.06}}, "99.0inHg"},
    {Line::suction, {{kSuction, kNaN}}, " 0.0inHg"},
    {Line::suction, {{kSuction, kInf}}, "99.0inHg"},
    {Line::suction, {{kSuction, -kInf}}, " 0.0inHg"},
};

using ReadoutLines = ReadoutPanel;

TEST_F(ReadoutLines, EachLineWritesItsValueInItsFormatAndShowsEightCharacters) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(describe(c));
        for (const auto& [token, value] : c.tokens) set(token, value);
        frame();
        EXPECT_EQ(text(c.line), c.written.substr(0, 8));
        const char* buffer = record(c.line).buffer;
        ASSERT_NE(buffer, nullptr);
        EXPECT_EQ(std::string(buffer), c.written);
    }
}

// Changing one line's simulator value changes that line's text and no other.
TEST_F(ReadoutLines, EachLineFollowsOnlyItsOwnValues) {
    const std::pair<Line, uint32_t> own_value[] = {
        {Line::map, kManifoldPressure},  {Line::tit, kTurbineInlet},
        {Line::oil_temperature, kOilTemperature}, {Line::cht, kCylinderHead},
        {Line::rpm, kEngineSpeed},       {Line::rpm, kEngineSpeedScale},
        {Line::fuel_flow, kFuelFlow},    {Line::fuel_flow, kFuelWeightPerGallon},
        {Line::oil_pressure, kOilPressure}, {Line::suction, kSuction},
    };
    // A running engine, so that every value shows.
    set(kManifoldPressure, 25000);
    set(kTurbineInlet, 1800);
    set(kOilTemperature, 630);
    set(kCylinderHead, 180);
    set(kEngineSpeed, 16384);
    set(kEngineSpeedScale, 9000);
    set(kFuelFlow, 80);
    set(kFuelWeightPerGallon, 6);
    set(kOilPressure, 16000);
    set(kSuction, 4.5);
    frame();
    for (const auto& [line, token] : own_value) {
        SCOPED_TRACE(std::string(line_name(line)) + ", token " + std::to_string(token));
        const std::vector<std::string> before = texts();
        set(token, store_.number(token) * 0.5);
        frame();
        const std::vector<std::string> after = texts();
        for (Line other : kAllLines) {
            const size_t i = static_cast<size_t>(other);
            if (other == line)
                EXPECT_NE(after[i], before[i]) << line_name(other);
            else
                EXPECT_EQ(after[i], before[i]) << line_name(other);
        }
    }
}

// The simulator's tick count is every line's third source, and no line reads it.
TEST_F(ReadoutLines, TheTickCountChangesNoLine) {
    set(kEngineSpeed, 16384);
    set(kEngineSpeedScale, 10000);
    set(kFuelFlow, 90);
    set(kFuelWeightPerGallon, 6);
    set(kTickCount, 3);
    frame();
    const std::vector<std::string> before = texts();
    EXPECT_EQ(before[static_cast<size_t>(Line::rpm)], "2500 RPM");
    for (double tick : {0.0, 1.0, 4096.0, kNaN}) {
        set(kTickCount, tick);
        frame();
        EXPECT_EQ(texts(), before) << "tick count " << tick;
    }
}

}  // namespace
}  // namespace halann_test
