// The host's service table as the modules see it, and the wrappers gauge code calls.
//
// A service is named by its byte offset (slot) in the table; the table is an array of
// function pointers, so slot / 4 is its index on every target.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"

namespace panel_abi {

enum ServiceSlot : uint32_t {
    kSlotPhase0 = 0x60,
    kSlotPhase1 = 0x64,
    kSlotPhase2 = 0x68,
    kSlotPhase3 = 0x6c,
    kSlotPhase4 = 0x70,
    kSlotPhase5 = 0x74,
    kSlotUnused78 = 0x78,
    kSlotPhase6 = 0x7c,
    kSlotInstallMouseAreas = 0x80,
    kSlotRegisterMouseAreas = 0x84,
    kSlotUnregisterMouseAreas = 0x88,
    kSlotPanelWindowToggle = 0x8c,
    kSlotTriggerKeyEvent = 0x90,
    kSlotLookupVar = 0xa0,
};

constexpr uint32_t kServiceTableSlots = 0x100 / 4;

constexpr uint32_t slot_index(uint32_t slot) { return slot / 4; }

// The slot of the element-tree service for phase k (0 to 6); slot 0x78 is skipped.
constexpr uint32_t phase_slot(int phase) {
    return phase < 6 ? kSlotPhase0 + 4u * static_cast<uint32_t>(phase) : kSlotPhase6;
}

using ServiceEntry = void (*)();

struct HostServiceTable {
    ServiceEntry entries[kServiceTableSlots];
};

// Service signatures, by slot.
using RunPhaseService = void(GAUGE_CALL*)(Element* root);
using RunPhaseWithArgService = void(GAUGE_CALL*)(Element* root, uintptr_t argument);
using InstallMouseAreasService = void(GAUGE_CALL*)(MouseArea* list, GaugeHeader* gauge,
                                                   ImageSize* background_size);
using MouseListService = void(GAUGE_CALL*)(MouseArea* list, GaugeHeader* gauge);
using PanelWindowToggleService = int32_t(GAUGE_CALL*)(uint32_t window_number);
using TriggerKeyEventService = int32_t(GAUGE_CALL*)(uint32_t event_id, int32_t value);
using LookupVarService = void(GAUGE_CALL*)(ModuleVariable* variable);

constexpr bool phase_takes_argument(int phase) { return phase == 1 || phase == 4; }

// ---------------------------------------------------------------------------------------
// Wrappers: every call a gauge makes into the host goes through the table whose address the
// host wrote into word 1 of this module's `ImportTable`.

void lookup_var(ModuleVariable* variable);
int32_t trigger_key_event(uint32_t event_id, int32_t value);
int32_t panel_window_toggle(uint32_t window_number);
void run_element_phase(int phase, Element* root, uintptr_t argument = 0);
void install_mouse_areas(MouseArea* list, GaugeHeader* gauge, ImageSize* background_size);
void register_mouse_areas(MouseArea* list, GaugeHeader* gauge);
void unregister_mouse_areas(MouseArea* list, GaugeHeader* gauge);

// The value of a number-form variable after a refresh, for the common case.
inline double lookup_number(ModuleVariable* variable) {
    lookup_var(variable);
    return variable->value.number;
}

}  // namespace panel_abi

// Every module exports its own import record.
GAUGE_EXPORT panel_abi::ImportTable ImportTable;
