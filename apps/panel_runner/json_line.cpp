#include "json_line.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace panel_runner {

namespace {

// Length of the valid UTF-8 sequence at the start of `text`, or 0 when it is not one.
size_t utf8_length(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    uint32_t code = 0;
    if (lead >= 0xc2 && lead <= 0xdf) length = 2, code = lead & 0x1f;
    else if (lead >= 0xe0 && lead <= 0xef) length = 3, code = lead & 0x0f;
    else if (lead >= 0xf0 && lead <= 0xf4) length = 4, code = lead & 0x07;
    else return 0;
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3f);
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff) return 0;
    return length;
}

std::string unicode_escape(unsigned char byte) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", byte);
    return escape;
}

}  // namespace

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            const size_t length = utf8_length(text.substr(at));
            if (length == 0) {
                out += unicode_escape(c);
                ++at;
            } else {
                out += text.substr(at, length);
                at += length;
            }
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7f) out += unicode_escape(c);
                else out += static_cast<char>(c);
        }
        ++at;
    }
    return out + "\"";
}

std::string json_number(double value) {
    if (!std::isfinite(value)) return "null";
    if (value == 0.0) return "0";  // no "-0" from a negative zero
    char digits[32];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}

JsonLine::JsonLine(std::string_view type) : body_("{\"type\":" + json_string(type)) {}

JsonLine& JsonLine::raw(std::string_view name, std::string_view json) {
    body_ += ",";
    body_ += json_string(name);
    body_ += ":";
    body_ += json;
    return *this;
}

JsonLine& JsonLine::text(std::string_view name, std::string_view value) { return raw(name, json_string(value)); }
JsonLine& JsonLine::integer(std::string_view name, int64_t value) { return raw(name, std::to_string(value)); }
JsonLine& JsonLine::number(std::string_view name, double value) { return raw(name, json_number(value)); }
JsonLine& JsonLine::flag(std::string_view name, bool value) { return raw(name, value ? "true" : "false"); }

JsonLine& JsonLine::hex(std::string_view name, uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "0x%x", value);
    return text(name, digits);
}

}  // namespace panel_runner
