// Which parts of the panel take clicks, and with which cursor.
#include "qp48_panel.h"

namespace efdisplay_qp48_test {
namespace {

struct Control {
    Spot spot;
    int32_t cursor;
};

std::ostream& operator<<(std::ostream& out, const Control& c) { return out << c.spot.name; }

class Qp48Control : public Qp48Panel, public ::testing::WithParamInterface<Control> {};

TEST_P(Qp48Control, ShowsItsCursorOverTheControl) {
    const panel_host::HoverInfo info = host_.hover(panel_, GetParam().spot.x, GetParam().spot.y);
    EXPECT_TRUE(info.over_area);
    EXPECT_EQ(info.cursor, GetParam().cursor);
}

TEST_P(Qp48Control, TakesNoRightClick) {
    const Spot& spot = GetParam().spot;
    host_.mouse_press(panel_, spot.x, spot.y, panel_host::MouseButton::right);
    host_.mouse_release();
    EXPECT_TRUE(take_events().empty());
    EXPECT_EQ(stepped_vor(), 1) << "a right click stepped the navigation source";
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Qp48Control,
    ::testing::Values(Control{kNavButton, panel_abi::kCursorPush},
                      Control{kDirCentre, panel_abi::kCursorPush},
                      Control{kSingleArrowButton, panel_abi::kCursorPush},
                      Control{kDoubleArrowButton, panel_abi::kCursorPush},
                      Control{kSyncCentre, panel_abi::kCursorPush},
                      Control{kTstRefKnob, panel_abi::kCursorPush},
                      Control{kDirLeft, panel_abi::kCursorDecrease},
                      Control{kDirRight, panel_abi::kCursorIncrease},
                      Control{kSyncLeft, panel_abi::kCursorDecrease},
                      Control{kSyncRight, panel_abi::kCursorIncrease}),
    [](const auto& info) { return test_name(info.param.spot); });

TEST_F(Qp48Panel, PaintedOnlyControlsTakeNoClicks) {
    for (const Spot& spot :
         {kHsiButton, kArcButton, kRingUpButton, kOneTwoButton, kRingDownButton, kBrtKnob}) {
        EXPECT_FALSE(host_.hover(panel_, spot.x, spot.y).over_area) << spot.name;
        press(spot);
        EXPECT_TRUE(take_events().empty()) << spot.name;
    }
    EXPECT_EQ(stepped_vor(), 1) << "a painted control stepped the navigation source";
}

}  // namespace
}  // namespace efdisplay_qp48_test
