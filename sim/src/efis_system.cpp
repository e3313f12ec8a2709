#include "efis_system.h"

#include "efis_flight.h"
#include "efis_nav_receivers.h"
#include "efis_selectors.h"

namespace panel_sim {

void EfisSystem::reset(panel_host::VariableStore& store) {
    reset_efis_selectors(store);
    reset_efis_flight(store);
    write_nav_receiver_tokens(store, height_above_ground_ft(store));
}

bool EfisSystem::apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    return apply_efis_selector_event(store, event);
}

void EfisSystem::advance_frame(panel_host::VariableStore& store) {
    advance_efis_flight(store);
    write_nav_receiver_tokens(store, height_above_ground_ft(store));
}

}  // namespace panel_sim
