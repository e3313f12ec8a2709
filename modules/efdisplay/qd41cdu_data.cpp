// qd41cdu's static data: header, element chain (the situation display 10 pixels lower over
// the bezel with its controls) and the bezel's mouse list.
#include "display_actions.h"
#include "module_hooks.h"
#include "panel_abi/mouse_list.h"
#include "qd41cdu.h"
#include "situation_elements.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr situation::Layout kLayout = {
    .gauge = &qd41cdu_gauge.header,
    .background_id = 4096,
    .shift_down = 10,
    .card_failures = situation::kScreenFailures,
};

// Key events the triangle buttons carry in their own mouse records.
constexpr uint32_t kUpTriangleEvent = 0x10311;
constexpr uint32_t kDownTriangleEvent = 0x10312;

constexpr uint32_t kSteppingClick = kMouseLeftClick | kMouseRepeat;

// The element chain, built last element first so that each one can name its successor.
constinit Icon annunciator =
    situation::icon(kLayout, situation::kAnnunciatorStep, {50, 140}, 6,
                    navigation_source_case, nullptr);
constinit Element* bearing1_label_next[] = {&annunciator.header, nullptr};
constinit TextString bearing1_label =
    situation::text(kLayout, situation::kBearing1LabelReadout, bearing1_label_next);
constinit Element* bearing2_label_next[] = {&bearing1_label.header, nullptr};
constinit TextString bearing2_label =
    situation::text(kLayout, situation::kBearing2LabelReadout, bearing2_label_next);
constinit Element* bearing2_distance_next[] = {&bearing2_label.header, nullptr};
constinit TextString bearing2_distance =
    situation::text(kLayout, situation::kBearing2DistanceReadout, bearing2_distance_next);
constinit Element* bearing1_distance_next[] = {&bearing2_distance.header, nullptr};
constinit TextString bearing1_distance =
    situation::text(kLayout, situation::kBearing1DistanceReadout, bearing1_distance_next);
constinit Element* navigation_distance_next[] = {&bearing1_distance.header, nullptr};
constinit TextString navigation_distance =
    situation::text(kLayout, situation::kNavigationDistanceReadout, navigation_distance_next);
constinit Element* speed_time_next[] = {&navigation_distance.header, nullptr};
constinit TextString speed_time =
    situation::text(kLayout, situation::kSpeedTimeReadout, speed_time_next);
constinit Element* course_readout_next[] = {&speed_time.header, nullptr};
constinit TextString course_readout =
    situation::text(kLayout, situation::kCourseReadout, course_readout_next);
constinit Element* selected_heading_next[] = {&course_readout.header, nullptr};
constinit TextString selected_heading =
    situation::text(kLayout, situation::kSelectedHeadingReadout, selected_heading_next);
constinit Element* wind_speed_next[] = {&selected_heading.header, nullptr};
constinit TextString wind_speed =
    situation::text(kLayout, situation::kWindSpeedReadout, wind_speed_next);
constinit Element* heading_readout_next[] = {&wind_speed.header, nullptr};
constinit TextString heading_readout =
    situation::text(kLayout, situation::kHeadingReadout, heading_readout_next);
constinit Element* wind_arrow_next[] = {&heading_readout.header, nullptr};
constinit Needle wind_arrow =
    situation::needle(kLayout, situation::kWindArrowStep, {88, 95}, {15, 6}, 0x158,
                      wind_arrow_value, wind_arrow_next);
constinit Element* glideslope_pointer_next[] = {&wind_arrow.header, nullptr};
constinit Slider glideslope_pointer =
    situation::glideslope_pointer(kLayout, glideslope_pointer_next);
constinit Element* glideslope_scale_next[] = {&glideslope_pointer.header, nullptr};
constinit Icon glideslope_scale =
    situation::icon(kLayout, situation::kGlideslopeScaleStep, {330, 128}, 1,
                    glideslope_scale_case, glideslope_scale_next);
