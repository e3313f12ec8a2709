// Electrical failures blank every lamp and the marker strip but not the face; the buttons keep
// working and their lamps show again when the failure ends.
#include "audpnl_panel.h"

namespace navstack_audpnl_test {
namespace {

struct FailureCase {
    uint32_t key;
    bool blanks_the_lamps;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
    return out << "failure 0x" << std::hex << c.key;
}

class AudpnlFailure : public AudpnlPanel, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AudpnlFailure, BlanksTheLampsOrNotAndTheButtonsKeepWorking) {
    const bool blanked = GetParam().blanks_the_lamps;
    set(kCom1Selected, 1);
    set(kMarkerReceived, 2);
    host_.set_failure(GetParam().key, true);
    frame();
    const std::vector<panel_host::ElementState>& elements = host_.elements(audpnl_);
    ASSERT_EQ(elements.size(), 10u);
    EXPECT_FALSE(elements.front().failed) << "the face";
    EXPECT_TRUE(elements.front().drawn) << "the face";
    for (Lamp which : kAllLamps) EXPECT_EQ(lamp(which).failed, blanked) << which;
    EXPECT_EQ(marker_strip().failed, blanked);
    EXPECT_EQ(marker_strip().drawn, !blanked);
    EXPECT_EQ(lamp(Lamp::com1).drawn, !blanked);

    press(kNav2Button);
    press(kTestButton);
    EXPECT_EQ(take_events(), (Events{{kToggleNav2Ident, 0}}));
    host_.set_failure(GetParam().key, false);
    frame();
    EXPECT_EQ(lit_lamps(), (std::vector<Lamp>{Lamp::com1, Lamp::nav2}));
    EXPECT_EQ(marker_shown(), Marker::outer);
    for (Lamp which : {Lamp::com1, Lamp::nav2}) EXPECT_TRUE(lamp(which).drawn) << which;
}

INSTANTIATE_TEST_SUITE_P(Keys, AudpnlFailure,
                         ::testing::Values(FailureCase{0x14, true}, FailureCase{0x15, true},
                                           FailureCase{0x11, false}));

}  // namespace
}  // namespace navstack_audpnl_test
