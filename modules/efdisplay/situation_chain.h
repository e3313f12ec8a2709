// The situation display's element chain, one template for both gauges that show it: each
// instantiation is the same chain laid out by its gauge's table of differences.
#pragma once

#include "situation_elements.h"
#include "situation_rules.h"

namespace efdisplay::situation {

template <const Layout& layout>
struct Chain {
    // Built last element first so that each one can name its successor.
    static inline constinit Icon annunciator =
        icon(layout, kAnnunciatorStep, {50, 140}, 6, navigation_source_case, nullptr);
    static inline constinit Element* bearing1_label_next[] = {&annunciator.header, nullptr};
    static inline constinit TextString bearing1_label =
        text(layout, kBearing1LabelReadout, bearing1_label_next);
    static inline constinit Element* bearing2_label_next[] = {&bearing1_label.header, nullptr};
    static inline constinit TextString bearing2_label =
        text(layout, kBearing2LabelReadout, bearing2_label_next);
    static inline constinit Element* bearing2_distance_next[] = {&bearing2_label.header, nullptr};
    static inline constinit TextString bearing2_distance =
        text(layout, kBearing2DistanceReadout, bearing2_distance_next);
    static inline constinit Element* bearing1_distance_next[] = {&bearing2_distance.header,
                                                                 nullptr};
    static inline constinit TextString bearing1_distance =
        text(layout, kBearing1DistanceReadout, bearing1_distance_next);
    static inline constinit Element* navigation_distance_next[] = {&bearing1_distance.header,
                                                                   nullptr};
    static inline constinit TextString navigation_distance =
        text(layout, kNavigationDistanceReadout, navigation_distance_next);
    static inline constinit Element* speed_time_next[] = {&navigation_distance.header, nullptr};
    static inline constinit TextString speed_time =
        text(layout, kSpeedTimeReadout, speed_time_next);
    static inline constinit Element* course_readout_next[] = {&speed_time.header, nullptr};
    static inline constinit TextString course_readout =
        text(layout, kCourseReadout, course_readout_next);
    static inline constinit Element* selected_heading_next[] = {&course_readout.header, nullptr};
    static inline constinit TextString selected_heading =
        text(layout, kSelectedHeadingReadout, selected_heading_next);
    static inline constinit Element* wind_speed_next[] = {&selected_heading.header, nullptr};
    static inline constinit TextString wind_speed =
        text(layout, kWindSpeedReadout, wind_speed_next);
    static inline constinit Element* heading_readout_next[] = {&wind_speed.header, nullptr};
    static inline constinit TextString heading_readout =
        text(layout, kHeadingReadout, heading_readout_next);
    static inline constinit Element* wind_arrow_next[] = {&heading_readout.header, nullptr};
    static inline constinit Needle wind_arrow =
        needle(layout, kWindArrowStep, {88, 95}, {15, 6}, 0x158, wind_arrow_value, wind_arrow_next);
    static inline constinit Element* glideslope_pointer_next[] = {&wind_arrow.header, nullptr};
    static inline constinit Slider glideslope_pointer_slider =
        situation::glideslope_pointer(layout, glideslope_pointer_next);
    static inline constinit Element* glideslope_scale_next[] = {&glideslope_pointer_slider.header,
                                                                nullptr};
    static inline constinit Icon glideslope_scale = icon(
        layout, kGlideslopeScaleStep, {330, 128}, 1, glideslope_scale_case, glideslope_scale_next);
    static inline constinit Element* heading_bug_next[] = {&glideslope_scale.header, nullptr};
    static inline constinit Needle heading_bug = needle(
        layout, kHeadingBugStep, kCentre, {-127, 16}, 0x6b, heading_bug_value, heading_bug_next);
    static inline constinit Element* bearing2_pointer_next[] = {&heading_bug.header, nullptr};
    static inline constinit Needle bearing2_pointer =
        needle(layout, kBearing2Step, kCentre, {126, 13}, 0x27, bearing2_pointer_value,
               bearing2_pointer_next);
    static inline constinit Element* bearing1_pointer_next[] = {&bearing2_pointer.header, nullptr};
    static inline constinit Needle bearing1_pointer =
        needle(layout, kBearing1Step, kCentre, {126, 13}, 0x3b, bearing1_pointer_value,
               bearing1_pointer_next);
    static inline constinit Element* course_pointer_next[] = {&bearing1_pointer.header, nullptr};
    static inline constinit Needle course_pointer = needle(
        layout, kCoursePointerStep, kCentre, {62, 125}, 0x356, course_value, course_pointer_next);
    static inline constinit Element* deviation_bar_next[] = {&course_pointer.header, nullptr};
    static inline constinit Sprite deviation_bar_sprite =
        situation::deviation_bar(layout, deviation_bar_next);
    static inline constinit Element* compass_card_next[] = {&deviation_bar_sprite.header, nullptr};
    static inline constinit Needle compass_card_needle =
        situation::compass_card(layout, compass_card_next);
    static inline constinit Element* background_next[] = {&compass_card_needle.header, nullptr};
    static inline constinit StaticImage background_image =
        situation::background(layout, background_next);

    static inline constinit Element* element_list[] = {&background_image.header};
};

}  // namespace efdisplay::situation
