// What the displays show straight after the module loads, before any selection is made.
#include "situation_panel.h"

namespace efdisplay_test {
namespace {

TEST_F(SituationPanel, StartsOnVor1WithBearingsOffAndGroundSpeedShown) {
    set(kGpsGroundSpeed, 51.44);  // 99.99936 kt
    frame();
    for (panel_host::InstanceId display : {ehsi_, cdu_}) {
        SCOPED_TRACE(display == ehsi_ ? "qd42ehsi" : "qd41cdu");
        EXPECT_EQ(part(kAnnunciator, display).icon_case, 0) << "VOR 1";
        EXPECT_TRUE(part(kBearing1Pointer, display).hidden);
        EXPECT_TRUE(part(kBearing2Pointer, display).hidden);
        EXPECT_EQ(part(kBearing1Label, display).text, "    ");
        EXPECT_EQ(part(kBearing2Label, display).text, "    ");
        EXPECT_EQ(part(kBearing1Distance, display).text, "      ");
        EXPECT_EQ(part(kBearing2Distance, display).text, "      ");
        EXPECT_EQ(part(kSpeedTimeReadout, display).text, " 99 KT");
    }
}

TEST_F(SituationPanel, StartsOnLoc1WhenTheVor1ReceiverHasALocalizer) {
    set(kVor1Flags, kLocalizerBit);
    frame();
    EXPECT_EQ(part(kAnnunciator).icon_case, 1);
    EXPECT_EQ(part(kAnnunciator, cdu_).icon_case, 1);
}

// Every picture each display names is in the module, so every element can be drawn.
TEST_F(SituationPanel, EveryPictureIsDrawnWhenItsRuleShowsIt) {
    set(kVor1Flags, kGlideslopeBit);
    select_bearing1(kVor1);
    select_bearing2(kVor2);
    for (panel_host::InstanceId display : {ehsi_, cdu_}) {
        SCOPED_TRACE(display == ehsi_ ? "qd42ehsi" : "qd41cdu");
        for (int depth = 0; depth < kPartCount; ++depth)
            EXPECT_TRUE(part(static_cast<Part>(depth), display).drawn) << "element " << depth;
    }
    EXPECT_EQ(host_.design_size(ehsi_).width, 432);
    EXPECT_EQ(host_.design_size(cdu_).height, 432);
}

}  // namespace
}  // namespace efdisplay_test
