#include "radio_tuning.h"

#include <algorithm>
#include <iterator>

#include "frequency_band.h"
#include "radio_tokens.h"

namespace panel_sim {

namespace {

struct Radio {
    uint32_t active;
    uint32_t standby;
    const FrequencyBand* band;
};

constexpr Radio kCom1{
    .active = radio_token::kCom1Active, .standby = radio_token::kCom1Standby, .band = &kComBand};
constexpr Radio kCom2{
    .active = radio_token::kCom2Active, .standby = radio_token::kCom2Standby, .band = &kComBand};
constexpr Radio kNav1{
    .active = radio_token::kNav1Active, .standby = radio_token::kNav1Standby, .band = &kNavBand};
constexpr Radio kNav2{
    .active = radio_token::kNav2Active, .standby = radio_token::kNav2Standby, .band = &kNavBand};

enum class Tuning { set_standby, fraction_down, fraction_up, swap };

struct TuningEvent {
    uint32_t id;
    Tuning tuning;
    const Radio* radio;
};

constexpr TuningEvent kTuningEvents[] = {
    {.id = radio_event::kSetCom1Standby, .tuning = Tuning::set_standby, .radio = &kCom1},
    {.id = radio_event::kCom1FractionDown, .tuning = Tuning::fraction_down, .radio = &kCom1},
    {.id = radio_event::kCom1FractionUp, .tuning = Tuning::fraction_up, .radio = &kCom1},
    {.id = radio_event::kSwapCom1, .tuning = Tuning::swap, .radio = &kCom1},

    {.id = radio_event::kSetCom2Standby, .tuning = Tuning::set_standby, .radio = &kCom2},
    {.id = radio_event::kCom2FractionDown, .tuning = Tuning::fraction_down, .radio = &kCom2},
    {.id = radio_event::kCom2FractionUp, .tuning = Tuning::fraction_up, .radio = &kCom2},
    {.id = radio_event::kSwapCom2, .tuning = Tuning::swap, .radio = &kCom2},

    {.id = radio_event::kSetNav1Standby, .tuning = Tuning::set_standby, .radio = &kNav1},
    {.id = radio_event::kNav1FractionDown, .tuning = Tuning::fraction_down, .radio = &kNav1},
    {.id = radio_event::kNav1FractionUp, .tuning = Tuning::fraction_up, .radio = &kNav1},
    {.id = radio_event::kSwapNav1, .tuning = Tuning::swap, .radio = &kNav1},

    {.id = radio_event::kSetNav2Standby, .tuning = Tuning::set_standby, .radio = &kNav2},
    {.id = radio_event::kNav2FractionDown, .tuning = Tuning::fraction_down, .radio = &kNav2},
    {.id = radio_event::kNav2FractionUp, .tuning = Tuning::fraction_up, .radio = &kNav2},
    {.id = radio_event::kSwapNav2, .tuning = Tuning::swap, .radio = &kNav2},
};

void tune(panel_host::VariableStore& store, Tuning tuning, const Radio& radio, int32_t value) {
    const FrequencyBand& band = *radio.band;
    const int32_t standby = store.integer(radio.standby);
    switch (tuning) {
    case Tuning::set_standby:
        if (is_channel(band, value)) store.set_integer(radio.standby, value);
        return;
    case Tuning::fraction_down:
        store.set_integer(radio.standby, fraction_stepped(band, standby, -1));
        return;
    case Tuning::fraction_up:
        store.set_integer(radio.standby, fraction_stepped(band, standby, +1));
        return;
    case Tuning::swap: {
        const uint16_t new_active = channel_or_lowest(band, standby);
        store.set_integer(radio.standby, channel_or_lowest(band, store.integer(radio.active)));
        store.set_integer(radio.active, new_active);
        return;
    }
    }
}

}  // namespace

bool apply_tuning_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    const auto found = std::find_if(std::begin(kTuningEvents), std::end(kTuningEvents),
                                    [&](const TuningEvent& e) { return e.id == event.id; });
    if (found == std::end(kTuningEvents)) return false;
    tune(store, found->tuning, *found->radio, event.value);
    return true;
}

}  // namespace panel_sim
