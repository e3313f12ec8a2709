// The five twin-needle gauges.
#pragma once

#include "member.h"
#include "readings.h"
#include "tokens.h"

namespace twin_needle::members {

// Turbine inlet temperature and fuel flow.
inline constexpr Member halttff = {
    .name = "halttff",
    .left = {.geometry = &dials::halttff.left,
             .token = tokens::kTurbineInletTemperature,
             .reading = turbine_inlet_temperature,
             .help_id = 0xab6f},
    .right = {.geometry = &dials::halttff.right,
              .token = tokens::kFuelFlow,
              .reading = fuel_flow,
              .help_id = 0xa031},
    .has_mouse_list = true,
    .lamps_read_right_needle = false,
};

// Left and right fuel quantity.
inline constexpr Member halfuel = {
    .name = "halfuel",
    .left = {.geometry = &dials::halfuel.left,
             .token = tokens::kTickCount,
             .reading = left_fuel_quantity,
             .help_id = 0},
    .right = {.geometry = &dials::halfuel.right,
              .token = tokens::kTickCount,
              .reading = right_fuel_quantity,
              .help_id = 0},
    .has_mouse_list = false,
    .lamps_read_right_needle = false,
};

// Cylinder head temperature and suction.
inline constexpr Member halchvc = {
    .name = "halchvc",
    .left = {.geometry = &dials::halchvc.left,
             .token = tokens::kCylinderHeadTemperature,
             .reading = cylinder_head_temperature,
             .help_id = 0xa032},
    .right = {.geometry = &dials::halchvc.right,
              .token = tokens::kSuction,
              .reading = suction,
              .help_id = 0xa036},
    .has_mouse_list = true,
    .lamps_read_right_needle = false,
};

// Manifold pressure and engine speed.
inline constexpr Member halmprp = {
    .name = "halmprp",
    .left = {.geometry = &dials::halmprp.left,
             .token = tokens::kManifoldPressure,
             .reading = manifold_pressure,
             .help_id = 0xa021},
    .right = {.geometry = &dials::halmprp.right,
              .token = tokens::kEngineSpeed,
              .reading = engine_rpm,
              .help_id = 0xa020},
    .has_mouse_list = true,
    .lamps_read_right_needle = true,
};

// Oil temperature and oil pressure.
inline constexpr Member halotop = {
    .name = "halotop",
    .left = {.geometry = &dials::halotop.left,
             .token = tokens::kOilTemperature,
             .reading = oil_temperature,
             .help_id = 0xa022},
    .right = {.geometry = &dials::halotop.right,
              .token = tokens::kOilPressure,
              .reading = oil_pressure,
              .help_id = 0xa023},
    .has_mouse_list = true,
    .lamps_read_right_needle = false,
};

}  // namespace twin_needle::members
