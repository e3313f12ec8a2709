// Variable store: each token held in the form the simulator gives it.
#include "panel_host/variable_store.h"

#include <cmath>
#include <limits>

namespace panel_host {

namespace {

// Radio frequencies (COM and NAV, active and standby, both units) and the transponder code
// arrive as four BCD digits in an integer; the active waypoint's identifier as a text.
constexpr uint32_t kIntegerTokens[] = {0x17, 0x18, 0x1b, 0x26, 0x269, 0x366, 0x367, 0x368, 0x369};
constexpr uint32_t kTextToken = 0x347;

int32_t clamp_to_int32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace

ValueForm token_form(uint32_t token) {
    if (token == kTextToken) return ValueForm::text;
    for (uint32_t integer_token : kIntegerTokens)
        if (token == integer_token) return ValueForm::integer;
    return ValueForm::number;
}

bool VariableStore::set_number(uint32_t token, double value) {
    switch (token_form(token)) {
    case ValueForm::number: slots_[token].number = value; return true;
    case ValueForm::integer: slots_[token].integer = clamp_to_int32(value); return true;
    case ValueForm::text: return false;
    }
    return false;
}

bool VariableStore::set_integer(uint32_t token, int64_t value) {
    switch (token_form(token)) {
    case ValueForm::number: slots_[token].number = static_cast<double>(value); return true;
    case ValueForm::integer:
        slots_[token].integer = clamp_to_int32(static_cast<double>(value));
        return true;
    case ValueForm::text: return false;
    }
    return false;
}

bool VariableStore::set_text(uint32_t token, const std::string& text) {
    if (token_form(token) != ValueForm::text) return false;
    slots_[token].text = text;
    return true;
}

double VariableStore::number(uint32_t token) const {
    auto found = slots_.find(token);
    if (found == slots_.end()) return 0.0;
    return token_form(token) == ValueForm::integer ? found->second.integer : found->second.number;
}

int32_t VariableStore::integer(uint32_t token) const {
    auto found = slots_.find(token);
    if (found == slots_.end()) return 0;
    return token_form(token) == ValueForm::integer ? found->second.integer
                                                   : clamp_to_int32(found->second.number);
}

std::string VariableStore::text(uint32_t token) const {
    auto found = slots_.find(token);
    return found == slots_.end() ? std::string() : found->second.text;
}

void VariableStore::refresh(panel_abi::ModuleVariable& variable) const {
    variable.previous_value = variable.value;
    variable.value.number = 0.0;
    if (variable.token == 0) return;
    const ValueForm form = token_form(variable.token);
    variable.host_type = static_cast<uint32_t>(form);
    auto found = slots_.find(variable.token);
    switch (form) {
    case ValueForm::number:
        variable.value.number = found == slots_.end() ? 0.0 : found->second.number;
        break;
    case ValueForm::integer:
        variable.value.integer = found == slots_.end() ? 0 : found->second.integer;
        break;
    case ValueForm::text:
        // The text stays owned by the store; an unset identifier reads as an empty text.
        variable.value.text = found == slots_.end() ? "" : found->second.text.c_str();
        break;
    }
}

}  // namespace panel_host
