// The page title, page value and mode legend are rebuilt only when the tick count reaches
// their next refresh tick (9, 6 and 18 ticks after the last rebuild) or goes back by more than
// a set number of ticks (9, 9 and 18 below that next refresh tick). To see whether a frame
// rebuilt a text, the test marks the text buffer after each frame: a rebuild overwrites the
// mark, a skipped rebuild leaves it.
#include <cstring>

#include "xpndr_panel.h"

namespace navstack_xpndr_test {
namespace {

struct ThrottledText {
    Text text;
    const char* rebuilt;  // the text a rebuild writes in these tests
    double period;
    double back_step;
    bool rebuilds_again_at_tick_0;  // the period is below the back-step limit
};

std::ostream& operator<<(std::ostream& out, const ThrottledText& t) { return out << t.text; }

constexpr const char* kMark = "#";

class XpndrThrottle : public XpndrPanel, public ::testing::WithParamInterface<ThrottledText> {
protected:
    // Run one frame at the tick and say whether it rebuilt the text.
    bool rebuilt_at(double tick) {
        char* text = buffer(GetParam().text);
        if (text == nullptr) {
            ADD_FAILURE() << "no buffer";
            return false;
        }
        std::strcpy(text, kMark);
        set_tick(tick);
        frame();
        const std::string& now = shown(GetParam().text);
        EXPECT_TRUE(now == kMark || now == GetParam().rebuilt) << "tick " << tick << ": " << now;
        return now == GetParam().rebuilt;
    }
};

TEST_P(XpndrThrottle, RebuildsOnceEveryPeriod) {
    const double period = GetParam().period;
    ASSERT_TRUE(rebuilt_at(1000));
    for (double tick = 1001; tick <= 1000 + 3 * period; ++tick) {
        const bool due = static_cast<int>(tick - 1000) % static_cast<int>(period) == 0;
        EXPECT_EQ(rebuilt_at(tick), due) << "tick " << tick;
    }
}

TEST_P(XpndrThrottle, AConstantTickLeavesTheTextAsItIs) {
    ASSERT_TRUE(rebuilt_at(1000));
    set_altitude(9000);
    for (int i = 0; i < 30; ++i) EXPECT_FALSE(rebuilt_at(1000)) << "frame " << i;
}

TEST_P(XpndrThrottle, ATickGoingBackBeyondTheLimitRebuildsAtOnce) {
    const ThrottledText& t = GetParam();
    ASSERT_TRUE(rebuilt_at(1000));  // the next refresh tick is now 1000 + period
    const double limit = 1000 + t.period - t.back_step;
    EXPECT_FALSE(rebuilt_at(limit)) << "back to the limit";
    EXPECT_TRUE(rebuilt_at(limit - 1)) << "one tick beyond it";
}

TEST_P(XpndrThrottle, ALargeDropRebuildsAtOnce) {
    ASSERT_TRUE(rebuilt_at(1000));
    EXPECT_TRUE(rebuilt_at(500));
    EXPECT_FALSE(rebuilt_at(501));
}

// The fixture's first frame ran at tick 0. While the next refresh tick is below the back-step
// limit, the limit wraps below zero and every tick is due.
TEST_P(XpndrThrottle, AtTheStartOfTheCountTheLimitWraps) {
    EXPECT_EQ(rebuilt_at(0), GetParam().rebuilds_again_at_tick_0);
}

INSTANTIATE_TEST_SUITE_P(Texts, XpndrThrottle,
                         ::testing::Values(ThrottledText{Text::page_title, "PRESSURE ALT", 9, 9, false},
                                           ThrottledText{Text::page_value, "FL 000", 6, 9, true},
                                           ThrottledText{Text::mode_legend, "ALT", 18, 18, false}),
                         [](const auto& info) {
                             std::string name = text_name(info.param.text);
                             name.erase(name.find(' '), 1);
                             return name;
                         });

// The code is rebuilt every frame, whatever the tick count.
TEST_F(XpndrPanel, TheCodeIsNotThrottled) {
    set_code(0x2345);
    ASSERT_NE(buffer(Text::code), nullptr);
    for (int i = 0; i < 3; ++i) {
        std::strcpy(buffer(Text::code), kMark);
        frame();
        EXPECT_EQ(shown(Text::code), "2345") << "frame " << i;
    }
}

}  // namespace
}  // namespace navstack_xpndr_test
