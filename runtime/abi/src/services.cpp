// Service-call wrappers: each reads the slot of the host's table and calls it.
#include "panel_abi/services.h"

namespace panel_abi {
namespace {

template <typename Service>
Service service_at(uint32_t slot) {
    return reinterpret_cast<Service>(::ImportTable.panel.services->entries[slot_index(slot)]);
}

}  // namespace

void lookup_var(ModuleVariable* variable) {
    service_at<LookupVarService>(kSlotLookupVar)(variable);
}

int32_t trigger_key_event(uint32_t event_id, int32_t value) {
    return service_at<TriggerKeyEventService>(kSlotTriggerKeyEvent)(event_id, value);
}

int32_t panel_window_toggle(uint32_t window_number) {
    return service_at<PanelWindowToggleService>(kSlotPanelWindowToggle)(window_number);
}

void run_element_phase(int phase, Element* root, uintptr_t argument) {
    const uint32_t slot = phase_slot(phase);
    if (phase_takes_argument(phase))
        service_at<RunPhaseWithArgService>(slot)(root, argument);
    else
        service_at<RunPhaseService>(slot)(root);
}

void install_mouse_areas(MouseArea* list, GaugeHeader* gauge, ImageSize* background_size) {
    service_at<InstallMouseAreasService>(kSlotInstallMouseAreas)(list, gauge, background_size);
}

void register_mouse_areas(MouseArea* list, GaugeHeader* gauge) {
    service_at<MouseListService>(kSlotRegisterMouseAreas)(list, gauge);
}

void unregister_mouse_areas(MouseArea* list, GaugeHeader* gauge) {
    service_at<MouseListService>(kSlotUnregisterMouseAreas)(list, gauge);
}

}  // namespace panel_abi
