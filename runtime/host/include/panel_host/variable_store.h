// The simulator variables the host hands to gauges, keyed by token. Each token is held in
// its own form: a BCD integer for the radio frequencies and the transponder code, a text for
// the GPS waypoint identifier, a double for everything else.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "panel_abi/records.h"

namespace panel_host {

using panel_abi::ValueForm;

// The form the simulator gives each token in.
ValueForm token_form(uint32_t token);

class VariableStore {
public:
    // Set a token in the given form. A number given for an integer-form token is truncated
    // toward zero and held within the 32-bit range; an integer given for a number-form token
    // becomes that number. A text can only go to the text-form token: false otherwise.
    bool set_number(uint32_t token, double value);
    bool set_integer(uint32_t token, int64_t value);
    bool set_text(uint32_t token, const std::string& text);

    // Reading a token that was never set gives 0 or an empty text.
    double number(uint32_t token) const;     // integer-form tokens read as their integer
    int32_t integer(uint32_t token) const;   // number-form tokens truncated toward zero
    std::string text(uint32_t token) const;

    // Fill a variable record's value field in its token's form, keeping the old value in the
    // previous-value field. Token 0 names no variable and keeps the value 0.
    void refresh(panel_abi::ModuleVariable& variable) const;

private:
    struct Slot {
        double number = 0.0;
        int32_t integer = 0;
        std::string text;
    };
    std::unordered_map<uint32_t, Slot> slots_;
};

}  // namespace panel_host
