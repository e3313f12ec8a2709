// The attitude sphere and the bank scale follow their own variables with no callback; the
// display has no controls; electrical failures blank the screen but not the bezel.
#include "eadi_panel.h"

namespace efdisplay_test {
namespace {

TEST_F(EadiPanel, SphereMovesFourPixelsPerDegreeOfPitchAndTurnsAgainstTheBank) {
    set(kPitchSphere, 5.0);
    set(kBank, 30.0);
    frame();
    const auto& sphere = item(Item::sphere);
    EXPECT_DOUBLE_EQ(sphere.sprite_x, 0.0);
    EXPECT_DOUBLE_EQ(sphere.sprite_y, 20.0);
    EXPECT_DOUBLE_EQ(sphere.sprite_rotation, -30.0);
    EXPECT_TRUE(sphere.drawn);
}

TEST_F(EadiPanel, BankScaleTurnsClockwiseByItsBankVariable) {
    set(kBankScale, 15.0);
    frame();
    EXPECT_DOUBLE_EQ(item(Item::bank_scale).needle_angle, 15.0);
    set(kBankScale, -20.0);
    frame();
    EXPECT_DOUBLE_EQ(item(Item::bank_scale).needle_angle, -20.0);
}

TEST_F(EadiPanel, ElectricalFailuresBlankEverythingButTheBezel) {
    for (uint32_t key : {0x14u, 0x15u}) {
        host_.set_failure(key, true);
        frame();
        const auto& states = host_.elements(eadi_);
        EXPECT_FALSE(states[0].failed) << "key " << key;
        EXPECT_TRUE(states[0].drawn) << "key " << key;
        for (size_t i = 1; i < states.size(); ++i) {
            EXPECT_TRUE(states[i].failed) << "key " << key << " element " << i;
            EXPECT_FALSE(states[i].drawn) << "key " << key << " element " << i;
        }
        host_.set_failure(key, false);
    }
    frame();
    EXPECT_TRUE(item(Item::sphere).drawn);
}

TEST_F(EadiPanel, OtherFailuresLeaveTheScreenLit) {
    host_.set_failure(5, true);
    frame();
    for (const auto& state : host_.elements(eadi_)) EXPECT_FALSE(state.failed);
}

TEST_F(EadiPanel, TakesNoClicks) {
    const int spots[][2] = {{0, 0}, {216, 196}, {229, 54}, {350, 60}, {431, 431}};
    for (const auto& spot : spots) {
        EXPECT_FALSE(host_.hover(eadi_, spot[0], spot[1]).over_area) << spot[0] << "," << spot[1];
        host_.mouse_press(eadi_, spot[0], spot[1], panel_host::MouseButton::left);
        host_.mouse_release();
        host_.mouse_press(eadi_, spot[0], spot[1], panel_host::MouseButton::right);
        host_.mouse_release();
    }
    EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace efdisplay_test
