// The runner's JSON lines for what the host and the gauges did.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "panel_abi/records.h"
#include "panel_host/element_state.h"
#include "panel_host/panel_host.h"
#include "panel_host/variable_store.h"

namespace panel_runner {

std::string key_event_line(int frame, const panel_abi::KeyEvent& event);
std::string window_toggle_line(int frame, uint32_t window, bool visible);
// One element after the last frame: its kind and the values of that kind.
std::string element_line(std::string_view instance, int index, const panel_host::ElementState& state);
std::string hover_line(std::string_view instance, int x, int y, const panel_host::HoverInfo& hover);
// A token's value in its own form: a number, an integer (with its hex digits) or a text.
std::string token_line(const panel_host::VariableStore& store, uint32_t token);
std::string echo_line(std::string_view text);
std::string snapshot_line(std::string_view instance, std::string_view file);

}  // namespace panel_runner
