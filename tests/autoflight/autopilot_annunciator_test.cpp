// The mode annunciations: RDY follows the master alone; the simulator's modes light only
// with the master engaged; ALT and VS show this panel's own vertical modes.
#include "autopilot_panel.h"

namespace autoflight_test {
namespace {

// A legend lit by its own simulator token being 1.
struct ModeLegend {
    Legend legend;
    uint32_t token;
};

std::ostream& operator<<(std::ostream& out, const ModeLegend& m) { return out << m.legend; }

class AutopilotModeLegend : public AutopilotPanel,
                            public ::testing::WithParamInterface<ModeLegend> {};

TEST_P(AutopilotModeLegend, LitOnlyByOneWithTheMasterEngaged) {
    struct ValueCase {
        double master;
        double own;
        bool lit;
    };
    // The case is the own value less one, truncated by the host: 0.5 gives case -0.5,
    // which truncates to case 0 and lights the legend like 1 does.
    const ValueCase cases[] = {
        {1, 0, false}, {1, 1, true},  {1, 2, false},  {1, 0.5, true}, {1, -1, false},
        {0, 1, false}, {2, 1, false}, {0.5, 1, false}, {1.9, 1, true},
    };
    for (const ValueCase& c : cases) {
        set(kMaster, c.master);
        set(GetParam().token, c.own);
        frame();  // one frame: HDG refreshes the master before the later legends read it
        EXPECT_EQ(lit(GetParam().legend), c.lit) << "master " << c.master << ", own " << c.own;
        EXPECT_FALSE(lit(Legend::rdy) && lit(GetParam().legend));
    }
}

INSTANTIATE_TEST_SUITE_P(Legends, AutopilotModeLegend,
                         ::testing::Values(ModeLegend{Legend::hdg, 0x6a},
                                           ModeLegend{Legend::nav, 0x69},
                                           ModeLegend{Legend::apr, 0x70},
                                           ModeLegend{Legend::rev, 0x71},
                                           ModeLegend{Legend::gs, 0x6f},
                                           ModeLegend{Legend::gpss, 0x350}),
                         [](const auto& info) { return std::string(legend_name(info.param.legend)); });

TEST_F(AutopilotPanel, ReadyLitWheneverTheMasterIsNotOne) {
    struct MasterCase {
        double master;
        bool ready;
    };
    const MasterCase cases[] = {{0, true},    {1, false}, {0.5, true}, {1.7, false},
                                {2, true},    {-1, true}, {0.999, true}};
    for (const MasterCase& c : cases) {
        set(kMaster, c.master);
        frame();
        EXPECT_EQ(lit(Legend::rdy), c.ready) << "master " << c.master;
    }
}

TEST_F(AutopilotPanel, MasterOffShowsReadyAloneWhateverTheModes) {
    for (uint32_t token : {0x6aU, 0x69U, 0x70U, 0x71U, 0x6cU, 0x6fU, 0x350U, 0x77U}) set(token, 1);
    set(kAltitude, 5000);
    press(kAltButton);
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{Legend::rdy});
}

TEST_F(AutopilotPanel, SimulatorAltitudeAndVerticalSpeedModesDoNotLightAltOrVs) {
    set(kMaster, 1);
    set(0x6c, 1);  // the simulator's altitude hold
    set(0x77, 1);  // the simulator's vertical speed hold
    frame();
    EXPECT_TRUE(lit_legends().empty());

    set(kAltitude, 5000);
    press(kAltButton);
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{Legend::alt});
}

TEST_F(AutopilotPanel, AnnunciationsFollowTheMasterInTheFrameItChanges) {
    set(0x69, 1);
    set(kMaster, 1);
    frame();
    EXPECT_TRUE(lit(Legend::nav));
    set(kMaster, 0);
    frame();
    EXPECT_FALSE(lit(Legend::nav));
    EXPECT_TRUE(lit(Legend::rdy));
}

TEST_F(AutopilotPanel, VerticalModeReappearsWhenTheMasterComesBack) {
    set(kMaster, 1);
    set_vertical_speed_fpm(700);
    press(kVsButton);
    frame();
    EXPECT_TRUE(lit(Legend::vs));

    set(kMaster, 0);
    frame();
    EXPECT_FALSE(lit(Legend::vs));

    set(kMaster, 1);
    frame();
    EXPECT_TRUE(lit(Legend::vs));
    take_events();
    press(kVsButton);  // the flag survived: this press disengages
    EXPECT_EQ(take_events(), disengage_events());
}

class AutopilotWindowFailure : public AutopilotPanel,
                               public ::testing::WithParamInterface<uint32_t> {};

TEST_P(AutopilotWindowFailure, BlanksTheWindowButTheButtonsStillWork) {
    set(kMaster, 1);
    set(0x6a, 1);
    set(kAltitude, 6200);
    host_.set_failure(GetParam(), true);
    frame();

    const auto& elements = host_.elements(autopilot_);
    ASSERT_EQ(elements.size(), 11u);
    EXPECT_TRUE(elements[0].drawn) << "the face stays";
    for (size_t i = 1; i < elements.size(); ++i) {
        EXPECT_TRUE(elements[i].failed) << "element " << i;
        EXPECT_FALSE(elements[i].drawn) << "element " << i;
    }

    press(kHdgButton);
    press(kAltButton);
    Events expected{{0x10106, 0}};
    for (const Sent& sent : engage_events(0, 6200)) expected.push_back(sent);
    EXPECT_EQ(take_events(), expected);

    host_.set_failure(GetParam(), false);
    frame();
    EXPECT_TRUE(legend(Legend::alt).drawn);
    EXPECT_TRUE(lit(Legend::alt)) << "ALT engaged during the failure";
    EXPECT_TRUE(legend(Legend::hdg).drawn);
    EXPECT_TRUE(readout().drawn);
}

INSTANTIATE_TEST_SUITE_P(Keys, AutopilotWindowFailure, ::testing::Values(0x14u, 0x15u),
                         [](const auto& info) { return "key_" + std::to_string(info.param); });

TEST_F(AutopilotPanel, OtherFailuresLeaveTheWindowDrawn) {
    host_.set_failure(0x13, true);
    host_.set_failure(0x16, true);
    frame();
    EXPECT_TRUE(readout().drawn);
    EXPECT_TRUE(legend(Legend::rdy).drawn);
}

}  // namespace
}  // namespace autoflight_test
