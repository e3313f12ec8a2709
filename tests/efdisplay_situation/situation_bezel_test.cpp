// qd41cdu against qd42ehsi: the same display 10 pixels lower with its own pictures, its own
// failure list on the compass card, and the bezel controls.
#include "situation_panel.h"

namespace efdisplay_test {
namespace {

using panel_host::ElementState;

TEST_F(SituationPanel, BezelDisplayIsTheSameDisplayTenPixelsLowerWithItsOwnPictures) {
    for (int depth = 0; depth < kPartCount; ++depth) {
        SCOPED_TRACE(depth);
        const panel_abi::Element& ehsi = *part(static_cast<Part>(depth)).element;
        const panel_abi::Element& cdu = *part(static_cast<Part>(depth), cdu_).element;
        const int shift = depth == kBackground ? 0 : 10;
        EXPECT_EQ(cdu.kind, ehsi.kind);
        EXPECT_EQ(cdu.position.x, ehsi.position.x);
        EXPECT_EQ(cdu.position.y, ehsi.position.y + shift);
        // Only the sprite's offset is a point of the gauge; a needle's lies in its picture.
        const int offset_shift = depth == kDeviationBar ? 10 : 0;
        EXPECT_EQ(cdu.offset.x, ehsi.offset.x);
        EXPECT_EQ(cdu.offset.y, ehsi.offset.y + offset_shift);
        EXPECT_EQ(cdu.image_flags, ehsi.image_flags);
        if (depth == kBackground)
            EXPECT_EQ(cdu.image_id, 4096);
        else if (ehsi.image_id != panel_abi::kNoImage)
            EXPECT_EQ(cdu.image_id, ehsi.image_id - 12288);
        else
            EXPECT_EQ(cdu.image_id, panel_abi::kNoImage);
    }
}

struct FailureCase {
    uint32_t key;
    bool ehsi_card_fails;
    bool cdu_card_fails;
    bool screens_fail;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
    return out << "failure key " << c.key;
}

class SituationFailure : public SituationPanel,
                         public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SituationFailure, BlanksTheScreenButNeverTheBezel) {
    const FailureCase& c = GetParam();
    host_.set_failure(c.key, true);
    frame();
    EXPECT_TRUE(part(kBackground).drawn);
    EXPECT_TRUE(part(kBackground, cdu_).drawn);
    EXPECT_EQ(part(kCompassCard).failed, c.ehsi_card_fails);
    EXPECT_EQ(part(kCompassCard, cdu_).failed, c.cdu_card_fails);
    for (Part screen_part : {kCoursePointer, kHeadingReadout, kAnnunciator}) {
        EXPECT_EQ(part(screen_part).failed, c.screens_fail) << screen_part;
        EXPECT_EQ(part(screen_part, cdu_).failed, c.screens_fail) << screen_part;
    }
    host_.set_failure(c.key, false);
    frame();
    EXPECT_FALSE(part(kCompassCard).failed);
    EXPECT_TRUE(part(kCompassCard).drawn);
}

INSTANTIATE_TEST_SUITE_P(Cases, SituationFailure,
                         ::testing::Values(FailureCase{0x14, true, true, true},
                                           FailureCase{0x15, true, true, true},
                                           FailureCase{5, true, false, false},
                                           FailureCase{6, false, false, false}));

// Everything both displays show, to see that a click changed nothing.
std::vector<std::string> snapshot(const panel_host::PanelHost& host,
                                  std::initializer_list<panel_host::InstanceId> displays) {
    std::vector<std::string> shown;
    for (panel_host::InstanceId display : displays)
        for (const ElementState& state : host.elements(display))
            shown.push_back(state.text + "|" + std::to_string(state.value) + "|" +
                            std::to_string(state.icon_case) + "|" +
                            std::to_string(state.hidden) + "|" +
                            std::to_string(state.sprite_x));
    return shown;
}

class SituationInertButton : public SituationPanel, public ::testing::WithParamInterface<Spot> {};

TEST_P(SituationInertButton, ChangesNoDisplayAndSendsNothing) {
    set(kVor1Flags, kGlideslopeBit | kLocalizerBit);
    set(kGpsGroundSpeed, 20.0);
    select_bearing1(kVor1);
    const auto before = snapshot(host_, {ehsi_, cdu_});
    take_events();
    press(GetParam());
    frame();
    EXPECT_EQ(snapshot(host_, {ehsi_, cdu_}), before);
    EXPECT_TRUE(take_events().empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, SituationInertButton,
                         ::testing::Values(kHsiButton, kArcButton, kOneTwoButton,
                                           kBrightnessKnob),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(SituationPanel, HsiAndArcButtonsTakeTheClickWithAHand) {
    for (const Spot& spot : {kHsiButton, kArcButton}) {
        const panel_host::HoverInfo over = host_.hover(cdu_, spot.x, spot.y);
        EXPECT_TRUE(over.over_area) << spot.name;
        EXPECT_EQ(over.cursor, panel_abi::kCursorPush) << spot.name;
    }
    EXPECT_FALSE(host_.hover(cdu_, kOneTwoButton.x, kOneTwoButton.y).over_area);
}

// The bezel controls that send key events: the knob halves step, the triangles send their
// own events, and the knob centres send the course and heading they compute.
struct KeyCase {
    Spot spot;
    int source;
    Events sent;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.spot.name << " with " << source_name(c.source);
}

class SituationBezelKey : public SituationPanel, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SituationBezelKey, SendsItsKeyEvents) {
    set(kHeading, 20.0);
    set(kVor1Bearing, 350.2);
    set(kVor2Bearing, 10.0);
    select_navigation(GetParam().source);  // refreshes the heading through the compass card
    take_events();
    press(GetParam().spot);
    EXPECT_EQ(take_events(), GetParam().sent);
}

constexpr Spot kDirCentre{"DIR centre", 50, 378};
constexpr Spot kDirLeft{"DIR left", 13, 380};
constexpr Spot kDirRight{"DIR right", 86, 380};
constexpr Spot kSyncCentre{"SYNC centre", 377, 378};

INSTANTIATE_TEST_SUITE_P(
    Cases, SituationBezelKey,
    ::testing::Values(KeyCase{kUpTriangle, kVor1, {{0x10311, 0}}},
                      KeyCase{kDownTriangle, kVor1, {{0x10312, 0}}},
                      KeyCase{kSyncLeft, kVor1, {{0x10158, 0}}},
                      KeyCase{kSyncRight, kVor1, {{0x10157, 0}}},
                      KeyCase{kSyncCentre, kVor1, {{0x101fa, 20}}},
                      KeyCase{kDirLeft, kVor1, {{0x1007e, 0}}},
                      KeyCase{kDirRight, kVor1, {{0x1007f, 0}}},
                      KeyCase{kDirLeft, kVor2, {{0x10080, 0}}},
                      KeyCase{kDirRight, kVor2, {{0x10081, 0}}},
                      // 350.2 + 20 + 1 = 371.2: 371, less 360.
                      KeyCase{kDirCentre, kVor1, {{0x100b4, 11}}},
                      KeyCase{kDirCentre, kVor2, {{0x100b5, 31}}}));

}  // namespace
}  // namespace efdisplay_test
