// The one gauge of a twin-needle module: a face with two dials, a needle on each and a
// status lamp in each top corner. Its data (gauge_data.cpp) is the same for every member
// but for what the member table gives.
#pragma once

#include "panel_abi/records.h"

namespace twin_needle {

extern panel_abi::GaugeHeader gauge;

// The right dial's needle; the lamps of some members read its variable.
extern panel_abi::Needle right_needle;

// Both lamps: case 0 unlit, 1 red (lamps on, engine stopped), 2 green (lamps on, engine
// turning).
double GAUGE_CALL lamp_case(panel_abi::ModuleVariable* lamp_enable);

}  // namespace twin_needle
