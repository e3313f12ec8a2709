// The COM1, COM2, COM 1/2 and MKR MUTE lamps follow the simulator's selections; selecting the
// COM 1/2 split darkens COM1 and COM2 whatever their own selections. The NAV1, NAV2, DME and
// ADF lamps follow this panel's own flags only.
#include "audpnl_panel.h"

namespace navstack_audpnl_test {
namespace {

struct Selection {
    double com1;
    double com2;
    double split;
    double marker_audio;
    std::vector<Lamp> lit;
};

std::ostream& operator<<(std::ostream& out, const Selection& s) {
    return out << "COM1 " << s.com1 << ", COM2 " << s.com2 << ", split " << s.split
               << ", marker audio " << s.marker_audio;
}

class AudpnlSelection : public AudpnlPanel, public ::testing::WithParamInterface<Selection> {};

TEST_P(AudpnlSelection, LightsTheSelectedLamps) {
    const Selection& s = GetParam();
    set(kCom1Selected, s.com1);
    set(kCom2Selected, s.com2);
    set(kComSplit, s.split);
    set(kMarkerAudio, s.marker_audio);
    frame();
    EXPECT_EQ(lit_lamps(), s.lit);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, AudpnlSelection,
    ::testing::Values(Selection{0, 0, 0, 0, {}}, Selection{1, 0, 0, 0, {Lamp::com1}},
                      Selection{0, 1, 0, 0, {Lamp::com2}},
                      Selection{1, 1, 0, 0, {Lamp::com1, Lamp::com2}},
                      Selection{1, 0, 1, 0, {Lamp::com_split}},
                      Selection{0, 1, 1, 0, {Lamp::com_split}},
                      Selection{1, 1, 1, 1, {Lamp::com_split, Lamp::marker_mute}},
                      Selection{0, 0, 1, 0, {Lamp::com_split}},
                      Selection{0, 0, 0, 1, {Lamp::marker_mute}},
                      // Only exactly 1.0 counts as the split; 2 lights nothing either.
                      Selection{1, 1, 2, 0, {Lamp::com1, Lamp::com2}},
                      Selection{2, 0, 0, 2, {}}));

// The split darkens COM1 and COM2 in the same frame the split lamp lights.
TEST_F(AudpnlPanel, SelectingTheSplitDarkensCom1AndLightsTheSplitLamp) {
    set(kCom1Selected, 1);
    set(kComSplit, 0);
    frame();
    EXPECT_EQ(lit_lamps(), (std::vector<Lamp>{Lamp::com1}));
    set(kComSplit, 1);
    frame();
    EXPECT_EQ(lit_lamps(), (std::vector<Lamp>{Lamp::com_split}));
    set(kComSplit, 0);
    frame();
    EXPECT_EQ(lit_lamps(), (std::vector<Lamp>{Lamp::com1}));
}

// The tokens the NAV1, NAV2, DME and ADF lamps carry do not light them.
TEST_F(AudpnlPanel, AudioLampsIgnoreTheirOwnTokens) {
    for (uint32_t token : {0x1au, 0x1du, 0x21u, 0x15u}) set(token, 1);
    frame();
    EXPECT_TRUE(lit_lamps().empty());
}

}  // namespace
}  // namespace navstack_audpnl_test
