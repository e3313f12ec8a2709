// The one service table the host publishes to every module, and the record of which host
// and which gauge instance a call into module code is made for.
#pragma once

#include "panel_abi/services.h"

namespace panel_host {

class PanelHost;
struct GaugeInstance;

panel_abi::HostServiceTable* service_table();

// While alive, services called by module code act on this host and instance.
class ModuleCallScope {
public:
    ModuleCallScope(PanelHost& host, GaugeInstance* instance);
    ~ModuleCallScope();
    ModuleCallScope(const ModuleCallScope&) = delete;
    ModuleCallScope& operator=(const ModuleCallScope&) = delete;

private:
    PanelHost* previous_host_;
    GaugeInstance* previous_instance_;
};

PanelHost* active_host();
GaugeInstance* active_instance();

}  // namespace panel_host
