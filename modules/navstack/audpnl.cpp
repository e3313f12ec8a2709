// The audio panel's behaviour: which lamps light, the marker lamp test, and the buttons that
// toggle this panel's own audio flags before passing the toggle on to the simulator.
#include "audpnl.h"

#include "panel_abi/services.h"

namespace navstack::audpnl {

using namespace panel_abi;

namespace {

constexpr uint32_t kToggleNav1Ident = 0x10132;
constexpr uint32_t kToggleNav2Ident = 0x10133;
constexpr uint32_t kToggleDmeAudio = 0x10134;
constexpr uint32_t kToggleAdfAudio = 0x10136;
constexpr uint32_t kCopilotWindow = 50;
constexpr uint32_t kMarkerTestSteps = 4;  // off, then the O, M and A lamps

// COM 1/2 split, refreshed with lookup_var right before use.
ModuleVariable com_split = {.token = 0x36c};

// Module state, shared by every placed audio panel. The flags are 0 or 1; they follow this
// panel's buttons only, never the simulator's audio state.
int32_t nav1_audio = 0;
int32_t nav2_audio = 0;
int32_t dme_audio = 0;
int32_t adf_audio = 0;
uint32_t marker_test_step = 0;  // 0: the received beacon; 1 to 3: the lamp under test

double own_value(const Element* element) {
    return reinterpret_cast<const Icon*>(element)->source.value.number;
}

// A flag of 1 gives case 0 (lit); 0 gives -1, a case with no picture (dark).
double case_of_flag(int32_t flag) { return flag - 1.0; }

int32_t toggle(int32_t& flag, uint32_t key_event) {
    flag = flag == 0 ? 1 : 0;
    return trigger_key_event(key_event, 0);
}

}  // namespace

// With the split selected, the COM1 and COM2 lamps are dark whatever their own selections.
double GAUGE_CALL com_lamp_case(Element* element) {
    if (lookup_number(&com_split) == 1.0) return 1.0;
    return own_value(element) - 1.0;
}

double GAUGE_CALL selection_lamp_case(Element* element) { return own_value(element) - 1.0; }

double GAUGE_CALL nav1_lamp_case(Element*) { return case_of_flag(nav1_audio); }
double GAUGE_CALL nav2_lamp_case(Element*) { return case_of_flag(nav2_audio); }
double GAUGE_CALL dme_lamp_case(Element*) { return case_of_flag(dme_audio); }
double GAUGE_CALL adf_lamp_case(Element*) { return case_of_flag(adf_audio); }

// The lamp test overrides the received beacon (0 none, 1 O, 2 M, 3 A).
double GAUGE_CALL marker_case(Element* element) {
    if (marker_test_step != 0) return marker_test_step - 1.0;
    return own_value(element) - 1.0;
}

int32_t GAUGE_CALL nav1_pressed(MousePosition*, uint32_t) {
    return toggle(nav1_audio, kToggleNav1Ident);
}
int32_t GAUGE_CALL nav2_pressed(MousePosition*, uint32_t) {
    return toggle(nav2_audio, kToggleNav2Ident);
}
int32_t GAUGE_CALL dme_pressed(MousePosition*, uint32_t) {
    return toggle(dme_audio, kToggleDmeAudio);
}
int32_t GAUGE_CALL adf_pressed(MousePosition*, uint32_t) {
    return toggle(adf_audio, kToggleAdfAudio);
}

int32_t GAUGE_CALL copilot_knob_pressed(MousePosition*, uint32_t) {
    return panel_window_toggle(kCopilotWindow);
}

int32_t GAUGE_CALL test_pressed(MousePosition*, uint32_t) {
    ++marker_test_step;
    if (marker_test_step >= kMarkerTestSteps) marker_test_step = 0;
    return 0;
}

}  // namespace navstack::audpnl
