// Where the scale of every twin-needle dial stands on its face: the needle's pivot and, for
// each row of the needle's nonlinearity table, the scale point (gauge pixels) together with
// the value that turns the needle towards it.
//
// Two readers share these rows: the gauge data builds its nonlinearity tables from them, and
// the picture builder paints each face's scale marks on the same points. A mark therefore
// always stands where the needle points for its value. This header depends on nothing but
// the standard library so that the build-time picture builder can include it.
#pragma once

#include <cstdint>
#include <span>

namespace twin_needle {

struct Pivot {
    int32_t x;
    int32_t y;
};

// One scale point: the needle points from the pivot at (x, y) when it shows `value`.
struct DialPoint {
    int32_t x;
    int32_t y;
    double value;
};

struct DialGeometry {
    Pivot pivot;
    std::span<const DialPoint> points;  // in value order
};

struct TwinDials {
    DialGeometry left;
    DialGeometry right;
};

namespace dial_points {

// Turbine inlet temperature, hundreds of degrees F.
inline constexpr DialPoint halttff_left[] = {
    {264, 61, 13}, {288, 151, 14}, {235, 226, 15}, {146, 235, 16}, {86, 174, 17}, {81, 102, 18},
};
// Fuel flow, gallons per hour.
inline constexpr DialPoint halttff_right[] = {
    {546, 69, 0},   {572, 158, 5},  {519, 234, 10}, {430, 241, 15},
    {366, 182, 20}, {373, 96, 25},  {430, 39, 30},
};

// Fuel quantity, percent of the side's capacity.
inline constexpr DialPoint halfuel_left[] = {
    {129, 219, 0},  {82, 134, 20},  {131, 52, 40}, {178, 38, 50},
    {227, 52, 60},  {275, 136, 80}, {230, 219, 100},
};
inline constexpr DialPoint halfuel_right[] = {
    {416, 217, 0},  {367, 133, 20}, {417, 50, 40}, {464, 38, 50},
    {513, 51, 60},  {563, 135, 80}, {515, 216, 100},
};

// Cylinder head temperature: the value 100 stands on the mark painted 350, 150 on 400, and
// so on; 400 is the end of the scale beyond the 600 mark.
inline constexpr DialPoint halchvc_left[] = {
    {263, 64, 100}, {286, 151, 150}, {235, 224, 200}, {151, 231, 250},
    {87, 175, 300}, {90, 90, 350},   {150, 30, 400},
};
// Suction, inches of mercury.
inline constexpr DialPoint halchvc_right[] = {
    {510, 39, 3.0}, {559, 126, 3.5}, {518, 217, 4.0},
    {400, 214, 4.5}, {361, 119, 5.0}, {410, 32, 5.5},
};

// Manifold pressure, inches of mercury.
inline constexpr DialPoint halmprp_left[] = {
    {266, 63, 10}, {288, 152, 15}, {237, 226, 20}, {152, 232, 25},
    {90, 176, 30}, {92, 92, 35},   {151, 31, 40},
};
// Engine speed, hundreds of RPM.
inline constexpr DialPoint halmprp_right[] = {
    {546, 69, 0},   {572, 158, 5},  {519, 234, 10}, {430, 241, 15},
    {366, 182, 20}, {373, 96, 25},  {430, 39, 30},
};

// Oil temperature, degrees F (the face counts in tens).
inline constexpr DialPoint halotop_left[] = {
    {278, 74, 0},    {292, 149, 40}, {254, 215, 80}, {183, 238, 120}, {119, 212, 160},
    {82, 154, 200},  {90, 84, 240},  {103, 72, 250}, {125, 45, 270},
};
// Oil pressure, psi (the face counts in tens).
inline constexpr DialPoint halotop_right[] = {
    {550, 65, 0},    {573, 136, 20}, {550, 204, 40}, {489, 240, 60},
    {420, 230, 80},  {374, 177, 100}, {369, 109, 120}, {386, 78, 130},
};

}  // namespace dial_points

namespace dials {

inline constexpr TwinDials halttff = {
    .left = {.pivot = {186, 135}, .points = dial_points::halttff_left},
    .right = {.pivot = {467, 140}, .points = dial_points::halttff_right},
};
inline constexpr TwinDials halfuel = {
    .left = {.pivot = {178, 134}, .points = dial_points::halfuel_left},
    .right = {.pivot = {464, 134}, .points = dial_points::halfuel_right},
};
inline constexpr TwinDials halchvc = {
    .left = {.pivot = {186, 135}, .points = dial_points::halchvc_left},
    .right = {.pivot = {461, 125}, .points = dial_points::halchvc_right},
};
inline constexpr TwinDials halmprp = {
    .left = {.pivot = {186, 135}, .points = dial_points::halmprp_left},
    .right = {.pivot = {467, 140}, .points = dial_points::halmprp_right},
};
inline constexpr TwinDials halotop = {
    .left = {.pivot = {186, 135}, .points = dial_points::halotop_left},
    .right = {.pivot = {467, 140}, .points = dial_points::halotop_right},
};

}  // namespace dials

}  // namespace twin_needle
