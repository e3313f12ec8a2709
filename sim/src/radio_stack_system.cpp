#include "radio_stack_system.h"

#include "dme_receivers.h"
#include "gps_tokens.h"
#include "marker_receiver.h"
#include "radio_start_state.h"
#include "radio_switches.h"
#include "radio_tuning.h"
#include "transponder.h"

namespace panel_sim {

namespace {

void write_navigation_tokens(panel_host::VariableStore& store, const GpsNavigation& gps) {
    write_gps_tokens(store, gps);
    write_dme_tokens(store, gps);
    write_marker_beacon(store, gps);
}

}  // namespace

void RadioStackSystem::reset(panel_host::VariableStore& store) {
    write_radio_start_values(store);
    gps_ = gps_navigation_at_start();
    write_navigation_tokens(store, gps_);
}

bool RadioStackSystem::apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    return apply_tuning_event(store, event) || apply_transponder_event(store, event) ||
           apply_switch_event(store, event);
}

void RadioStackSystem::advance_frame(panel_host::VariableStore& store) {
    fly_one_frame(gps_);
    write_navigation_tokens(store, gps_);
}

}  // namespace panel_sim
