#include "element_update.h"

#include <cmath>
#include <cstring>

#include "needle_angle.h"

namespace panel_host {

using namespace panel_abi;

namespace {

// A failure list longer than this is treated as corrupt and read no further.
constexpr int kMostFailureRecords = 64;
// No gauge shows more icon cases than this; a larger count is a corrupt record.
constexpr int kMostIconCases = 4096;

// The value of a refreshed variable as a number, whatever its form.
double number_of(const ModuleVariable& variable) {
    switch (static_cast<ValueForm>(variable.host_type)) {
    case ValueForm::integer: return variable.value.integer;
    case ValueForm::text: return 0.0;
    case ValueForm::number: break;
    }
    return variable.value.number;
}

double finite_or_zero(double value) { return std::isfinite(value) ? value : 0.0; }

// A variable's value, through the callback when there is one.
double value_of(Element* element, ModuleVariable& source, ElementCallback callback) {
    return callback != nullptr ? callback(element) : number_of(source);
}

void update_needle(const VariableStore& store, ElementState& state, bool oldest) {
    auto& needle = *reinterpret_cast<Needle*>(state.element);
    store.refresh(needle.source);
    if (oldest)
        state.value = needle.variable_callback != nullptr ? needle.variable_callback(&needle.source)
                                                          : number_of(needle.source);
    else
        state.value = value_of(state.element, needle.source, needle.callback);
    const double target = needle_target_angle(needle, state.value);
    state.needle_angle = state.needle_placed
                             ? limit_turn(state.needle_angle, target, needle.max_turn_degrees)
                             : target;
    state.needle_placed = true;
}

void update_text(const VariableStore& store, ElementState& state, bool oldest) {
    auto& text = *reinterpret_cast<TextString*>(state.element);
    for (ModuleVariable& source : text.sources) store.refresh(source);
    if (oldest) {
        if (text.variable_callback != nullptr) text.variable_callback(number_of(text.sources[0]));
    } else if (text.callback != nullptr) {
        text.callback(state.element);
    }
    if (text.buffer == nullptr) {
        state.text.clear();
        return;
    }
    text.buffer[kTextBufferBytes - 1] = '\0';
    const size_t length = std::strlen(text.buffer);
    const size_t shown = text.char_count > 0 ? static_cast<size_t>(text.char_count) : 0;
    state.text.assign(text.buffer, length < shown ? length : shown);
}

void update_slider(const VariableStore& store, ElementState& state, bool oldest) {
    auto& slider = *reinterpret_cast<Slider*>(state.element);
    store.refresh(slider.x_source);
    store.refresh(slider.y_source);
    const double x = value_of(state.element, slider.x_source, oldest ? nullptr : slider.x_callback);
    const double y = value_of(state.element, slider.y_source, oldest ? nullptr : slider.y_callback);
    state.value = y;
    state.slider_x = finite_or_zero(x * slider.x_scale);
    state.slider_y = finite_or_zero(y * slider.y_scale);
}

void update_icon(const VariableStore& store, ElementState& state, bool oldest) {
    auto& icon = *reinterpret_cast<Icon*>(state.element);
    store.refresh(icon.source);
    if (oldest)
        state.value = icon.variable_callback != nullptr ? icon.variable_callback(&icon.source)
                                                        : number_of(icon.source);
    else
        state.value = value_of(state.element, icon.source, icon.callback);
    const int count = icon.case_count < kMostIconCases ? icon.case_count : kMostIconCases;
    // Truncation toward zero selects the case; anything outside 0 .. count-1 shows nothing.
    state.icon_case = (state.value > -1.0 && state.value < count) ? static_cast<int>(state.value) : -1;
}

void update_sprite(const VariableStore& store, ElementState& state, bool oldest) {
    auto& sprite = *reinterpret_cast<Sprite*>(state.element);
    store.refresh(sprite.x_source);
    store.refresh(sprite.y_source);
    store.refresh(sprite.rotation_source);
    const double x = value_of(state.element, sprite.x_source, oldest ? nullptr : sprite.x_callback);
    const double y = value_of(state.element, sprite.y_source, oldest ? nullptr : sprite.y_callback);
    const double rotation = value_of(state.element, sprite.rotation_source,
                                     oldest ? nullptr : sprite.rotation_callback);
    state.sprite_x = finite_or_zero(x * sprite.x_scale);
    state.sprite_y = finite_or_zero(y * sprite.y_scale);
    state.sprite_rotation = finite_or_zero(std::fmod(rotation * sprite.rotation_scale, 360.0));
}

}  // namespace

void update_element(const VariableStore& store, ElementState& state, bool oldest_generation) {
    switch (state.kind) {
    case kNeedle: update_needle(store, state, oldest_generation); break;
    case kTextString: update_text(store, state, oldest_generation); break;
    case kSlider: update_slider(store, state, oldest_generation); break;
    case kIcon: update_icon(store, state, oldest_generation); break;
    case kSprite: update_sprite(store, state, oldest_generation); break;
    default: break;  // static and moving images have no values
    }
}

bool element_failed(const Element& element, const std::set<uint32_t>& active_failures) {
    if (element.failures == nullptr || active_failures.empty()) return false;
    for (int i = 0; i < kMostFailureRecords; ++i) {
        const FailureRecord& record = element.failures[i];
        if (record.key == 0 && record.action == 0 && record.reserved == 0) break;
        if (record.action == kFailureActionBlank && active_failures.count(record.key) != 0)
            return true;
    }
    return false;
}

void mark_drawn(ElementState& state, const std::set<uint32_t>& active_failures) {
    state.hidden = (state.element->image_flags & kImageHidden) != 0;
    state.failed = element_failed(*state.element, active_failures);
    const bool drawable = state.kind >= kStaticImage && state.kind <= kSprite && state.kind != kMovingImage;
    // An icon outside its cases shows no picture, so nothing of it is drawn.
    const bool has_picture = state.kind != kIcon || state.icon_case >= 0;
    state.drawn = drawable && has_picture && !state.hidden && !state.failed;
}

}  // namespace panel_host
