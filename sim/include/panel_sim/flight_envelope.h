// The limits the simulated airframe keeps to. Every value the aircraft writes into the store
// lies inside them, whatever key events or token values it is given.
#pragma once

namespace panel_sim {

// Vertical speed, in feet per minute, either way; the vertical-speed target is held to the
// same range.
constexpr double kMaxVerticalSpeedFpm = 6000.0;

// How fast the vertical speed changes, in feet per minute per second.
constexpr double kVerticalAccelerationFpmPerSecond = 600.0;

// Altitude, in feet; the altitude target is held to the same range. At either end the
// aircraft stops climbing or descending.
constexpr double kMinAltitudeFt = -1500.0;
constexpr double kMaxAltitudeFt = 60000.0;

}  // namespace panel_sim
