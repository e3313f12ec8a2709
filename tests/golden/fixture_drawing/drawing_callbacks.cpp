// The drawing fixture's element callbacks: what each turns its token into.
#include <cstdio>

#include "drawing_gauge.h"
#include "panel_abi/numbers.h"

namespace fixture_drawing {

using namespace panel_abi;

namespace {

// The slider's travel, in track units.
constexpr double kTrackStart = 0.0;
constexpr double kTrackEnd = 20.0;

constexpr double kDegreesPerRadian = 57.29578;

}  // namespace

// The marker stays on its track: values beyond either end hold it there.
double GAUGE_CALL slider_x_on_track(Element* element) {
    const double value = reinterpret_cast<Slider*>(element)->x_source.value.number;
    if (value < kTrackStart) return kTrackStart;
    if (value > kTrackEnd) return kTrackEnd;
    return value;
}

// The token gives the turn in radians; the sprite turns by degrees.
double GAUGE_CALL sprite_rotation_degrees(Element* element) {
    return reinterpret_cast<Sprite*>(element)->rotation_source.value.number * kDegreesPerRadian;
}

// The token is the case as it is, in range or not.
double GAUGE_CALL icon_case(Element* element) {
    return reinterpret_cast<Icon*>(element)->source.value.number;
}

// The token as a whole number, however long; the element shows only its first characters.
double GAUGE_CALL number_text(Element* element) {
    auto* text = reinterpret_cast<TextString*>(element);
    if (text->buffer != nullptr)
        std::snprintf(text->buffer, kTextBufferBytes, "%d",
                      truncate_to_int(text->sources[0].value.number));
    return 0.0;
}

// Shows its icon (case 0) while the token is 1 and hides it otherwise, the way gauges show
// and hide elements: through the hidden image flag.
double GAUGE_CALL shown_by_switch(Element* element) {
    if (reinterpret_cast<Icon*>(element)->source.value.number == 1.0)
        element->image_flags &= ~kImageHidden;
    else
        element->image_flags |= kImageHidden;
    return 0.0;
}

}  // namespace fixture_drawing
