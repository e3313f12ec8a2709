// The simulator variables the aircraft writes, by token number.
#pragma once

#include <cstdint>

namespace panel_sim::token {

constexpr uint32_t kTickCount = 0x01;             // frames since start
constexpr uint32_t kVerticalSpeed = 0x41;         // 1/256 metre per second
constexpr uint32_t kAltitude = 0x4a;              // feet
constexpr uint32_t kPitch = 0x4d;                 // degrees
constexpr uint32_t kHeading = 0x51;               // degrees

// Autopilot: the master switch, the lateral and vertical mode states (0.0 or 1.0) and the
// targets.
constexpr uint32_t kAutopilotMaster = 0x67;
constexpr uint32_t kNavMode = 0x69;
constexpr uint32_t kHeadingMode = 0x6a;
constexpr uint32_t kAltitudeHold = 0x6c;          // the vertical autopilot is engaged
constexpr uint32_t kAltitudeTarget = 0x6d;        // feet; 0 means no target
constexpr uint32_t kGlideslopeMode = 0x6f;
constexpr uint32_t kApproachMode = 0x70;
constexpr uint32_t kBackCourseMode = 0x71;
constexpr uint32_t kVerticalSpeedTarget = 0x78;   // feet per minute

}  // namespace panel_sim::token
