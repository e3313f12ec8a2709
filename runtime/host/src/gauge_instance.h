// One placed gauge: its header, its elements in pre-order with what the host knows of each,
// the text buffers and image records it owns, and its mouse list.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "loaded_module.h"
#include "panel_abi/records.h"
#include "panel_host/element_state.h"
#include "panel_host/panel_host.h"

namespace panel_host {

struct GaugeInstance {
    InstanceId id = kNoInstance;
    LoadedModule* module = nullptr;
    panel_abi::GaugeHeader* header = nullptr;
    panel_abi::Element* root = nullptr;

    std::vector<ElementState> elements;  // pre-order, root first

    // Host-owned storage written into the static element records before each call.
    std::vector<std::pair<panel_abi::TextString*, std::unique_ptr<std::array<char, panel_abi::kTextBufferBytes>>>> text_buffers;
    std::vector<std::pair<panel_abi::StaticImage*, std::unique_ptr<panel_abi::ImageRecord>>> image_records;

    panel_abi::MouseArea* mouse_list = nullptr;  // kept by the host
    bool mouse_registered = false;               // gets mouse events

    int running_phase = -1;    // the phase whose hook is being called, or -1
    bool phase_served = false; // the hook forwarded that phase to the host

    bool oldest_generation() const { return header->version == panel_abi::kHeaderVersion262; }
};

}  // namespace panel_host
