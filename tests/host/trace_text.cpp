#include "trace_text.h"

#include <cstdio>

#include "fixture_tags.h"

namespace host_test {

using namespace fixture;

std::string tag_name(int32_t tag) {
    switch (tag) {
    case kOldestGauge: return "oldest";
    case kOldestNeedle: return "oldest needle";
    case kOldestIcon: return "oldest icon";
    case kOldestText: return "oldest text";
    case kOldestDragArea: return "drag area";
    case kOldestClickArea: return "oldest click area";
    case kFirstGauge: return "first";
    case kFormsText: return "forms text";
    case kSecondGauge: return "second";
    case kLamp: return "lamp";
    case kCounterText: return "counter text";
    case kLongText: return "long text";
    case kCaseIcon: return "case icon";
    case kSecondSprite: return "sprite";
    case kLeftArea: return "left area";
    case kRightArea: return "right area";
    case kRepeatArea: return "repeat area";
    case kWindowArea: return "window area";
    case kDeepArea: return "deep area";
    case kNoHooksGauge: return "nohooks";
    case kNoHooksIcon: return "nohooks icon";
    default: return "tag " + std::to_string(tag);
    }
}

std::string describe(const TraceEntry& call) {
    switch (call.call) {
    case Call::init: return "init";
    case Call::deinit: return "deinit";
    case Call::gauge_code: return code_line(call.who, call.a);
    case Call::hook: return hook_line(call.who, call.a);
    case Call::element: return update_line(call.who);
    case Call::handler: return handler_line(call.who, call.a, call.b, call.bits);
    case Call::wrong_generation:
        return "later-generation field " + std::to_string(call.who) + " called";
    }
    return "unknown call";
}

std::vector<std::string> describe(const std::vector<TraceEntry>& calls) {
    std::vector<std::string> lines;
    for (const TraceEntry& call : calls) lines.push_back(describe(call));
    return lines;
}

std::string code_line(int32_t gauge_tag, int32_t code) {
    return "code " + std::to_string(code) + " to " + tag_name(gauge_tag);
}

std::string hook_line(int32_t gauge_tag, int32_t phase) {
    return "hook " + std::to_string(phase) + " of " + tag_name(gauge_tag);
}

std::string update_line(int32_t element_tag) { return "update " + tag_name(element_tag); }

std::string handler_line(int32_t area_tag, int32_t x, int32_t y, uint32_t event_bits) {
    char bits[16];
    std::snprintf(bits, sizeof bits, "%08x", event_bits);
    return tag_name(area_tag) + " at (" + std::to_string(x) + ", " + std::to_string(y) +
           ") bits " + bits;
}

}  // namespace host_test
