// The faces of the five twin-needle engine gauges (picture 4096 of modules halttff, halfuel,
// halchvc, halmprp and halotop). Scale points and pivots come from the gauges' own dial
// tables; this file gives what is painted on them: captions, units, numbers, minor steps and
// red limit marks.
#include "drawings.h"
#include "twin_needle_face.h"

namespace picture_builder {

namespace {

namespace dials = twin_needle::dials;

// ---- halttff: turbine inlet temperature (hundreds of F) and fuel flow (GPH).
constexpr ScaleLabel kTitLabels[] = {{13, "13"}, {14, "14"}, {15, "15"},
                                     {16, "16"}, {17, "17"}, {18, "18"}};
constexpr RedBand kTitRed[] = {{17, 18}};
constexpr ScaleLabel kFuelFlowLabels[] = {{0, "0"},   {5, "5"},   {10, "10"}, {15, "15"},
                                          {20, "20"}, {25, "25"}, {30, "30"}};
constexpr RedTick kFuelFlowRed[] = {{30, false}};

constexpr TwinNeedleFace kHalttff = {
    .left = {.geometry = &dials::halttff.left, .caption = "TIT", .unit = "°F × 100",
             .labels = kTitLabels, .minor_step = 0.5, .red_ticks = {}, .red_bands = kTitRed},
    .right = {.geometry = &dials::halttff.right, .caption = "FF", .unit = "GPH",
              .labels = kFuelFlowLabels, .minor_step = 1, .red_ticks = kFuelFlowRed,
              .red_bands = {}},
    .centre_caption = nullptr,
};

// ---- halfuel: fuel quantity of each side, percent.
constexpr ScaleLabel kFuelLabels[] = {{0, "0"},   {20, "20"}, {40, "40"}, {50, "50"},
                                      {60, "60"}, {80, "80"}, {100, "100"}};

constexpr TwinNeedleFace kHalfuel = {
    .left = {.geometry = &dials::halfuel.left, .caption = "L", .unit = nullptr,
             .labels = kFuelLabels, .minor_step = 10, .red_ticks = {}, .red_bands = {}},
    .right = {.geometry = &dials::halfuel.right, .caption = "R", .unit = nullptr,
              .labels = kFuelLabels, .minor_step = 10, .red_ticks = {}, .red_bands = {}},
    .centre_caption = "F QTY%",
};

// ---- halchvc: cylinder head temperature and suction. The temperature needle's value 100
// stands on the mark painted 350, 150 on 400 and so on; 400 is the scale's red end.
constexpr ScaleLabel kChtLabels[] = {{100, "350"}, {150, "400"}, {200, "450"},
                                     {250, "500"}, {300, "550"}, {350, "600"}};
constexpr RedTick kChtRed[] = {{400, false}};
constexpr ScaleLabel kSuctionLabels[] = {{3.0, "3.0"}, {3.5, "3.5"}, {4.0, "4.0"},
                                         {4.5, "4.5"}, {5.0, "5.0"}, {5.5, "5.5"}};
constexpr RedBand kSuctionRed[] = {{5.0, 5.5}};

constexpr TwinNeedleFace kHalchvc = {
    .left = {.geometry = &dials::halchvc.left, .caption = "CHT", .unit = "°F",
             .labels = kChtLabels, .minor_step = 25, .red_ticks = kChtRed, .red_bands = {}},
    .right = {.geometry = &dials::halchvc.right, .caption = "VAC", .unit = "IN. HG",
              .labels = kSuctionLabels, .minor_step = 0.1, .red_ticks = {},
              .red_bands = kSuctionRed},
    .centre_caption = nullptr,
};

// ---- halmprp: manifold pressure (inHg) and engine speed (hundreds of RPM).
constexpr ScaleLabel kManifoldLabels[] = {{10, "10"}, {15, "15"}, {20, "20"}, {25, "25"},
                                          {30, "30"}, {35, "35"}, {40, "40"}};
constexpr RedTick kManifoldRed[] = {{40, true}};
constexpr ScaleLabel kRpmLabels[] = {{0, "0"},   {5, "5"},   {10, "10"}, {15, "15"},
                                     {20, "20"}, {25, "25"}, {30, "30"}};
constexpr RedTick kRpmRed[] = {{25, false}};

constexpr TwinNeedleFace kHalmprp = {
    .left = {.geometry = &dials::halmprp.left, .caption = "MAP", .unit = "IN. HG",
             .labels = kManifoldLabels, .minor_step = 1, .red_ticks = kManifoldRed,
             .red_bands = {}},
    .right = {.geometry = &dials::halmprp.right, .caption = "RPM", .unit = "× 100",
              .labels = kRpmLabels, .minor_step = 1, .red_ticks = kRpmRed, .red_bands = {}},
    .centre_caption = nullptr,
};

// ---- halotop: oil temperature (F) and oil pressure (psi), both numbered in tens. The
// temperature table has no row at 260; its "26" stands where the needle points for 260,
// between the 250 row (the red mark) and the 270 row that ends the scale.
constexpr ScaleLabel kOilTemperatureLabels[] = {{0, "0"},    {40, "4"},   {80, "8"},
                                                {120, "12"}, {160, "16"}, {200, "20"},
                                                {240, "24"}, {260, "26"}};
constexpr RedTick kOilTemperatureRed[] = {{250, false}};
constexpr ScaleLabel kOilPressureLabels[] = {{0, "0"},   {20, "2"},   {40, "4"},
                                             {60, "6"},  {80, "8"},   {100, "10"},
                                             {120, "12"}, {130, "13"}};
constexpr RedTick kOilPressureRed[] = {{20, false}, {110, false}};

constexpr TwinNeedleFace kHalotop = {
    .left = {.geometry = &dials::halotop.left, .caption = "OT", .unit = "°F × 10",
             .labels = kOilTemperatureLabels, .minor_step = 20,
             .red_ticks = kOilTemperatureRed, .red_bands = {}},
    .right = {.geometry = &dials::halotop.right, .caption = "OP", .unit = "PSI × 10",
              .labels = kOilPressureLabels, .minor_step = 10, .red_ticks = kOilPressureRed,
              .red_bands = {}},
    .centre_caption = nullptr,
};

}  // namespace

void draw_twin_needle_halttff(cairo_t* cr, int width, int height) {
    paint_twin_needle_face(cr, width, height, kHalttff);
}

void draw_twin_needle_halfuel(cairo_t* cr, int width, int height) {
    paint_twin_needle_face(cr, width, height, kHalfuel);
}

void draw_twin_needle_halchvc(cairo_t* cr, int width, int height) {
    paint_twin_needle_face(cr, width, height, kHalchvc);
}

void draw_twin_needle_halmprp(cairo_t* cr, int width, int height) {
    paint_twin_needle_face(cr, width, height, kHalmprp);
}

void draw_twin_needle_halotop(cairo_t* cr, int width, int height) {
    paint_twin_needle_face(cr, width, height, kHalotop);
}

}  // namespace picture_builder
