// The routine hooks a module shares between all its gauges. Each forwards its phase to the
// host's element-tree service with the root element of the module's first gauge; the oldest
// generation's install hook also hands the host the gauge's mouse list, and its teardown
// hook withdraws the list before forwarding.
#pragma once

#include <cstdint>

#include "panel_abi/records.h"
#include "panel_abi/services.h"

namespace panel_abi {

template <GaugeHeader* first_gauge>
struct ForwardingHooks {
    static Element* root() { return first_gauge->element_list[0]; }
    static void GAUGE_CALL phase0() { run_element_phase(0, root()); }
    static void GAUGE_CALL phase1(uintptr_t argument) { run_element_phase(1, root(), argument); }
    static void GAUGE_CALL phase2() { run_element_phase(2, root()); }
    static void GAUGE_CALL phase3() { run_element_phase(3, root()); }
    static void GAUGE_CALL phase4(uintptr_t argument) { run_element_phase(4, root(), argument); }
    static void GAUGE_CALL phase5() { run_element_phase(5, root()); }
    static void GAUGE_CALL phase6() { run_element_phase(6, root()); }

    static constexpr RoutineHooks hooks = {phase0, phase1, phase2, phase3,
                                           phase4, phase5, phase6};
};

// Oldest generation: the gauge's mouse list (or none) travels through hooks 1 and 6.
template <GaugeHeader* gauge, MouseArea* mouse_list>
struct MouseListHooks : ForwardingHooks<gauge> {
    using Forward = ForwardingHooks<gauge>;

    // The width and height words of the background's image record, which the host fills.
    static ImageSize* background_size() {
        auto* background = reinterpret_cast<StaticImage*>(Forward::root());
        return background->image != nullptr ? &background->image->size : nullptr;
    }
    static void GAUGE_CALL phase1(uintptr_t argument) {
        run_element_phase(1, Forward::root(), argument);
        if (mouse_list == nullptr) return;
        install_mouse_areas(mouse_list, gauge, background_size());
        register_mouse_areas(mouse_list, gauge);
    }
    static void GAUGE_CALL phase6() {
        if (mouse_list != nullptr) unregister_mouse_areas(mouse_list, gauge);
        run_element_phase(6, Forward::root());
    }

    static constexpr RoutineHooks hooks = {Forward::phase0, phase1, Forward::phase2,
                                           Forward::phase3, Forward::phase4, Forward::phase5,
                                           phase6};
};

}  // namespace panel_abi
