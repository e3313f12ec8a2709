// The tokens the electronic flight instruments read and the key events their controls send,
// as far as the EFIS system of the aircraft writes or answers them.
#pragma once

#include <cstdint>

namespace panel_sim::efis_token {

// Navigation receivers: bearings relative to the nose, in degrees [0, 360).
constexpr uint32_t kVor1RelativeBearing = 0x226;
constexpr uint32_t kVor2RelativeBearing = 0x3b;
constexpr uint32_t kAdfRelativeBearing = 0x27;
// Receiver flags: kGlideslopeReceived and kLocalizerTuned bits.
constexpr uint32_t kVor1Flags = 0x2e;
constexpr uint32_t kVor2Flags = 0x37;
constexpr int kGlideslopeReceived = 0x40;
constexpr int kLocalizerTuned = 0x80;
// Course and glideslope deviations, in deviation units (full scale +-127).
constexpr uint32_t kVor1CourseDeviation = 0x28;
constexpr uint32_t kVor2CourseDeviation = 0x32;
constexpr uint32_t kVor1GlideslopeDeviation = 0x29;
constexpr uint32_t kVor2GlideslopeDeviation = 0x372;
// Selected courses and heading, whole degrees [0, 359].
constexpr uint32_t kVor1Course = 0x2d;
constexpr uint32_t kVor2Course = 0x36;
constexpr uint32_t kSelectedHeading = 0x6b;

// Wind: the direction it blows from, degrees, and its speed, knots.
constexpr uint32_t kWindDirection = 0x158;
constexpr uint32_t kWindSpeed = 0x157;

// Attitude, degrees: pitch positive nose down, bank positive left wing down.
constexpr uint32_t kPitchAttitude = 0x4d;
constexpr uint32_t kSpherePitch = 0x4e;
constexpr uint32_t kBankScale = 0x4f;
constexpr uint32_t kBankAttitude = 0x50;

// Flight director: on (1.0) or off (0.0), and its pitch and bank commands in the attitude's
// degrees and senses.
constexpr uint32_t kFlightDirectorOn = 0x318;
constexpr uint32_t kFlightDirectorPitch = 0x319;
constexpr uint32_t kFlightDirectorBank = 0x31a;

// Height above the ground, metres.
constexpr uint32_t kRadioAltitude = 0x266;

}  // namespace panel_sim::efis_token

namespace panel_sim::efis_event {

constexpr uint32_t kSetVor1Course = 0x100b4;
constexpr uint32_t kSetVor2Course = 0x100b5;
constexpr uint32_t kVor1CourseDown = 0x1007e;
constexpr uint32_t kVor1CourseUp = 0x1007f;
constexpr uint32_t kVor2CourseDown = 0x10080;
constexpr uint32_t kVor2CourseUp = 0x10081;
constexpr uint32_t kSetSelectedHeading = 0x101fa;
constexpr uint32_t kSelectedHeadingDown = 0x10158;
constexpr uint32_t kSelectedHeadingUp = 0x10157;
// The bezel's up and down triangle buttons: this aircraft takes them as a coarse heading
// knob, stepping the selected heading by kCoarseHeadingStepDeg.
constexpr uint32_t kSelectedHeadingCoarseUp = 0x10311;
constexpr uint32_t kSelectedHeadingCoarseDown = 0x10312;
constexpr int kCoarseHeadingStepDeg = 10;

}  // namespace panel_sim::efis_event
