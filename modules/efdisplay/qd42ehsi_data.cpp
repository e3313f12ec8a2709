// qd42ehsi's static data: header and element chain. It has no mouse areas.
#include "module_hooks.h"
#include "qd42ehsi.h"
#include "situation_elements.h"

namespace efdisplay {

using namespace panel_abi;

namespace {

constexpr situation::Layout kLayout = {
    .gauge = &qd42ehsi_gauge.header,
    .background_id = 16384,
    .shift_down = 0,
    .card_failures = situation::kCompassCardFailures,
};

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

}  // namespace

constinit GaugeHeaderLater qd42ehsi_gauge = {
    .header = {.version = kHeaderVersion2bc,
               .name = "qd42ehsi",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 432,
               .mouse_list = nullptr,
               .gauge_callback = nullptr},
};

}  // namespace efdisplay
