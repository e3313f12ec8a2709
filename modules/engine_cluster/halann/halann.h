// The digital engine readout: eight engine values as text in two columns of four lines,
// each a number and its unit. An oldest-generation gauge: each line's callback receives its
// first source variable's value and writes the line's text into that element's buffer.
#pragma once

#include "panel_abi/records.h"

namespace halann {

extern panel_abi::GaugeHeader halann_gauge;

// The lines, left column top to bottom, then the right column; each is the only child of
// the one before it.
extern panel_abi::TextString manifold_pressure_line;
extern panel_abi::TextString turbine_inlet_line;
extern panel_abi::TextString oil_temperature_line;
extern panel_abi::TextString cylinder_head_line;
extern panel_abi::TextString engine_speed_line;
extern panel_abi::TextString fuel_flow_line;
extern panel_abi::TextString oil_pressure_line;
extern panel_abi::TextString suction_line;

// Line callbacks: each returns the value it shows, held within the line's bounds.
double GAUGE_CALL manifold_pressure_text(double pressure);
double GAUGE_CALL turbine_inlet_text(double temperature);
double GAUGE_CALL oil_temperature_text(double temperature);
double GAUGE_CALL cylinder_head_text(double temperature);
double GAUGE_CALL engine_speed_text(double speed);
double GAUGE_CALL fuel_flow_text(double flow);
double GAUGE_CALL oil_pressure_text(double pressure);
double GAUGE_CALL suction_text(double suction);

}  // namespace halann
