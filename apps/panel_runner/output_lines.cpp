#include "output_lines.h"

#include "json_line.h"
#include "panel_host/help_texts.h"

namespace panel_runner {

namespace {

const char* kind_name(int kind) {
    switch (kind) {
        case panel_abi::kStaticImage: return "static_image";
        case panel_abi::kNeedle: return "needle";
        case panel_abi::kTextString: return "text";
        case panel_abi::kSlider: return "slider";
        case panel_abi::kIcon: return "icon";
        case panel_abi::kMovingImage: return "moving_image";
        case panel_abi::kSprite: return "sprite";
        default: return "unknown";
    }
}

}  // namespace

std::string key_event_line(int frame, const panel_abi::KeyEvent& event) {
    return JsonLine("key_event").integer("frame", frame).hex("id", event.id).integer("value", event.value).str();
}

std::string window_toggle_line(int frame, uint32_t window, bool visible) {
    return JsonLine("window_toggle").integer("frame", frame).integer("window", window).flag("visible", visible).str();
}

std::string element_line(std::string_view instance, int index, const panel_host::ElementState& state) {
    JsonLine line("element");
    line.text("instance", instance).integer("index", index).integer("depth", state.depth).text("kind", kind_name(state.kind));
    switch (state.kind) {
        case panel_abi::kNeedle: line.number("value", state.value).number("angle", state.needle_angle); break;
        case panel_abi::kTextString: line.text("text", state.text); break;
        case panel_abi::kSlider: line.number("x", state.slider_x).number("y", state.slider_y); break;
        case panel_abi::kIcon: line.integer("case", state.icon_case); break;
        case panel_abi::kSprite:
            line.number("x", state.sprite_x).number("y", state.sprite_y).number("rotation", state.sprite_rotation);
            break;
        default: break;
    }
    return line.flag("hidden", state.hidden).flag("failed", state.failed).str();
}

std::string hover_line(std::string_view instance, int x, int y, const panel_host::HoverInfo& hover) {
    JsonLine line("hover");
    line.text("instance", instance).integer("x", x).integer("y", y).flag("over_area", hover.over_area);
    line.integer("cursor", hover.cursor).hex("help_id", hover.help_id);
    line.text("help_text", hover.help_id != 0 ? panel_host::help_text(hover.help_id) : "");
    return line.text("tooltip", hover.tooltip).str();
}

std::string token_line(const panel_host::VariableStore& store, uint32_t token) {
    JsonLine line("token");
    line.hex("token", token);
    switch (panel_host::token_form(token)) {
        case panel_abi::ValueForm::integer:
            line.integer("value", store.integer(token)).hex("hex", static_cast<uint32_t>(store.integer(token)));
            break;
        case panel_abi::ValueForm::text: line.text("value", store.text(token)); break;
        default: line.number("value", store.number(token)); break;
    }
    return line.str();
}

std::string echo_line(std::string_view text) { return JsonLine("echo").text("text", text).str(); }

std::string snapshot_line(std::string_view instance, std::string_view file) {
    return JsonLine("snapshot").text("instance", instance).text("file", file).str();
}

}  // namespace panel_runner