constinit Element* heading_bug_next[] = {&glideslope_scale.header, nullptr};
constinit Needle heading_bug =
    situation::needle(kLayout, situation::kHeadingBugStep, situation::kCentre, {-127, 16},
                      0x6b, heading_bug_value, heading_bug_next);
constinit Element* bearing2_pointer_next[] = {&heading_bug.header, nullptr};
constinit Needle bearing2_pointer =
    situation::needle(kLayout, situation::kBearing2Step, situation::kCentre, {126, 13}, 0x27,
                      bearing2_pointer_value, bearing2_pointer_next);
constinit Element* bearing1_pointer_next[] = {&bearing2_pointer.header, nullptr};
constinit Needle bearing1_pointer =
    situation::needle(kLayout, situation::kBearing1Step, situation::kCentre, {126, 13}, 0x3b,
                      bearing1_pointer_value, bearing1_pointer_next);
constinit Element* course_pointer_next[] = {&bearing1_pointer.header, nullptr};
constinit Needle course_pointer =
    situation::needle(kLayout, situation::kCoursePointerStep, situation::kCentre, {62, 125},
                      0x356, course_value, course_pointer_next);
constinit Element* deviation_bar_next[] = {&course_pointer.header, nullptr};
constinit Sprite deviation_bar = situation::deviation_bar(kLayout, deviation_bar_next);
constinit Element* compass_card_next[] = {&deviation_bar.header, nullptr};
constinit Needle compass_card = situation::compass_card(kLayout, compass_card_next);
constinit Element* background_next[] = {&compass_card.header, nullptr};
constinit StaticImage background = situation::background(kLayout, background_next);

constinit Element* element_list[] = {&background.header};

constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_handler_area({16, 197, 20, 40}, kCursorPush, kMouseLeftClick, next_navigation_source),
    // The centre of the DIR knob.
    mouse_handler_area({35, 363, 30, 30}, kCursorPush, kMouseLeftClick, course_direct),
    mouse_handler_area({114, 382, 40, 20}, kCursorPush, kMouseLeftClick, next_bearing1_source),
    mouse_handler_area({274, 382, 40, 20}, kCursorPush, kMouseLeftClick, next_bearing2_source),
    // The centre of the SYNC knob.
    mouse_handler_area({362, 363, 30, 30}, kCursorPush, kMouseLeftClick, sync_heading),
    // HSI and ARC.
    mouse_handler_area({16, 272, 20, 40}, kCursorPush, kMouseLeftClick,
                       presentation_button_pressed),
    mouse_handler_area({390, 272, 20, 40}, kCursorPush, kMouseLeftClick,
                       presentation_button_pressed),
    // The left and right halves of the DIR knob.
    mouse_handler_area({2, 350, 22, 60}, kCursorDecrease, kSteppingClick, course_down),
    mouse_handler_area({75, 350, 22, 60}, kCursorIncrease, kSteppingClick, course_up),
    // The TST/REF knob.
    mouse_handler_area({390, 70, 20, 20}, kCursorPush, kMouseLeftClick, toggle_speed_or_time),
    // The left and right halves of the SYNC knob.
    mouse_key_area({325, 350, 22, 60}, kCursorDecrease, kSteppingClick,
                   kSelectedHeadingDownEvent),
    mouse_key_area({406, 350, 22, 60}, kCursorIncrease, kSteppingClick,
                   kSelectedHeadingUpEvent),
    // The up and down triangle buttons.
    mouse_key_area({393, 120, 20, 40}, kCursorIncrease, kMouseLeftClick, kUpTriangleEvent),
    mouse_key_area({393, 196, 20, 40}, kCursorDecrease, kMouseLeftClick, kDownTriangleEvent),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater qd41cdu_gauge = {
    .header = {.version = kHeaderVersion2bc,
               .name = "qd41cdu",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 432,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace efdisplay
