// Where the host turns the needles for values outside their tables, and how fast: a value
// past either end row holds the needle on that row's point, and a needle reaches any value
// within one frame.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "needle_values.h"
#include "twin_needle_gauge.h"

namespace twin_needle_test {
namespace {

struct TravelCase {
    const char* member;
    Dial dial;
    double beyond_last;  // a value the reading passes on above the table's last row, or 0
};

std::ostream& operator<<(std::ostream& out, const TravelCase& c) {
    return out << c.member << " " << dial_name(c.dial);
}

std::string travel_name(const ::testing::TestParamInfo<TravelCase>& info) {
    return std::string(info.param.member) + "_" + dial_name(info.param.dial);
}

class NeedleTravel : public ::testing::TestWithParam<TravelCase> {
protected:
    const std::span<const twin_needle::DialPoint>& rows() const {
        return dial_geometry(GetParam().member, GetParam().dial).points;
    }
    // The needle's angle after one frame at the value.
    double angle_at(TwinNeedleGauge& gauge, double value) {
        gauge.set(tokens_showing(GetParam().member, GetParam().dial, value));
        gauge.frame();
        EXPECT_NEAR(gauge.needle(GetParam().dial).value, value, 1e-9) << "the reading changed it";
        return gauge.needle(GetParam().dial).needle_angle;
    }
    // The angle a freshly placed gauge shows at the value on its first frame.
    double first_frame_angle(double value) {
        TwinNeedleGauge fresh(GetParam().member);
        EXPECT_TRUE(fresh.placed()) << fresh.error();
        return angle_at(fresh, value);
    }
};

// From the first row to the last and back, each in one frame, whatever the sweep between.
TEST_P(NeedleTravel, ReachesItsValueInOneFrame) {
    const double at_first = first_frame_angle(rows().front().value);
    const double at_last = first_frame_angle(rows().back().value);
    TwinNeedleGauge gauge(GetParam().member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    EXPECT_NEAR(angle_at(gauge, rows().front().value), at_first, 1e-9);
    EXPECT_NEAR(angle_at(gauge, rows().back().value), at_last, 1e-9);
    EXPECT_NEAR(angle_at(gauge, rows().front().value), at_first, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Dials, NeedleTravel,
    ::testing::Values(TravelCase{"halttff", Dial::left, 0}, TravelCase{"halttff", Dial::right, 0},
                      TravelCase{"halfuel", Dial::left, 0}, TravelCase{"halfuel", Dial::right, 0},
                      TravelCase{"halchvc", Dial::left, 0}, TravelCase{"halchvc", Dial::right, 0},
                      TravelCase{"halmprp", Dial::left, 0}, TravelCase{"halmprp", Dial::right, 0},
                      TravelCase{"halotop", Dial::left, 0}, TravelCase{"halotop", Dial::right, 0}),
    travel_name);

class NeedleBeyondTable : public NeedleTravel {};

TEST_P(NeedleBeyondTable, StaysOnTheLastRow) {
    TwinNeedleGauge gauge(GetParam().member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    const double last = rows().back().value;
    const double at_last = angle_at(gauge, last);
    EXPECT_NEAR(angle_at(gauge, GetParam().beyond_last), at_last, 1e-9);
    EXPECT_NEAR(angle_at(gauge, (last + GetParam().beyond_last) / 2), at_last, 1e-9);
    EXPECT_NEAR(angle_at(gauge, last * 1.01), at_last, 1e-9);
}

// Only the dials whose bounds reach past their tables can be driven beyond the last row:
// RPM to 3000 hundreds, oil temperature to 2700 F, oil pressure to 1300 psi.
INSTANTIATE_TEST_SUITE_P(BoundsBeyondTheTable, NeedleBeyondTable,
                         ::testing::Values(TravelCase{"halmprp", Dial::right, 3000},
                                           TravelCase{"halotop", Dial::left, 2700},
                                           TravelCase{"halotop", Dial::right, 1300}),
                         travel_name);

}  // namespace
}  // namespace twin_needle_test
