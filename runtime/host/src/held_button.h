// The mouse button the pilot holds down, and the area that took the press.
#pragma once

#include "panel_abi/records.h"
#include "panel_host/panel_host.h"

namespace panel_host {

struct PanelHost::HeldButton {
    InstanceId instance = kNoInstance;
    const panel_abi::MouseArea* area = nullptr;
    int area_x = 0;          // the area's top left corner on the gauge
    int area_y = 0;
    int pointer_x = 0;       // the pointer on the gauge
    int pointer_y = 0;
    uint32_t click_bits = 0; // the click event the press delivered, repeated while held
    int frames_held = 0;
};

}  // namespace panel_host
