// The records of the gauge contract: module descriptor, import record, gauge headers,
// elements, variables, failure and mouse records, key events.
//
// Every record is packed to 4 bytes so that on a 32-bit target each field sits at the byte
// offset the simulator's panel system reads. On 64-bit hosts the same structs hold 64-bit
// pointers; host and modules share this header and address every field by name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "panel_abi/calling.h"

namespace panel_abi {

#pragma pack(push, 4)

struct Element;
struct GaugeHeader;
struct ModuleVariable;
struct MouseArea;

// ---------------------------------------------------------------------------------------
// Callback signatures a module provides.

// Element callback (0x2bc and 0x320 gauges): the value the host uses for the element.
using ElementCallback = double(GAUGE_CALL*)(Element* element);
// Variable callback of a needle or icon (0x262 gauges): gets the refreshed source variable.
using VariableCallback = double(GAUGE_CALL*)(ModuleVariable* source);
// Variable callback of a text (0x262 gauges): gets source variable 0's value as a double.
using TextVariableCallback = double(GAUGE_CALL*)(double value);

struct MousePosition {
    int32_t x;
    int32_t y;
};
// Mouse handler: position relative to the area's top left corner, and the event bits.
using MouseHandler = int32_t(GAUGE_CALL*)(MousePosition* position, uint32_t event_bits);
// Gauge callback (0x2bc and 0x320 gauges): header, service code, one extra word.
using GaugeCallback = void(GAUGE_CALL*)(GaugeHeader* gauge, int32_t service_code,
                                        uintptr_t extra);
// Routine hooks: phases 1 and 4 take the host's argument, the others none.
using RoutineHook = void(GAUGE_CALL*)();
using RoutineHookWithArg = void(GAUGE_CALL*)(uintptr_t argument);
using ModuleRoutine = void(GAUGE_CALL*)();

// ---------------------------------------------------------------------------------------
// Module descriptor and import record.

constexpr uint32_t kModuleId = 0x13;
constexpr uint32_t kModuleVersion320 = 0x800;

// The exported `Linkage`: header pointers follow the fixed part, ended by a null pointer.
// `max_gauges` sizes the array so each module can declare exactly what it lists.
template <size_t max_gauges>
struct LinkageOf {
    uint32_t module_id;          // 0x00: kModuleId
    ModuleRoutine init;          // 0x04
    ModuleRoutine deinit;        // 0x08
    uint32_t flags;              // 0x0c
    uint32_t status;             // 0x10
    uint32_t module_version;     // 0x14
    GaugeHeader* gauges[max_gauges + 1];  // 0x18: null-terminated
};
// The view of any module's descriptor that the host reads.
using Linkage = LinkageOf<0>;

constexpr uint32_t kImportPanelServices = 0x0F;

struct HostServiceTable;

struct ImportEntry {
    uint32_t id;                  // kImportPanelServices, or 0 at the end of the list
    HostServiceTable* services;   // written by the host before any call into the module
};
// The exported `ImportTable`: the panel-service request, then the end of the list.
struct ImportTable {
    ImportEntry panel;
    ImportEntry end;
};

// ---------------------------------------------------------------------------------------
// Gauge header.

constexpr uint32_t kHeaderVersion262 = 0x262;  // oldest: hooks hand over the mouse list
constexpr uint32_t kHeaderVersion2bc = 0x2bc;
constexpr uint32_t kHeaderVersion320 = 0x320;

struct RoutineHooks {
    RoutineHook phase0;
    RoutineHookWithArg phase1;
    RoutineHook phase2;
    RoutineHook phase3;
    RoutineHookWithArg phase4;
    RoutineHook phase5;
    RoutineHook phase6;
};

// The part of every generation's header the host reads (a 0x262 header ends here).
struct GaugeHeader {
    uint32_t version;              // 0x00
    const char* name;              // 0x04
    Element** element_list;        // 0x08: one-word array holding the root element
    RoutineHooks hooks;            // 0x0c
    uint32_t reserved;             // 0x28
    uint32_t default_width_mm;     // 0x2c
    uint32_t host_owned[8];        // 0x30
    MouseArea* mouse_list;         // 0x50: 0x2bc and 0x320 only
    GaugeCallback gauge_callback;  // 0x54: 0x2bc and 0x320 only
};

// Later generations append host-owned words that the modules leave zero.
struct GaugeHeaderLater {
    GaugeHeader header;
    uint32_t host_owned_tail[8];
};

// ---------------------------------------------------------------------------------------
// Variables.

// The value field: a double for most tokens, a 32-bit integer (four BCD digits) for the radio
// frequencies and the transponder code, a text pointer for the GPS waypoint identifier.
union VariableValue {
    double number;
    int32_t integer;
    const char* text;
};

struct ModuleVariable {
    uint32_t token;                 // 0x00: simulator variable number, 0 for none
    uintptr_t host_pointer;         // 0x04: host-owned
    uint32_t host_type;             // 0x08: host-owned
    VariableValue value;            // 0x0c
    VariableValue previous_value;   // 0x14: host-owned
};

// The form of a token's value; written by the host into `host_type`.
enum class ValueForm : uint32_t { number = 0, integer = 1, text = 2 };

// ---------------------------------------------------------------------------------------
// Failure records: {key, action, 0}, ended by an all-zero record.

constexpr uint32_t kFailureActionNone = 0;
constexpr uint32_t kFailureActionBlank = 3;  // the element is failed and not drawn

struct FailureRecord {
    uint32_t key;
    uint32_t action;
    uint32_t reserved;
};

// ---------------------------------------------------------------------------------------
// Elements.

enum ElementKind : int32_t {
    kStaticImage = 0,
    kNeedle = 1,
    kTextString = 2,
    kSlider = 3,
    kIcon = 4,
    kMovingImage = 5,
    kSprite = 6,
};

constexpr uint32_t kImageHidden = 0x40000000;
constexpr int32_t kNoImage = -1;

struct Point {
    int32_t x;
    int32_t y;
};

// The common header at the start of every element.
struct Element {
    int32_t kind;                     // 0x00: ElementKind
    int32_t image_id;                 // 0x04: kNoImage for texts
    Point position;                   // 0x08
    Point previous_position;          // 0x10: host-owned
    Point offset;                     // 0x18: needle pivot in its bitmap; sprite texture centre
    GaugeHeader* gauge;               // 0x20
    Element* previous;                // 0x24: host-owned
    Element** children;               // 0x28: null-terminated, or null
    const FailureRecord* failures;    // 0x2c: or null
    uint32_t image_flags;             // 0x30
    uint32_t special_flags;           // 0x34
    uint32_t reserved;                // 0x38
};

// The host's record of a loaded bitmap: word 1 is its width and word 2 its height.
struct ImageSize {
    int32_t width;
    int32_t height;
};
struct ImageRecord {
    uint32_t host_tag;
    ImageSize size;
};

struct StaticImage {
    Element header;
    ImageRecord* image;               // 0x3c: host-owned
};

// A row of a needle's nonlinearity table: the dial point a value points the needle at.
struct NonlinearityRow {
    int32_t dial_x;
    int32_t dial_y;
    double value;
    double host_angle;                // host-owned, 0 in the module
};

struct Needle {
    Element header;
    ModuleVariable source;            // 0x3c
    VariableCallback variable_callback;  // 0x58: 0x262 only
    uint32_t host_owned_a[5];         // 0x5c
    const NonlinearityRow* table;     // 0x70
    int32_t table_rows;               // 0x74
    int32_t max_turn_degrees;         // 0x78: 0 for no limit
    uint32_t host_owned_b[25];        // 0x7c
    ElementCallback callback;         // 0xe0: later generations
    uint32_t host_owned_c[3];         // 0xe4
};

struct HighlightSequence {
    uint32_t sequence_id;
    uint32_t first_char;
    uint32_t last_char;
};

constexpr size_t kFontNameBytes = 32;
constexpr uint32_t kTextCentred = 0x25;      // centred both ways, single line
constexpr uint32_t kTextCentredTop = 0x01;   // centred horizontally only
// Every text buffer the host creates holds this many bytes, terminator included; gauges
// format with a bound of this size so that no text can overrun its buffer.
constexpr size_t kTextBufferBytes = 64;

struct TextString {
    Element header;
    ModuleVariable sources[3];            // 0x3c
    uint32_t host_owned_a[9];             // 0x90
    TextVariableCallback variable_callback;  // 0xb4: 0x262 only
    char* buffer;                         // 0xb8: host-owned, kTextBufferBytes long
    uint32_t host_owned_b;                // 0xbc
    ImageSize box;                        // 0xc0
    uint32_t host_owned_c[2];             // 0xc8
    uint32_t text_colour;                 // 0xd0: COLORREF 0x00BBGGRR
    uint32_t background_colour;           // 0xd4
    uint32_t highlight_colour;            // 0xd8
    uint32_t host_owned_d[7];             // 0xdc
    char font_name[kFontNameBytes];       // 0xf8
    int32_t font_weight;                  // 0x118
    uint32_t char_set;                    // 0x11c
    uint32_t format;                      // 0x120
    int32_t char_count;                   // 0x124: the most characters shown
    uint32_t host_owned_e;                // 0x128
    const HighlightSequence* highlights;  // 0x12c
    uint32_t host_owned_f;                // 0x130
    uint32_t wind_marker;                 // 0x134: 9 on the wind-speed texts
    ElementCallback callback;             // 0x138: later generations
    uint32_t host_owned_g[3];             // 0x13c
};

struct Slider {
    Element header;
    ModuleVariable x_source;          // 0x3c
    uint32_t host_owned_a;            // 0x58
    double x_scale;                   // 0x5c: pixels per unit
    uint32_t host_owned_b;            // 0x64
    ModuleVariable y_source;          // 0x68
    uint32_t host_owned_c;            // 0x84
    double y_scale;                   // 0x88: pixels per unit
    uint32_t host_owned_d[6];         // 0x90
    ElementCallback x_callback;       // 0xa8: later generations
    ElementCallback y_callback;       // 0xac
    uint32_t host_owned_e[5];         // 0xb0
};

struct Icon {
    Element header;
    ModuleVariable source;            // 0x3c
    VariableCallback variable_callback;  // 0x58: 0x262 only
    uint32_t switch_mode;             // 0x5c
    uint32_t host_owned_a[4];         // 0x60
    int32_t case_count;               // 0x70
    uint32_t host_owned_b[4];         // 0x74
    ElementCallback callback;         // 0x84: later generations
    uint32_t host_owned_c[2];         // 0x88
};

// No gauge of the system uses moving images; the host draws nothing for them.
struct MovingImage {
    Element header;
    uint32_t host_owned[32];
};

struct Sprite {
    Element header;
    ModuleVariable x_source;          // 0x3c
    uint32_t host_owned_a;            // 0x58
    double x_scale;                   // 0x5c
    ModuleVariable y_source;          // 0x64
    uint32_t host_owned_b;            // 0x80
    double y_scale;                   // 0x84
    ModuleVariable rotation_source;   // 0x8c
    uint32_t host_owned_c;            // 0xa8
    double rotation_scale;            // 0xac: degrees per unit, counterclockwise positive
    float texture_scale_x;            // 0xb4
    float texture_scale_y;            // 0xb8
    uint32_t host_owned_d[32];        // 0xbc
    ElementCallback x_callback;       // 0x13c: later generations
    ElementCallback y_callback;       // 0x140
    ElementCallback rotation_callback;  // 0x144
    uint32_t host_owned_e[7];         // 0x148
};

// ---------------------------------------------------------------------------------------
// Mouse records.

enum MouseRecordKind : uint32_t {
    kMouseEndOfList = 0,
    kMouseGroupBegin = 1,
    kMouseArea = 2,
    kMouseGroupEnd = 3,
    kMouseTooltip = 4,
};

enum MouseCursor : int32_t {
    kCursorNone = -1,
    kCursorIncrease = 1,
    kCursorDecrease = 2,
    kCursorPush = 5,
};

constexpr uint32_t kMouseLeftClick = 0x20000000;
constexpr uint32_t kMouseRightClick = 0x80000000;
constexpr uint32_t kMouseRepeat = 0x00200000;
constexpr uint32_t kMouseLeftDrag = 0x00800000;

struct MouseBox {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

struct MouseArea {
    uint32_t kind;                    // 0x00: MouseRecordKind
    MouseBox box;                     // 0x04: relative to the enclosing group's origin
    int32_t cursor;                   // 0x14: MouseCursor
    uint32_t help_id;                 // 0x18: groups only
    uint32_t event_mask;              // 0x1c
    uint32_t key_event;               // 0x20: sent with value 0, or 0
    union {
        MouseHandler handler;         // 0x24: areas
        const char* tooltip_text;     // 0x24: tooltip records
    };
    const void* tooltip_args;         // 0x28: tooltip records
};

// ---------------------------------------------------------------------------------------
// Key events.

constexpr uint32_t kFirstKeyEventId = 0x10000;

struct KeyEvent {
    uint32_t id;
    int32_t value;
};

#pragma pack(pop)

// ---------------------------------------------------------------------------------------
// Layout checks: on a 32-bit target every field sits where the panel system reads it.

#define PANEL_ABI_AT(type, field, offset) \
    static_assert(offsetof(type, field) == (offset), #type "." #field " offset")

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(Linkage) == 0x1c);
PANEL_ABI_AT(Linkage, module_version, 0x14);
PANEL_ABI_AT(Linkage, gauges, 0x18);
static_assert(sizeof(ImportTable) == 16);
PANEL_ABI_AT(ImportTable, panel.services, 0x04);

PANEL_ABI_AT(GaugeHeader, name, 0x04);
PANEL_ABI_AT(GaugeHeader, element_list, 0x08);
PANEL_ABI_AT(GaugeHeader, hooks, 0x0c);
PANEL_ABI_AT(GaugeHeader, hooks.phase6, 0x24);
PANEL_ABI_AT(GaugeHeader, reserved, 0x28);
PANEL_ABI_AT(GaugeHeader, default_width_mm, 0x2c);
PANEL_ABI_AT(GaugeHeader, mouse_list, 0x50);
PANEL_ABI_AT(GaugeHeader, gauge_callback, 0x54);
static_assert(sizeof(GaugeHeader) == 0x58);

static_assert(sizeof(ModuleVariable) == 28);
PANEL_ABI_AT(ModuleVariable, value, 0x0c);
PANEL_ABI_AT(ModuleVariable, previous_value, 0x14);
static_assert(sizeof(FailureRecord) == 12);

static_assert(sizeof(Element) == 0x3c);
PANEL_ABI_AT(Element, image_id, 0x04);
PANEL_ABI_AT(Element, position, 0x08);
PANEL_ABI_AT(Element, offset, 0x18);
PANEL_ABI_AT(Element, gauge, 0x20);
PANEL_ABI_AT(Element, children, 0x28);
PANEL_ABI_AT(Element, failures, 0x2c);
PANEL_ABI_AT(Element, image_flags, 0x30);
PANEL_ABI_AT(Element, special_flags, 0x34);

PANEL_ABI_AT(StaticImage, image, 0x3c);
PANEL_ABI_AT(ImageRecord, size.width, 4);
PANEL_ABI_AT(ImageRecord, size.height, 8);
static_assert(sizeof(NonlinearityRow) == 24);

PANEL_ABI_AT(Needle, source, 0x3c);
PANEL_ABI_AT(Needle, variable_callback, 0x58);
PANEL_ABI_AT(Needle, table, 0x70);
PANEL_ABI_AT(Needle, table_rows, 0x74);
PANEL_ABI_AT(Needle, max_turn_degrees, 0x78);
PANEL_ABI_AT(Needle, callback, 0xe0);

PANEL_ABI_AT(TextString, sources, 0x3c);
PANEL_ABI_AT(TextString, variable_callback, 0xb4);
PANEL_ABI_AT(TextString, buffer, 0xb8);
PANEL_ABI_AT(TextString, box, 0xc0);
PANEL_ABI_AT(TextString, text_colour, 0xd0);
PANEL_ABI_AT(TextString, background_colour, 0xd4);
PANEL_ABI_AT(TextString, highlight_colour, 0xd8);
PANEL_ABI_AT(TextString, font_name, 0xf8);
PANEL_ABI_AT(TextString, font_weight, 0x118);
PANEL_ABI_AT(TextString, char_set, 0x11c);
PANEL_ABI_AT(TextString, format, 0x120);
PANEL_ABI_AT(TextString, char_count, 0x124);
PANEL_ABI_AT(TextString, highlights, 0x12c);
PANEL_ABI_AT(TextString, wind_marker, 0x134);
PANEL_ABI_AT(TextString, callback, 0x138);

PANEL_ABI_AT(Slider, x_source, 0x3c);
PANEL_ABI_AT(Slider, x_scale, 0x5c);
PANEL_ABI_AT(Slider, y_source, 0x68);
PANEL_ABI_AT(Slider, y_scale, 0x88);
PANEL_ABI_AT(Slider, x_callback, 0xa8);
PANEL_ABI_AT(Slider, y_callback, 0xac);

PANEL_ABI_AT(Icon, source, 0x3c);
PANEL_ABI_AT(Icon, variable_callback, 0x58);
PANEL_ABI_AT(Icon, switch_mode, 0x5c);
PANEL_ABI_AT(Icon, case_count, 0x70);
PANEL_ABI_AT(Icon, callback, 0x84);

PANEL_ABI_AT(Sprite, x_source, 0x3c);
PANEL_ABI_AT(Sprite, x_scale, 0x5c);
PANEL_ABI_AT(Sprite, y_source, 0x64);
PANEL_ABI_AT(Sprite, y_scale, 0x84);
PANEL_ABI_AT(Sprite, rotation_source, 0x8c);
PANEL_ABI_AT(Sprite, rotation_scale, 0xac);
PANEL_ABI_AT(Sprite, texture_scale_x, 0xb4);
PANEL_ABI_AT(Sprite, texture_scale_y, 0xb8);
PANEL_ABI_AT(Sprite, x_callback, 0x13c);
PANEL_ABI_AT(Sprite, rotation_callback, 0x144);

static_assert(sizeof(MouseArea) == 44);
PANEL_ABI_AT(MouseArea, box, 0x04);
PANEL_ABI_AT(MouseArea, cursor, 0x14);
PANEL_ABI_AT(MouseArea, help_id, 0x18);
PANEL_ABI_AT(MouseArea, event_mask, 0x1c);
PANEL_ABI_AT(MouseArea, key_event, 0x20);
PANEL_ABI_AT(MouseArea, handler, 0x24);
PANEL_ABI_AT(MouseArea, tooltip_args, 0x28);
#endif

#undef PANEL_ABI_AT

}  // namespace panel_abi
