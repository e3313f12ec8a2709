#include "twin_needle_gauge.h"

#include <gtest/gtest.h>

#include <cfenv>

#include "module_path.h"

namespace twin_needle_test {

using panel_host::ElementState;

namespace {

constexpr int kGaugeMiddleX = 320;
constexpr int kTrappedExceptions = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Enables the traps for its lifetime and then restores the ones that were enabled before.
class FloatingPointTraps {
public:
    FloatingPointTraps() : before_(fegetexcept()) {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(kTrappedExceptions);
    }
    ~FloatingPointTraps() {
        fedisableexcept(FE_ALL_EXCEPT);
        feenableexcept(before_);
    }
    FloatingPointTraps(const FloatingPointTraps&) = delete;
    FloatingPointTraps& operator=(const FloatingPointTraps&) = delete;

private:
    int before_;
};

}  // namespace

const char* dial_name(Dial dial) { return dial == Dial::left ? "left" : "right"; }

std::ostream& operator<<(std::ostream& out, LampCase lamp) {
    switch (lamp) {
    case LampCase::unlit: return out << "unlit";
    case LampCase::red: return out << "red";
    case LampCase::green: return out << "green";
    }
    return out << "case " << static_cast<int>(lamp);
}

TwinNeedleGauge::TwinNeedleGauge(const std::string& member, Spy spy)
    : member_(member), host_(std::make_unique<panel_host::PanelHost>(store_)) {
    host_->on_key_event([this](const panel_abi::KeyEvent& event) { key_events_.push_back(event); });
    module_ = host_->load_module(module_path(member), &error_);
    if (module_ == nullptr) return;
    if (spy == Spy::attached) {
        spy_ = std::make_unique<ServiceSpy>(module_path(member));
        if (!spy_->attached()) {
            error_ = "the service spy found no ImportTable in " + member;
            return;
        }
    }
    place_again();
}

// The renderer keeps pictures of the module and the spy a hold on it: both go before the
// host unloads it.
TwinNeedleGauge::~TwinNeedleGauge() {
    renderer_.reset();
    spy_.reset();
    host_.reset();
}

void TwinNeedleGauge::set(const std::vector<TokenValue>& values) {
    for (const TokenValue& value : values) set(value.token, value.value);
}

void TwinNeedleGauge::frame() {
    FloatingPointTraps traps;
    host_->run_frame();
}

const ElementState* TwinNeedleGauge::find(int kind, bool left_half) const {
    for (const ElementState& state : host_->elements(instance_))
        if (state.kind == kind && (state.element->position.x < kGaugeMiddleX) == left_half)
            return &state;
    return nullptr;
}

const ElementState& TwinNeedleGauge::needle(Dial dial) const {
    if (const ElementState* state = find(panel_abi::kNeedle, dial == Dial::left)) return *state;
    ADD_FAILURE() << member_ << " has no " << dial_name(dial) << " needle";
    static const ElementState none;
    return none;
}

LampCase TwinNeedleGauge::left_lamp() const {
    const ElementState* state = find(panel_abi::kIcon, true);
    if (state == nullptr) ADD_FAILURE() << member_ << " has no left lamp";
    return static_cast<LampCase>(state != nullptr ? state->icon_case : -1);
}

LampCase TwinNeedleGauge::right_lamp() const {
    const ElementState* state = find(panel_abi::kIcon, false);
    if (state == nullptr) ADD_FAILURE() << member_ << " has no right lamp";
    return static_cast<LampCase>(state != nullptr ? state->icon_case : -1);
}

void TwinNeedleGauge::click(int x, int y, panel_host::MouseButton button) {
    host_->mouse_press(instance_, x, y, button);
    host_->mouse_release();
}

void TwinNeedleGauge::remove() {
    renderer_.reset();
    host_->remove(instance_);
}

void TwinNeedleGauge::place_again() {
    instance_ = host_->place(module_, member_, &error_);
    if (placed()) renderer_ = std::make_unique<panel_host::GaugeRenderer>(*host_);
}

Picture TwinNeedleGauge::draw() { return Picture{renderer_->draw_alone(instance_)}; }

}  // namespace twin_needle_test
