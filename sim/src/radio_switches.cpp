#include "radio_switches.h"

#include <algorithm>
#include <iterator>

#include "radio_tokens.h"

namespace panel_sim {

namespace {

constexpr double kOn = 1.0;
constexpr double kOff = 0.0;

using SwitchEffect = void (*)(panel_host::VariableStore& store);

template <uint32_t kToken>
void toggle(panel_host::VariableStore& store) {
    store.set_number(kToken, store.number(kToken) == kOn ? kOff : kOn);
}

template <uint32_t kSelected, uint32_t kOther>
void select_com(panel_host::VariableStore& store) {
    store.set_number(kSelected, kOn);
    store.set_number(kOther, kOff);
    store.set_number(radio_token::kComSplit, kOff);
}

struct SwitchEvent {
    uint32_t id;
    SwitchEffect effect;
};

constexpr SwitchEvent kSwitchEvents[] = {
    {.id = radio_event::kSelectCom1,
     .effect = select_com<radio_token::kCom1Selected, radio_token::kCom2Selected>},
    {.id = radio_event::kSelectCom2,
     .effect = select_com<radio_token::kCom2Selected, radio_token::kCom1Selected>},
    {.id = radio_event::kToggleComSplit, .effect = toggle<radio_token::kComSplit>},
    {.id = radio_event::kToggleMarkerAudio, .effect = toggle<radio_token::kMarkerAudio>},
    {.id = radio_event::kToggleNav1IdentAudio, .effect = toggle<radio_token::kNav1IdentAudio>},
    {.id = radio_event::kToggleNav2IdentAudio, .effect = toggle<radio_token::kNav2IdentAudio>},
    {.id = radio_event::kToggleDmeAudio, .effect = toggle<radio_token::kDmeAudio>},
    {.id = radio_event::kToggleAdfAudio, .effect = toggle<radio_token::kAdfAudio>},
    {.id = radio_event::kToggleCourseSource, .effect = toggle<radio_token::kCourseSourceGps>},
};

}  // namespace

bool apply_switch_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    const auto found = std::find_if(std::begin(kSwitchEvents), std::end(kSwitchEvents),
                                    [&](const SwitchEvent& e) { return e.id == event.id; });
    if (found == std::end(kSwitchEvents)) return false;
    found->effect(store);
    return true;
}

}  // namespace panel_sim
