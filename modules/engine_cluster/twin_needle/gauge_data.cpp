// The twin-needle gauge's static data: header, element tree, nonlinearity tables and the
// tooltip-only mouse list, filled in from the member table of the module being built.
//
// The element tree is one chain, each element the only child of the one above it, so the
// host draws it top to bottom: face, right needle, left needle, left lamp, right lamp.
#include <array>
#include <cstddef>

#include "panel_abi/mouse_list.h"
#include "panel_abi/routine_hooks.h"
#include "this_member.h"
#include "tokens.h"
#include "twin_needle.h"

namespace twin_needle {

using namespace panel_abi;

namespace {

constexpr int32_t kFaceImage = 4096;
constexpr int32_t kNeedleImage = 8192;
constexpr int32_t kLampImage = 12288;  // unlit; red and green follow at 12291 and 12294

constexpr uint32_t kFaceFlags = 0x4001;
constexpr uint32_t kNeedleFlags = 0x4003;
constexpr uint32_t kLampFlags = 0x7;

// The needle bitmap points right and turns about this point of its own.
constexpr Point kNeedleRotationCentre = {50, 12};
// A needle may turn all the way round in one update: it never lags its value.
constexpr int32_t kNeedleTurnLimitDegrees = 360;
constexpr int32_t kLampCases = 3;
constexpr Point kLeftLampPosition = {48, 25};
constexpr Point kRightLampPosition = {571, 25};

constexpr uint32_t kDefaultWidthMm = 100;
constexpr MouseBox kLeftDialBox = {0, 0, 320, 300};
constexpr MouseBox kRightDialBox = {320, 0, 320, 300};

constexpr GaugeHeader* kGauge = &gauge;

template <size_t rows>
constexpr std::array<NonlinearityRow, rows> nonlinearity_rows(const DialGeometry& dial) {
    std::array<NonlinearityRow, rows> table{};
    for (size_t i = 0; i < rows; ++i)
        table[i] = {.dial_x = dial.points[i].x,
                    .dial_y = dial.points[i].y,
                    .value = dial.points[i].value,
                    .host_angle = 0};
    return table;
}

constexpr const DialGeometry& kLeftDial = *this_member.left.geometry;
constexpr const DialGeometry& kRightDial = *this_member.right.geometry;

// Writable: the simulator may keep each row's angle in the row's host-owned field.
constinit auto left_table = nonlinearity_rows<kLeftDial.points.size()>(kLeftDial);
constinit auto right_table = nonlinearity_rows<kRightDial.points.size()>(kRightDial);

constexpr Icon lamp(Point position, Element** children) {
    return Icon{
        .header = {.kind = kIcon,
                   .image_id = kLampImage,
                   .position = position,
                   .offset = {0, 0},
                   .gauge = kGauge,
                   .children = children,
                   .failures = nullptr,
                   .image_flags = kLampFlags},
        .source = {.token = tokens::kLampEnable},
        .variable_callback = lamp_case,
        .switch_mode = 0,
        .case_count = kLampCases,
    };
}

constexpr Needle needle(const DialMember& dial, const NonlinearityRow* table, int32_t rows,
                        Element** children) {
    return Needle{
        .header = {.kind = kNeedle,
                   .image_id = kNeedleImage,
                   .position = {dial.geometry->pivot.x, dial.geometry->pivot.y},
                   .offset = kNeedleRotationCentre,
                   .gauge = kGauge,
                   .children = children,
                   .failures = nullptr,
                   .image_flags = kNeedleFlags},
        .source = {.token = dial.token},
        .variable_callback = dial.reading,
        .table = table,
        .table_rows = rows,
        .max_turn_degrees = kNeedleTurnLimitDegrees,
    };
}

constinit Icon right_lamp = lamp(kRightLampPosition, nullptr);
constinit Element* right_lamp_list[] = {&right_lamp.header, nullptr};

constinit Icon left_lamp = lamp(kLeftLampPosition, right_lamp_list);
constinit Element* left_lamp_list[] = {&left_lamp.header, nullptr};

constinit Needle left_needle =
    needle(this_member.left, left_table.data(), static_cast<int32_t>(left_table.size()),
           left_lamp_list);
constinit Element* left_needle_list[] = {&left_needle.header, nullptr};

}  // namespace

constinit Needle right_needle =
    needle(this_member.right, right_table.data(), static_cast<int32_t>(right_table.size()),
           left_needle_list);

namespace {

constinit Element* right_needle_list[] = {&right_needle.header, nullptr};

constinit StaticImage face = {
    .header = {.kind = kStaticImage,
               .image_id = kFaceImage,
               .position = {0, 0},
               .offset = {0, 0},
               .gauge = kGauge,
               .children = right_needle_list,
               .failures = nullptr,
               .image_flags = kFaceFlags},
    .image = nullptr,
};

constinit Element* element_list[] = {&face.header};

// No areas: one group per dial, only for its tooltip.
constinit MouseArea mouse_list[] = {
    mouse_group({0, 0, 0, 0}),
    mouse_group(kLeftDialBox, kCursorNone, this_member.left.help_id),
    mouse_group_end(),
    mouse_group(kRightDialBox, kCursorNone, this_member.right.help_id),
    mouse_group_end(),
    mouse_group_end(),
    mouse_list_end(),
};

// What routine hook 1 hands the host and hook 6 withdraws; nothing for a member without one.
constexpr MouseArea* kHandedMouseList = this_member.has_mouse_list ? mouse_list : nullptr;

}  // namespace

constinit GaugeHeader gauge = {
    .version = kHeaderVersion262,
    .name = this_member.name,
    .element_list = element_list,
    .hooks = MouseListHooks<&gauge, kHandedMouseList>::hooks,
    .reserved = 0,
    .default_width_mm = kDefaultWidthMm,
    .host_owned = {},
    .mouse_list = nullptr,  // the oldest generation hands its list over through hook 1
    .gauge_callback = nullptr,
};

}  // namespace twin_needle
