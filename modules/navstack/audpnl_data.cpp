// The audio panel's static data: header, element tree and mouse list.
#include "audpnl.h"
#include "module_hooks.h"
#include "panel_abi/mouse_list.h"

namespace navstack {

using namespace panel_abi;

namespace {

using namespace audpnl;

constexpr uint32_t kFaceFlags = 0x1;
constexpr uint32_t kLampFlags = 0x7;

constexpr int32_t kFaceImage = 12288;
constexpr int32_t kLitLampBar = 12547;
constexpr int32_t kLitMarkerStrips = 12800;  // O, M and A lit, in case order
constexpr int32_t kMarkerStripCount = 3;

// Simulator variables the lamps carry.
constexpr uint32_t kCom1Selected = 0x36a;
constexpr uint32_t kCom2Selected = 0x36b;
constexpr uint32_t kComSplit = 0x36c;
constexpr uint32_t kMarkerAudio = 0x371;
constexpr uint32_t kMarkerReceived = 0x162;
// Carried by the lamps whose own flags light them; their values are not read.
constexpr uint32_t kNav1Lamp = 0x1a;
constexpr uint32_t kNav2Lamp = 0x1d;
constexpr uint32_t kDmeLamp = 0x21;
constexpr uint32_t kAdfLamp = 0x15;

// Key events the host sends from the mouse list for the simulator's own selections.
constexpr uint32_t kSelectCom1 = 0x1039f;
constexpr uint32_t kSelectCom2 = 0x103a0;
constexpr uint32_t kToggleComSplit = 0x103a1;
constexpr uint32_t kToggleMarkerAudio = 0x103ad;

// Electrical failures blank the lamps; the face stays.
const FailureRecord kLampFailures[] = {
    {.key = 0x14, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0x15, .action = kFailureActionBlank, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

constexpr GaugeHeader* kGauge = &audpnl_gauge.header;

constexpr Icon lamp(int32_t first_image, int32_t pictures, Point position, uint32_t token,
                    ElementCallback callback) {
    return Icon{
        .header = {.kind = kIcon,
                   .image_id = first_image,
                   .position = position,
                   .gauge = kGauge,
                   .failures = kLampFailures,
                   .image_flags = kLampFlags},
        .source = {.token = token},
        .switch_mode = 0,
        .case_count = pictures,
        .callback = callback,
    };
}

constexpr Icon button_lamp(Point position, uint32_t token, ElementCallback callback) {
    return lamp(kLitLampBar, 1, position, token, callback);
}

constinit Icon com1_lamp = button_lamp({127, 15}, kCom1Selected, com_lamp_case);
constinit Icon com2_lamp = button_lamp({168, 15}, kCom2Selected, com_lamp_case);
constinit Icon com_split_lamp = button_lamp({269, 50}, kComSplit, selection_lamp_case);
constinit Icon nav1_lamp = button_lamp({269, 15}, kNav1Lamp, nav1_lamp_case);
constinit Icon nav2_lamp = button_lamp({312, 15}, kNav2Lamp, nav2_lamp_case);
constinit Icon dme_lamp = button_lamp({351, 15}, kDmeLamp, dme_lamp_case);
constinit Icon marker_mute_lamp = button_lamp({83, 15}, kMarkerAudio, selection_lamp_case);
constinit Icon adf_lamp = button_lamp({393, 15}, kAdfLamp, adf_lamp_case);
constinit Icon marker_strip =
    lamp(kLitMarkerStrips, kMarkerStripCount, {7, 16}, kMarkerReceived, marker_case);

constinit Element* face_children[] = {
    &com1_lamp.header, &com2_lamp.header,        &com_split_lamp.header,
    &nav1_lamp.header, &nav2_lamp.header,        &dme_lamp.header,
    &marker_mute_lamp.header, &adf_lamp.header,  &marker_strip.header,
    nullptr,
};

constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = kFaceImage,
               .position = {0, 0},
               .gauge = kGauge,
               .children = face_children,
               .failures = nullptr,
               .image_flags = kFaceFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&face.header};

constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    push_button({120, 11, 35, 26}, kSelectCom1),
    push_button({160, 11, 35, 26}, kSelectCom2),
    push_button({260, 46, 32, 40}, kToggleComSplit),
    push_button({261, 11, 35, 26}, nav1_pressed),
    push_button({302, 11, 35, 26}, nav2_pressed),
    push_button({343, 11, 35, 26}, dme_pressed),
    push_button({74, 11, 35, 26}, kToggleMarkerAudio),
    push_button({385, 11, 35, 26}, adf_pressed),
    push_button({450, 47, 33, 33}, copilot_knob_pressed),
    push_button({450, 15, 32, 16}, test_pressed),
    mouse_group_end(),
    mouse_list_end(),
};

}  // namespace

constinit GaugeHeaderLater audpnl_gauge = {
    .header = {.version = kHeaderVersion320,
               .name = "audpnl",
               .element_list = element_list,
               .hooks = module_hooks,
               .reserved = 0,
               .default_width_mm = 500,
               .mouse_list = mouse_list,
               .gauge_callback = nullptr},
};

}  // namespace navstack
