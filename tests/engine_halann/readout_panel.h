// A placed digital engine readout on a panel host with its own variable store, recording
// every key event the host's sink receives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "panel_host/panel_host.h"

namespace halann_test {

// Simulator tokens the readout shows.
inline constexpr uint32_t kManifoldPressure = 0x98;  // 1040 per inHg
inline constexpr uint32_t kTurbineInlet = 0x19e;     // 1.28 per °F
inline constexpr uint32_t kOilTemperature = 0x1a0;   // °F + 450
inline constexpr uint32_t kCylinderHead = 0x92;      // °C
inline constexpr uint32_t kEngineSpeed = 0x87;       // 16384 per unit of speed factor
inline constexpr uint32_t kEngineSpeedScale = 0x9a;  // RPM = factor × scale / 4
inline constexpr uint32_t kFuelFlow = 0x1a5;
inline constexpr uint32_t kFuelWeightPerGallon = 0x132;
inline constexpr uint32_t kOilPressure = 0x94;       // 298 per psi
inline constexpr uint32_t kSuction = 0x161;          // inHg
inline constexpr uint32_t kTickCount = 0x01;

// The readout's lines, in the order the pilot reads them: left column top to bottom, then
// the right column.
enum class Line { map, tit, oil_temperature, cht, rpm, fuel_flow, oil_pressure, suction };
inline constexpr Line kAllLines[] = {Line::map, Line::tit, Line::oil_temperature, Line::cht,
                                     Line::rpm, Line::fuel_flow, Line::oil_pressure,
                                     Line::suction};
const char* line_name(Line line);
std::ostream& operator<<(std::ostream& out, Line line);

class ReadoutPanel : public ::testing::Test {
protected:
    void SetUp() override;

    void set(uint32_t token, double value) { store_.set_number(token, value); }
    void frame() { host_.run_frame(); }

    // The text shown on the line after the last frame (at most its character count).
    const std::string& text(Line line) const { return state(line).text; }
    const panel_host::ElementState& state(Line line) const;
    // The line's text element.
    const panel_abi::TextString& record(Line line) const;
    // Every line's text after the last frame, in reading order.
    std::vector<std::string> texts() const;

    panel_host::VariableStore store_;
    panel_host::PanelHost host_{store_};
    panel_host::LoadedModule* module_ = nullptr;
    panel_host::InstanceId readout_ = panel_host::kNoInstance;
    std::vector<panel_abi::KeyEvent> events_;
};

}  // namespace halann_test
