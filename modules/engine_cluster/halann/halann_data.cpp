// The readout's static data: header, face, the chain of eight lines and the mouse list that
// gives the whole gauge its tooltip.
#include "halann.h"
#include "panel_abi/mouse_list.h"
#include "panel_abi/routine_hooks.h"

namespace halann {

using namespace panel_abi;

namespace {

constexpr uint32_t kFaceFlags = 0x4001;
constexpr uint32_t kLineFlags = 0x4002;

// Every line's box: 195 × 36 pixels on a grey panel of the face, the panel's grey behind
// white text.
constexpr ImageSize kLineBox = {195, 36};
constexpr uint32_t kWhite = 0xffffff;
constexpr uint32_t kPanelGrey = 0x414141;
constexpr uint32_t kHighlightGrey = 0x5c5c5c;
constexpr int32_t kLineCharacters = 8;

// The simulator's tick count; every line names it as its third source but never reads it.
constexpr uint32_t kTickCount = 0x01;
constexpr uint32_t kNoToken = 0;

// The host's tooltip for the whole readout.
constexpr uint32_t kReadoutHelpId = 0xa40f;

constexpr GaugeHeader* kGauge = &halann_gauge;

constexpr TextString readout_line(Point position, uint32_t value_token, uint32_t second_token,
                                  TextVariableCallback callback, Element** children) {
    return TextString{
        .header = {.kind = kTextString,
                   .image_id = kNoImage,
                   .position = position,
                   .gauge = kGauge,
                   .children = children,
                   .failures = nullptr,
                   .image_flags = kLineFlags},
        .sources = {{.token = value_token}, {.token = second_token}, {.token = kTickCount}},
        .variable_callback = callback,
        .box = kLineBox,
        .text_colour = kWhite,
        .background_colour = kPanelGrey,
        .highlight_colour = kHighlightGrey,
        .font_name = "Courier New",
        .font_weight = 400,
        .char_set = 1,
        .format = kTextCentred,
        .char_count = kLineCharacters,
        .highlights = nullptr,
        .wind_marker = 0,
    };
}

// Each element's child list names the next line down the chain.
constinit Element* face_children[] = {&manifold_pressure_line.header, nullptr};
constinit Element* after_manifold_pressure[] = {&turbine_inlet_line.header, nullptr};
constinit Element* after_turbine_inlet[] = {&oil_temperature_line.header, nullptr};
constinit Element* after_oil_temperature[] = {&cylinder_head_line.header, nullptr};
constinit Element* after_cylinder_head[] = {&engine_speed_line.header, nullptr};
constinit Element* after_engine_speed[] = {&fuel_flow_line.header, nullptr};
constinit Element* after_fuel_flow[] = {&oil_pressure_line.header, nullptr};
constinit Element* after_oil_pressure[] = {&suction_line.header, nullptr};

constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = 4096,
               .position = {0, 0},
               .gauge = kGauge,
               .children = face_children,
               .failures = nullptr,
               .image_flags = kFaceFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&face.header};

// No areas: one group over the whole gauge, only for its tooltip.
constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}, kCursorNone, kReadoutHelpId),
    mouse_group_end(),
    mouse_list_end(),
};

using Hooks = MouseListHooks<&halann_gauge, mouse_list>;

}  // namespace

// Left column: manifold pressure, turbine inlet, oil and cylinder head temperatures.
constinit TextString manifold_pressure_line =
    readout_line({82, 72}, 0x98, kNoToken, manifold_pressure_text, after_manifold_pressure);
constinit TextString turbine_inlet_line =
    readout_line({82, 110}, 0x19e, kNoToken, turbine_inlet_text, after_turbine_inlet);
constinit TextString oil_temperature_line =
    readout_line({82, 148}, 0x1a0, kNoToken, oil_temperature_text, after_oil_temperature);
constinit TextString cylinder_head_line =
    readout_line({82, 186}, 0x92, kNoToken, cylinder_head_text, after_cylinder_head);

// Right column: engine speed and fuel flow (each with its second source), oil pressure and
// suction.
constinit TextString engine_speed_line =
    readout_line({363, 72}, 0x87, 0x9a, engine_speed_text, after_engine_speed);
constinit TextString fuel_flow_line =
    readout_line({363, 110}, 0x1a5, 0x132, fuel_flow_text, after_fuel_flow);
constinit TextString oil_pressure_line =
    readout_line({363, 148}, 0x94, kNoToken, oil_pressure_text, after_oil_pressure);
constinit TextString suction_line =
    readout_line({363, 186}, 0x161, kNoToken, suction_text, nullptr);

constinit GaugeHeader halann_gauge = {
    .version = kHeaderVersion262,
    .name = "halann",
    .element_list = element_list,
    .hooks = Hooks::hooks,
    .reserved = 0,
    .default_width_mm = 100,
    .mouse_list = nullptr,
    .gauge_callback = nullptr,
};

}  // namespace halann
