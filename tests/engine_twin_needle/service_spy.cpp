#include "service_spy.h"

#include <dlfcn.h>

#include <map>

#include "panel_abi/services.h"

namespace twin_needle_test {

using namespace panel_abi;

namespace {

struct SpyState {
    HostServiceTable* host_table = nullptr;
    HostServiceTable spy_table{};
    std::vector<ServiceCall> calls;
    std::map<uint32_t, double> answers;
};

SpyState spy;

void record(uint32_t slot, uint32_t token = 0, const MouseArea* list = nullptr,
            const GaugeHeader* gauge = nullptr, const ImageSize* size = nullptr) {
    ServiceCall call;
    call.slot = slot;
    call.token = token;
    call.mouse_list = list;
    call.gauge = gauge;
    if (size != nullptr) call.size = *size;
    spy.calls.push_back(call);
}

template <typename Service>
Service host_service(uint32_t slot) {
    return reinterpret_cast<Service>(spy.host_table->entries[slot_index(slot)]);
}

template <uint32_t slot>
void GAUGE_CALL run_phase(Element* root) {
    record(slot);
    host_service<RunPhaseService>(slot)(root);
}

template <uint32_t slot>
void GAUGE_CALL run_phase_with_argument(Element* root, uintptr_t argument) {
    record(slot);
    host_service<RunPhaseWithArgService>(slot)(root, argument);
}

void GAUGE_CALL install_mouse_areas(MouseArea* list, GaugeHeader* gauge, ImageSize* size) {
    record(kSlotInstallMouseAreas, 0, list, gauge, size);
    host_service<InstallMouseAreasService>(kSlotInstallMouseAreas)(list, gauge, size);
}

template <uint32_t slot>
void GAUGE_CALL mouse_list_service(MouseArea* list, GaugeHeader* gauge) {
    record(slot, 0, list, gauge);
    host_service<MouseListService>(slot)(list, gauge);
}

void GAUGE_CALL lookup_var(ModuleVariable* variable) {
    record(kSlotLookupVar, variable->token);
    host_service<LookupVarService>(kSlotLookupVar)(variable);
    auto answer = spy.answers.find(variable->token);
    if (answer != spy.answers.end()) variable->value.number = answer->second;
}

template <typename Service>
void put(uint32_t slot, Service service) {
    spy.spy_table.entries[slot_index(slot)] = reinterpret_cast<ServiceEntry>(service);
}

}  // namespace

ServiceSpy::ServiceSpy(const std::string& module_path) {
    handle_ = dlopen(module_path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle_ == nullptr) return;
    import_ = static_cast<panel_abi::ImportTable*>(dlsym(handle_, "ImportTable"));
    if (import_ == nullptr || import_->panel.services == nullptr) {
        import_ = nullptr;
        return;
    }
    host_table_ = import_->panel.services;
    spy = SpyState{};
    spy.host_table = host_table_;
    spy.spy_table = *host_table_;
    put(kSlotPhase0, run_phase<kSlotPhase0>);
    put(kSlotPhase1, run_phase_with_argument<kSlotPhase1>);
    put(kSlotPhase2, run_phase<kSlotPhase2>);
    put(kSlotPhase3, run_phase<kSlotPhase3>);
    put(kSlotPhase4, run_phase_with_argument<kSlotPhase4>);
    put(kSlotPhase5, run_phase<kSlotPhase5>);
    put(kSlotPhase6, run_phase<kSlotPhase6>);
    put(kSlotInstallMouseAreas, install_mouse_areas);
    put(kSlotRegisterMouseAreas, mouse_list_service<kSlotRegisterMouseAreas>);
    put(kSlotUnregisterMouseAreas, mouse_list_service<kSlotUnregisterMouseAreas>);
    put(kSlotLookupVar, lookup_var);
    import_->panel.services = &spy.spy_table;
}

ServiceSpy::~ServiceSpy() {
    if (import_ != nullptr) import_->panel.services = host_table_;
    if (handle_ != nullptr) dlclose(handle_);
}

std::vector<ServiceCall> ServiceSpy::take_calls() {
    std::vector<ServiceCall> taken;
    taken.swap(spy.calls);
    return taken;
}

void ServiceSpy::answer_lookups(uint32_t token, double value) { spy.answers[token] = value; }

std::vector<uint32_t> looked_up_tokens(const std::vector<ServiceCall>& calls) {
    std::vector<uint32_t> tokens;
    for (const ServiceCall& call : calls)
        if (call.slot == kSlotLookupVar) tokens.push_back(call.token);
    return tokens;
}

}  // namespace twin_needle_test
