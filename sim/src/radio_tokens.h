// The simulator variables and key events of the radio stack: the two NAV/COM radios, the
// transponder, the audio panel, the GPS, the DME receivers and the marker beacon receiver.
#pragma once

#include <cstdint>

namespace panel_sim::radio_token {

// Frequencies, as four BCD digits d3 d2 d1 d0 in the low 16 bits of an integer, standing for
// 1d3d2.d1d0 MHz.
constexpr uint32_t kCom1Active = 0x17;
constexpr uint32_t kCom1Standby = 0x269;
constexpr uint32_t kCom2Active = 0x366;
constexpr uint32_t kCom2Standby = 0x367;
constexpr uint32_t kNav1Active = 0x18;
constexpr uint32_t kNav1Standby = 0x368;
constexpr uint32_t kNav2Active = 0x1b;
constexpr uint32_t kNav2Standby = 0x369;

// DME of each NAV receiver: slant distance in nautical miles (exactly -1.0 when the active
// frequency has no DME) and the speed toward or away from the station in knots.
constexpr uint32_t kDme1Distance = 0x1f;
constexpr uint32_t kDme1Speed = 0x20;
constexpr uint32_t kDme2Distance = 0x23;
constexpr uint32_t kDme2Speed = 0x24;

// Transponder code: four BCD digits, each 0 to 7, in the low 16 bits of an integer.
constexpr uint32_t kTransponderCode = 0x26;

// Audio selections, 1.0 on and 0.0 off: the COM receivers, the COM 1/2 split, marker beacon
// audio, the identifier audio of each NAV receiver, DME and ADF audio.
constexpr uint32_t kCom1Selected = 0x36a;
constexpr uint32_t kCom2Selected = 0x36b;
constexpr uint32_t kComSplit = 0x36c;
constexpr uint32_t kMarkerAudio = 0x371;
constexpr uint32_t kNav1IdentAudio = 0x1a;
constexpr uint32_t kNav2IdentAudio = 0x1d;
constexpr uint32_t kDmeAudio = 0x21;
constexpr uint32_t kAdfAudio = 0x15;

// Marker beacon received: 0 none, 1 outer, 2 middle, 3 inner.
constexpr uint32_t kMarkerBeacon = 0x162;

// Course indicator source: 1.0 when the GPS drives it, 0.0 when the NAV receiver does.
constexpr uint32_t kCourseSourceGps = 0x350;

// GPS, on the active leg of the flight plan.
constexpr uint32_t kGpsGroundSpeed = 0x340;         // metres per second
constexpr uint32_t kGpsTrack = 0x342;               // radians
constexpr uint32_t kGpsDistance = 0x343;            // metres to the active waypoint
constexpr uint32_t kGpsBearing = 0x344;             // radians to the active waypoint
constexpr uint32_t kGpsCrossTrack = 0x345;          // metres, positive left of the leg
constexpr uint32_t kGpsWaypointIdentifier = 0x347;  // text
constexpr uint32_t kGpsBearingDegrees = 0x34e;      // degrees to the active waypoint
constexpr uint32_t kGpsDesiredTrack = 0x34f;        // degrees

}  // namespace panel_sim::radio_token

namespace panel_sim::radio_event {

// Radio tuning. A set event carries the new BCD frequency; a fraction step event steps the
// standby frequency one channel down (the first event of each pair) or up (the second).
constexpr uint32_t kSetCom1Standby = 0x10343;
constexpr uint32_t kSetCom2Standby = 0x1038b;
constexpr uint32_t kSetNav1Standby = 0x1038f;
constexpr uint32_t kSetNav2Standby = 0x10393;
constexpr uint32_t kCom1FractionDown = 0x10382;
constexpr uint32_t kCom1FractionUp = 0x10383;
constexpr uint32_t kCom2FractionDown = 0x10387;
constexpr uint32_t kCom2FractionUp = 0x10389;
constexpr uint32_t kNav1FractionDown = 0x1038d;
constexpr uint32_t kNav1FractionUp = 0x1038e;
constexpr uint32_t kNav2FractionDown = 0x10391;
constexpr uint32_t kNav2FractionUp = 0x10392;
constexpr uint32_t kSwapCom1 = 0x10344;
constexpr uint32_t kSwapCom2 = 0x1038c;
constexpr uint32_t kSwapNav1 = 0x10390;
constexpr uint32_t kSwapNav2 = 0x10394;

// Transponder: set the code (value: BCD code), step one digit up or down.
constexpr uint32_t kSetTransponderCode = 0x100b3;
constexpr uint32_t kTransponderDigit1Up = 0x10073;
constexpr uint32_t kTransponderDigit2Up = 0x10074;
constexpr uint32_t kTransponderDigit3Up = 0x10075;
constexpr uint32_t kTransponderDigit4Up = 0x10076;
constexpr uint32_t kTransponderDigit1Down = 0x10397;
constexpr uint32_t kTransponderDigit2Down = 0x10398;
constexpr uint32_t kTransponderDigit3Down = 0x10399;
constexpr uint32_t kTransponderDigit4Down = 0x1039a;

// Audio panel and course indicator switches; their values play no part.
constexpr uint32_t kSelectCom1 = 0x1039f;
constexpr uint32_t kSelectCom2 = 0x103a0;
constexpr uint32_t kToggleComSplit = 0x103a1;
constexpr uint32_t kToggleMarkerAudio = 0x103ad;
constexpr uint32_t kToggleNav1IdentAudio = 0x10132;
constexpr uint32_t kToggleNav2IdentAudio = 0x10133;
constexpr uint32_t kToggleDmeAudio = 0x10134;
constexpr uint32_t kToggleAdfAudio = 0x10136;
constexpr uint32_t kToggleCourseSource = 0x10347;

}  // namespace panel_sim::radio_event
