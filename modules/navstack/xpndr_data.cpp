// The transponder's static data: header, element tree and mouse list.
#include "module_hooks.h"
#include "panel_abi/mouse_list.h"
#include "xpndr.h"

namespace navstack {

using namespace panel_abi;

namespace {

using namespace xpndr;

constexpr uint32_t kFaceFlags = 0x1;
constexpr uint32_t kCodeFlags = 0x6;
constexpr uint32_t kDisplayTextFlags = 0x8006;

constexpr uint32_t kTickCount = 0x01;
constexpr uint32_t kTransponderCode = 0x26;

constexpr uint32_t kYellow = 0x00ffff;
constexpr uint32_t kOrange = 0x0080ff;
constexpr uint32_t kBlack = 0x000000;

constexpr int32_t kDisplayFontWeight = 500;
constexpr int32_t kCodeFontWeight = 700;
constexpr uint32_t kDefaultCharSet = 1;

// Key events the host sends from the areas over the code: step one digit up or down.
constexpr uint32_t kStepFirstDigitUp = 0x10073;
constexpr uint32_t kStepSecondDigitUp = 0x10074;
constexpr uint32_t kStepThirdDigitUp = 0x10075;
constexpr uint32_t kStepFourthDigitUp = 0x10076;
constexpr uint32_t kStepFirstDigitDown = 0x10397;
constexpr uint32_t kStepSecondDigitDown = 0x10398;
constexpr uint32_t kStepThirdDigitDown = 0x10399;
constexpr uint32_t kStepFourthDigitDown = 0x1039a;

constexpr uint32_t kCodeHelpId = 0xa70a;

// Electrical failures blank the texts; failure 0x11 is attached with no action.
const FailureRecord kTextFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x11, .action = kFailureActionNone, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// One sequence per digit of the code; the gauge never selects one.
const HighlightSequence kCodeDigitSequences[] = {
    {.sequence_id = 10, .first_char = 0, .last_char = 0},
    {.sequence_id = 11, .first_char = 1, .last_char = 1},
    {.sequence_id = 12, .first_char = 2, .last_char = 2},
    {.sequence_id = 13, .first_char = 3, .last_char = 3},
    {.sequence_id = 0, .first_char = 0, .last_char = 0},
};

constexpr GaugeHeader* kGauge = &xpndr_gauge.header;

struct TextLayout {
    Point position;
    ImageSize box;
    int32_t char_count;
};

// A yellow-on-black line of the display; the tick count drives its refresh throttle.
constexpr TextString display_text(TextLayout layout, ElementCallback callback) {
    return TextString{
        .header = {.kind = kTextString,
                   .image_id = kNoImage,
                   .position = layout.position,
                   .gauge = kGauge,
                   .failures = kTextFailures,
                   .image_flags = kDisplayTextFlags},
        .sources = {{.token = 0}, {.token = 0}, {.token = kTickCount}},
        .box = layout.box,
        .text_colour = kYellow,
        .background_colour = kBlack,
        .highlight_colour = kYellow,
        .font_name = "GLASS GAUGE",
        .font_weight = kDisplayFontWeight,
        .char_set = kDefaultCharSet,
        .format = kTextCentred,
        .char_count = layout.char_count,
        .highlights = nullptr,
        .wind_marker = 0,
        .callback = callback,
    };
}

constinit TextString code = {
    .header = {.kind = kTextString,
               .image_id = kNoImage,
               .position = {190, 33},
               .gauge = kGauge,
               .failures = kTextFailures,
               .image_flags = kCodeFlags},
    .sources = {{.token = kTransponderCode}, {.token = 0}, {.token = kTickCount}},
    .box = {96, 35},
    .text_colour = kYellow,
    .background_colour = kBlack,
    .highlight_colour = kOrange,
    .font_name = "Courier New",
    .font_weight = kCodeFontWeight,
    .char_set = kDefaultCharSet,
    .format = kTextCentred,
    .char_count = 4,
    .highlights = kCodeDigitSequences,
    .wind_marker = 0,
    .callback = code_text,
};

constinit TextString page_title =
    display_text({.position = {310, 34}, .box = {85, 13}, .char_count = 12}, page_title_text);
constinit TextString page_value =
    display_text({.position = {310, 50}, .box = {80, 18}, .char_count = 8}, page_value_text);
constinit TextString mode_legend =
    display_text({.position = {132, 42}, .box = {28, 14}, .char_count = 3}, mode_legend_text);

constinit Element* face_children[] = {
    &code.header, &page_title.header, &page_value.header, &mode_legend.header, nullptr,
};

constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = 8192,
               .position = {0, 0},
               .gauge = kGauge,
               .children = face_children,
               .failures = nullptr,
               .image_flags = kFaceFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&face.header};

constexpr MouseArea step_up(MouseBox box, uint32_t key_event) {
    return mouse_key_area(box, kCursorIncrease, kMouseLeftClick, key_event);
}
constexpr MouseArea step_down(MouseBox box, uint32_t key_event) {
    return mouse_key_area(box, kCursorDecrease, kMouseLeftClick, key_event);
}

constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    push_button({14, 53, 30, 24}, vfr_pressed),
    push_button({417, 21, 30, 24}, func_pressed),
    push_button({457, 52, 30, 24}, clr_pressed),
    push_button({15, 91, 30, 24}, digit_pressed<0>),
    push_button({60, 91, 30, 24}, digit_pressed<1>),
    push_button({104, 91, 30, 24}, digit_pressed<2>),
    push_button({148, 91, 30, 24}, digit_pressed<3>),
    push_button({192, 91, 30, 24}, digit_pressed<4>),
    push_button({247, 91, 30, 24}, digit_pressed<5>),
    push_button({291, 91, 30, 24}, digit_pressed<6>),
    push_button({336, 91, 30, 24}, digit_pressed<7>),
    // The code: the upper edge of each digit steps it up, the lower edge down.
    mouse_group({190, 33, 96, 30}, kCursorNone, kCodeHelpId),
    step_up({0, 0, 15, 10}, kStepFirstDigitUp),
    step_up({24, 0, 20, 10}, kStepSecondDigitUp),
    step_up({47, 0, 20, 10}, kStepThirdDigitUp),
    step_up({72, 0, 20, 10}, kStepFourthDigitUp),
    step_down({0, 20, 15, 10}, kStepFirstDigitDown),
    step_down({24, 20, 20, 10}, kStepSecondDigitDown),
    step_down({47, 20, 20, 10}, kStepThirdDigitDown),
    step_down({72, 20, 20, 10}, kStepFourthDigitDown),
    mouse_group_end(),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater xpndr_gauge = {
    .header = {.version = kHeaderVersion320,
               .name = "xpndr",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 500,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace navstack
