// Stands between one loaded gauge module and the host's service table: every service the
// module calls is written down in order and then passed on to the host. It can also make
// lookup_var answer a chosen value for one token, to tell a value a gauge looks up from one
// the host refreshed into an element's own variable.
//
// One spy at a time; it must be set up after the host loads the module and before the gauge
// is placed, and it puts the host's table back when it goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "panel_abi/records.h"

namespace twin_needle_test {

struct ServiceCall {
    uint32_t slot = 0;                                // the service's slot in the table
    uint32_t token = 0;                               // lookup_var: the variable's token
    const panel_abi::MouseArea* mouse_list = nullptr;  // the three mouse-list services
    const panel_abi::GaugeHeader* gauge = nullptr;
    std::optional<panel_abi::ImageSize> size;         // install_mouse_areas: what it points at
};

class ServiceSpy {
public:
    explicit ServiceSpy(const std::string& module_path);
    ~ServiceSpy();
    ServiceSpy(const ServiceSpy&) = delete;
    ServiceSpy& operator=(const ServiceSpy&) = delete;

    bool attached() const { return import_ != nullptr; }

    // The calls since the last take.
    std::vector<ServiceCall> take_calls();
    // From now on lookup_var gives `value` for `token` instead of the host's value.
    void answer_lookups(uint32_t token, double value);

private:
    void* handle_ = nullptr;
    panel_abi::ImportTable* import_ = nullptr;
    panel_abi::HostServiceTable* host_table_ = nullptr;
};

// The tokens that lookup_var was called with, in order.
std::vector<uint32_t> looked_up_tokens(const std::vector<ServiceCall>& calls);

}  // namespace twin_needle_test
