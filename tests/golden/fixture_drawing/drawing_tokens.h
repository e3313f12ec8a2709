// The simulator tokens the drawing fixture reads, and the failure keys its lamp carries. No
// real gauge of the panel uses tokens 0x900 and up, so a test owns them entirely.
#pragma once

#include <cstdint>

namespace fixture_drawing {

namespace token {
constexpr uint32_t kTableNeedle = 0x900;     // value on the dial's table: 0, 10, 40, 50
constexpr uint32_t kPlainNeedle = 0x901;     // turn in degrees, clockwise
constexpr uint32_t kSliderX = 0x902;         // track units, held to 0 .. 20 by the gauge
constexpr uint32_t kSliderY = 0x903;         // track units
constexpr uint32_t kIcon = 0x904;            // the icon's case
constexpr uint32_t kSpriteX = 0x905;         // texture pixels along its own x axis
constexpr uint32_t kSpriteY = 0x906;         // texture pixels along its own y axis
constexpr uint32_t kSpriteRotation = 0x907;  // radians, counterclockwise positive
constexpr uint32_t kText = 0x908;            // the number the text shows
constexpr uint32_t kHiddenIconShown = 0x909; // 1 shows the icon that is hidden from the start
}  // namespace token

// Failures that blank the lamp.
constexpr uint32_t kLampFailureKeys[] = {0x14, 0x15};

}  // namespace fixture_drawing
