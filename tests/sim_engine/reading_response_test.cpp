// How the temperatures follow a lever change: gradually, always toward the value they settle
// to, and never past it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine_fixture.h"

namespace engine_test {
namespace {

struct ResponseCase {
    const char* name;
    const char* reading_name;
    ReadingOf reading;
    Levers from;
    Levers to;
    // The reading has not yet covered half the way this many seconds after the change.
    double still_short_of_half_way_after_s;
};

constexpr Levers kIdle = {.power = 0, .propeller = kFullTravel, .mixture = kFullTravel};
constexpr Levers kFullPower = {.power = kFullTravel, .propeller = kFullTravel, .mixture = kFullTravel};
constexpr Levers kCutOff = {.power = kFullTravel, .propeller = kFullTravel, .mixture = 0};
constexpr Levers kFullPowerLeaned = {.power = kFullTravel, .propeller = kFullTravel, .mixture = 2000};

double turbine_inlet(const EngineAircraft& a) { return a.turbine_inlet_f(); }
double cylinder_heads(const EngineAircraft& a) { return a.cylinder_head_f(); }
double oil_temperature(const EngineAircraft& a) { return a.oil_temperature_f(); }

class TemperatureAfterLeverChange : public ::testing::TestWithParam<ResponseCase> {};

TEST_P(TemperatureAfterLeverChange, ApproachesItsSettledValueWithoutOvershoot) {
    const ResponseCase& c = GetParam();
    SCOPED_TRACE(c.reading_name);

    // Where the reading settles with the new levers.
    EngineAircraft reference;
    reference.set_levers(c.to);
    reference.settle();
    reference.settle();
    const double settled = c.reading(reference);

    EngineAircraft a;
    a.set_levers(c.from);
    a.settle();
    const double start = c.reading(a);
    ASSERT_GT(std::abs(settled - start), 10.0) << "the change must move the reading";
    const double direction = settled > start ? 1.0 : -1.0;
    const double tolerance = 1e-9 * std::abs(settled);

    a.set_levers(c.to);
    double previous = start;
    const int frames = static_cast<int>(kSettleSeconds * panel_sim::kFramesPerSecond);
    const int short_of_half_way_frame =
        static_cast<int>(c.still_short_of_half_way_after_s * panel_sim::kFramesPerSecond);
    for (int frame = 1; frame <= frames; ++frame) {
        a.run_frames(1);
        const double now = c.reading(a);
        // Toward the settled value, never back, never beyond.
        ASSERT_GE((now - previous) * direction, -tolerance) << "frame " << frame;
        ASSERT_LE((now - settled) * direction, tolerance) << "frame " << frame;
        if (frame == short_of_half_way_frame) {
            EXPECT_LT(std::abs(now - start), std::abs(settled - start) / 2.0)
                << "more than half way after " << c.still_short_of_half_way_after_s << " s";
        }
        previous = now;
    }
    EXPECT_NEAR(previous, settled, 1e-3 * std::abs(settled - start));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TemperatureAfterLeverChange,
    ::testing::Values(
        ResponseCase{"TurbineHeatsWithPower", "turbine inlet", turbine_inlet, kIdle, kFullPower, 3.0},
        ResponseCase{"TurbineHeatsWhenLeaned", "turbine inlet", turbine_inlet, kFullPower, kFullPowerLeaned, 3.0},
        ResponseCase{"TurbineCoolsAtIdle", "turbine inlet", turbine_inlet, kFullPower, kIdle, 3.0},
        ResponseCase{"TurbineCoolsWhenStopped", "turbine inlet", turbine_inlet, kFullPower, kCutOff, 3.0},
        ResponseCase{"CylindersHeatWithPower", "cylinder heads", cylinder_heads, kIdle, kFullPower, 20.0},
        ResponseCase{"CylindersCoolAtIdle", "cylinder heads", cylinder_heads, kFullPower, kIdle, 20.0},
        ResponseCase{"CylindersCoolWhenStopped", "cylinder heads", cylinder_heads, kFullPower, kCutOff, 20.0},
        ResponseCase{"OilHeatsWithPower", "oil temperature", oil_temperature, kIdle, kFullPower, 60.0},
        ResponseCase{"OilCoolsWhenStopped", "oil temperature", oil_temperature, kFullPower, kCutOff, 60.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engine_test
