// The refresh throttle: the GPS texts and the course source label are rebuilt at most once
// every six ticks, and at once when the tick count goes back more than three ticks before the
// last rebuild; the radio texts and the deviation bar follow every frame.
#include <string>
#include <vector>

#include "navcom_panel.h"

namespace navcom_test {
namespace {

struct Step {
    double tick;
    bool rebuilds;
};

struct ThrottleCase {
    const char* what;
    std::vector<Step> steps;
};

std::ostream& operator<<(std::ostream& out, const ThrottleCase& c) { return out << c.what; }

const ThrottleCase kThrottleCases[] = {
    {"the first call rebuilds", {{1000, true}}},
    {"then every six ticks", {{1000, true}, {1001, false}, {1005, false}, {1006, true},
                              {1011, false}, {1012, true}}},
    {"a late frame rebuilds once", {{1000, true}, {1020, true}, {1025, false}, {1026, true}}},
    {"a constant tick rebuilds once", {{1000, true}, {1000, false}, {1000, false}}},
    {"three ticks back waits", {{1000, true}, {997, false}, {1005, false}, {1006, true}}},
    {"four ticks back rebuilds", {{1000, true}, {996, true}, {1001, false}, {1002, true}}},
    {"a drop from 1000 to 500 rebuilds", {{1000, true}, {500, true}, {501, false}, {506, true}}},
    {"ticks below three rebuild every call",
     {{0, true}, {0, true}, {1, true}, {2, true}, {3, true}, {3, false}, {9, true}}},
    {"the tick is truncated", {{1000.7, true}, {1005.99, false}, {1006, true}}},
};

// A ground speed for each step that shows as 100 + step knots.
double ground_speed_for_step(size_t step) {
    return (100.0 + static_cast<double>(step) + 0.5) / 1.944;
}

std::string ground_speed_text_for_step(size_t step) { return std::to_string(100 + step); }

class Throttle : public NavcomPanel,
                 public ::testing::WithParamInterface<std::tuple<Unit, ThrottleCase>> {};

TEST_P(Throttle, RebuildsOnlyWhenTheTickSaysSo) {
    const auto& [unit, c] = GetParam();
    std::string shown = "(never rebuilt)";
    for (size_t i = 0; i < c.steps.size(); ++i) {
        set(kGroundSpeed, ground_speed_for_step(i));
        frame_at(c.steps[i].tick);
        if (c.steps[i].rebuilds) shown = ground_speed_text_for_step(i);
        EXPECT_EQ(text(unit, Shown::ground_speed), shown)
            << "step " << i << " at tick " << c.steps[i].tick;
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, Throttle,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kThrottleCases)));

class ThrottledTexts : public NavcomPanel {
protected:
    // Values for every field; the second set changes every text of the face.
    void set_values(int set_number) {
        const bool second = set_number == 2;
        set(kGpsDistance, second ? 20000 : 10000);
        set(kGroundSpeed, second ? 60 : 50);
        set(kTrack, second ? 0.2 : 0.1);
        set(kBearing, second ? 0.4 : 0.3);
        set(kDesiredTrack, second ? 20 : 10);
        set(kCrossTrack, second ? 1000 : 500);
        set_text(kWaypoint, second ? "BFI" : "SEA");
        set(kCourseSource, second ? 1.0 : 0.0);
        for (Unit unit : kBothUnits) {
            const UnitRadios& r = radios(unit);
            set_bcd(r.com_active, second ? 0x2000 : 0x1900);
            set_bcd(r.com_standby, second ? 0x2100 : 0x1950);
            set_bcd(r.nav_active, second ? 0x1000 : 0x0900);
            set_bcd(r.nav_standby, second ? 0x1100 : 0x0950);
            set(r.nav_distance, second ? 2.0 : 1.0);
        }
    }

    struct Face {
        std::vector<std::string> texts;
        double bar = 0;
    };
    Face face(Unit unit) const {
        Face shown;
        const int first = static_cast<int>(Shown::nav_distance);
        const int last = static_cast<int>(Shown::waypoint);
        for (int i = first; i <= last; ++i)
            shown.texts.push_back(text(unit, static_cast<Shown>(i)));
        shown.bar = element(unit, Shown::deviation_bar).slider_x;
        return shown;
    }
};

bool is_throttled(int index) {
    for (Shown shown : kThrottledTexts)
        if (static_cast<int>(shown) == index) return true;
    return false;
}

// At a constant tick only the unthrottled elements follow; when the tick drops from 1000 to
// 500 every throttled text of both units is rebuilt at once.
TEST_F(ThrottledTexts, ConstantTickFreezesThemAndADropRebuildsThemAll) {
    set_values(1);
    frame_at(1000);
    // Each unit's CDI button asks for GPS, so that its label changes with the source.
    for (Unit unit : kBothUnits) click(unit, kCdiButton);
    Face before[2] = {face(Unit::one), face(Unit::two)};

    set_values(2);
    frame_at(1000);
    for (Unit unit : kBothUnits) {
        const Face now = face(unit);
        const Face& was = before[unit == Unit::one ? 0 : 1];
        for (size_t i = 0; i < now.texts.size(); ++i) {
            const int index = static_cast<int>(i) + 1;
            if (is_throttled(index))
                EXPECT_EQ(now.texts[i], was.texts[i]) << unit << " " << static_cast<Shown>(index);
            else
                EXPECT_NE(now.texts[i], was.texts[i]) << unit << " " << static_cast<Shown>(index);
        }
        EXPECT_NE(now.bar, was.bar) << unit;
    }

    frame_at(500);
    for (Unit unit : kBothUnits) {
        const Face now = face(unit);
        const Face& was = before[unit == Unit::one ? 0 : 1];
        for (size_t i = 0; i < now.texts.size(); ++i)
            EXPECT_NE(now.texts[i], was.texts[i]) << unit << " " << static_cast<Shown>(i + 1);
        EXPECT_EQ(text(unit, Shown::source_label), "GPS") << unit;
    }
}

// The refresh ticks belong to each unit: a unit placed later rebuilds on its own first call.
TEST_F(NavcomPanel, EachUnitKeepsItsOwnRefreshTicks) {
    host_.remove(instance(Unit::two));
    set(kGroundSpeed, 50);
    frame_at(1000);
    EXPECT_EQ(text(Unit::one, Shown::ground_speed), " 97");

    std::string error;
    units_[1] = host_.place(module_, "navcom2", &error);
    ASSERT_NE(units_[1], panel_host::kNoInstance) << error;
    set(kGroundSpeed, 60);
    frame_at(1003);
    EXPECT_EQ(text(Unit::one, Shown::ground_speed), " 97");
    EXPECT_EQ(text(Unit::two, Shown::ground_speed), "116");
}

}  // namespace
}  // namespace navcom_test
