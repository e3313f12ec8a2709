#include "efis_selectors.h"

#include <cmath>
#include <cstdint>

#include "efis_tokens.h"

namespace panel_sim {

namespace {

// The VOR 1 course points near the VOR that NAV 1 is tuned to at start; the VOR 2 course is
// the localizer's inbound course; the selected heading is the heading at start.
constexpr int kVor1CourseAtStart = 30;
constexpr int kVor2CourseAtStart = 270;
constexpr int kSelectedHeadingAtStart = 90;

enum class Change { kSet, kStep };

struct SelectorEvent {
    uint32_t event;
    uint32_t token;
    Change change;
    int step;  // degrees, for kStep
};

constexpr SelectorEvent kSelectorEvents[] = {
    {.event = efis_event::kSetVor1Course,
     .token = efis_token::kVor1Course,
     .change = Change::kSet,
     .step = 0},
    {.event = efis_event::kSetVor2Course,
     .token = efis_token::kVor2Course,
     .change = Change::kSet,
     .step = 0},
    {.event = efis_event::kVor1CourseDown,
     .token = efis_token::kVor1Course,
     .change = Change::kStep,
     .step = -1},
    {.event = efis_event::kVor1CourseUp,
     .token = efis_token::kVor1Course,
     .change = Change::kStep,
     .step = 1},
    {.event = efis_event::kVor2CourseDown,
     .token = efis_token::kVor2Course,
     .change = Change::kStep,
     .step = -1},
    {.event = efis_event::kVor2CourseUp,
     .token = efis_token::kVor2Course,
     .change = Change::kStep,
     .step = 1},
    {.event = efis_event::kSetSelectedHeading,
     .token = efis_token::kSelectedHeading,
     .change = Change::kSet,
     .step = 0},
    {.event = efis_event::kSelectedHeadingDown,
     .token = efis_token::kSelectedHeading,
     .change = Change::kStep,
     .step = -1},
    {.event = efis_event::kSelectedHeadingUp,
     .token = efis_token::kSelectedHeading,
     .change = Change::kStep,
     .step = 1},
    {.event = efis_event::kSelectedHeadingCoarseDown,
     .token = efis_token::kSelectedHeading,
     .change = Change::kStep,
     .step = -efis_event::kCoarseHeadingStepDeg},
    {.event = efis_event::kSelectedHeadingCoarseUp,
     .token = efis_token::kSelectedHeading,
     .change = Change::kStep,
     .step = efis_event::kCoarseHeadingStepDeg},
};

}  // namespace

int whole_degree_on_circle(long long degrees) {
    const long long wrapped = degrees % 360;
    return static_cast<int>(wrapped < 0 ? wrapped + 360 : wrapped);
}

void reset_efis_selectors(panel_host::VariableStore& store) {
    store.set_number(efis_token::kVor1Course, kVor1CourseAtStart);
    store.set_number(efis_token::kVor2Course, kVor2CourseAtStart);
    store.set_number(efis_token::kSelectedHeading, kSelectedHeadingAtStart);
}

bool apply_efis_selector_event(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    for (const SelectorEvent& selector : kSelectorEvents) {
        if (selector.event != event.id) continue;
        // The store's value is always a whole degree written here, but read it defensively.
        const double now = store.number(selector.token);
        const long long current = std::isfinite(now) ? std::llround(now) % 360 : 0;
        const long long next = selector.change == Change::kSet ? static_cast<long long>(event.value)
                                                               : current + selector.step;
        store.set_number(selector.token, whole_degree_on_circle(next));
        return true;
    }
    return false;
}

}  // namespace panel_sim
