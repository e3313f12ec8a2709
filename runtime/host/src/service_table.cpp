// The host services at their slots. Module code reaches the host only through this table;
// each service acts on the host and gauge instance whose call is in progress.
#include "service_table.h"

#include "gauge_instance.h"
#include "panel_host/panel_host.h"

namespace panel_host {

namespace {

thread_local PanelHost* current_host = nullptr;
thread_local GaugeInstance* current_instance = nullptr;

}  // namespace

ModuleCallScope::ModuleCallScope(PanelHost& host, GaugeInstance* instance)
    : previous_host_(current_host), previous_instance_(current_instance) {
    current_host = &host;
    current_instance = instance;
}

ModuleCallScope::~ModuleCallScope() {
    current_host = previous_host_;
    current_instance = previous_instance_;
}

PanelHost* active_host() { return current_host; }
GaugeInstance* active_instance() { return current_instance; }

struct PanelHost::Services {
    template <int phase>
    static void GAUGE_CALL run_phase(panel_abi::Element*) {
        // The root a hook forwards may be another gauge's (shared hooks pass the first
        // gauge's root), so the instance being driven is always processed from its own tree.
        GaugeInstance* instance = current_instance;
        if (current_host == nullptr || instance == nullptr) return;
        if (instance->running_phase != phase || instance->phase_served) return;
        instance->phase_served = true;
        current_host->process_phase(*instance, phase);
    }
    template <int phase>
    static void GAUGE_CALL run_phase_with_argument(panel_abi::Element* root, uintptr_t) {
        run_phase<phase>(root);
    }

    static void GAUGE_CALL install_mouse_areas(panel_abi::MouseArea* list, panel_abi::GaugeHeader*,
                                               panel_abi::ImageSize*) {
        if (current_host == nullptr || current_instance == nullptr) return;
        current_instance->mouse_list = list;
    }
    static void GAUGE_CALL register_mouse_areas(panel_abi::MouseArea* list, panel_abi::GaugeHeader*) {
        if (current_host == nullptr || current_instance == nullptr) return;
        if (current_instance->mouse_list == list && list != nullptr)
            current_instance->mouse_registered = true;
    }
    static void GAUGE_CALL unregister_mouse_areas(panel_abi::MouseArea* list, panel_abi::GaugeHeader*) {
        if (current_host == nullptr || current_instance == nullptr) return;
        if (current_instance->mouse_list == list) current_instance->mouse_registered = false;
    }
    static int32_t GAUGE_CALL panel_window_toggle(uint32_t number) {
        if (current_host == nullptr) return 0;
        current_host->toggle_window(number);
        return 1;
    }
    static int32_t GAUGE_CALL trigger_key_event(uint32_t id, int32_t value) {
        if (current_host == nullptr) return 0;
        current_host->send_key_event({id, value});
        return 1;
    }
    // Slots no gauge calls answer harmlessly rather than leaving a null to jump through.
    static int32_t unused_slot() { return 0; }
    static void GAUGE_CALL lookup_var(panel_abi::ModuleVariable* variable) {
        if (variable == nullptr) return;
        if (current_host == nullptr) {
            variable->value.number = 0.0;
            return;
        }
        current_host->store().refresh(*variable);
    }
};

panel_abi::HostServiceTable* service_table() {
    using namespace panel_abi;
    using S = PanelHost::Services;
    static HostServiceTable table = [] {
        HostServiceTable built{};
        for (ServiceEntry& entry : built.entries)
            entry = reinterpret_cast<ServiceEntry>(&S::unused_slot);
        auto put = [&built](uint32_t slot, auto function) {
            built.entries[slot_index(slot)] = reinterpret_cast<ServiceEntry>(function);
        };
        put(kSlotPhase0, static_cast<RunPhaseService>(&S::run_phase<0>));
        put(kSlotPhase1, static_cast<RunPhaseWithArgService>(&S::run_phase_with_argument<1>));
        put(kSlotPhase2, static_cast<RunPhaseService>(&S::run_phase<2>));
        put(kSlotPhase3, static_cast<RunPhaseService>(&S::run_phase<3>));
        put(kSlotPhase4, static_cast<RunPhaseWithArgService>(&S::run_phase_with_argument<4>));
        put(kSlotPhase5, static_cast<RunPhaseService>(&S::run_phase<5>));
        put(kSlotPhase6, static_cast<RunPhaseService>(&S::run_phase<6>));
        put(kSlotInstallMouseAreas, static_cast<InstallMouseAreasService>(&S::install_mouse_areas));
        put(kSlotRegisterMouseAreas, static_cast<MouseListService>(&S::register_mouse_areas));
        put(kSlotUnregisterMouseAreas, static_cast<MouseListService>(&S::unregister_mouse_areas));
        put(kSlotPanelWindowToggle, static_cast<PanelWindowToggleService>(&S::panel_window_toggle));
        put(kSlotTriggerKeyEvent, static_cast<TriggerKeyEventService>(&S::trigger_key_event));
        put(kSlotLookupVar, static_cast<LookupVarService>(&S::lookup_var));
        return built;
    }();
    return &table;
}

}  // namespace panel_host
