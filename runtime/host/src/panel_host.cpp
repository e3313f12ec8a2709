// The host's lifecycle of placed gauges: install, frames, teardown.
#include "panel_host/panel_host.h"

#include <set>

#include "element_update.h"
#include "gauge_instance.h"
#include "held_button.h"
#include "image_records.h"
#include "service_table.h"

namespace panel_host {

using namespace panel_abi;

namespace {

// A tree larger than this, or deeper, is treated as corrupt and read no further.
constexpr size_t kMostElements = 4096;
constexpr int kMostDepth = 64;
constexpr int kMostChildren = 1024;

bool known_version(uint32_t version) {
    return version == kHeaderVersion262 || version == kHeaderVersion2bc || version == kHeaderVersion320;
}

// The elements of a tree in pre-order: an element, then each child with its own subtree.
// An element met twice (a cycle or a shared subtree) is visited only the first time.
void collect_pre_order(Element* element, int depth, std::set<Element*>& seen,
                       std::vector<ElementState>& out) {
    if (element == nullptr || depth > kMostDepth || out.size() >= kMostElements) return;
    if (!seen.insert(element).second) return;
    ElementState state;
    state.element = element;
    state.depth = depth;
    state.kind = element->kind;
    out.push_back(state);
    if (element->children == nullptr) return;
    for (int i = 0; i < kMostChildren && element->children[i] != nullptr; ++i)
        collect_pre_order(element->children[i], depth + 1, seen, out);
}

}  // namespace

PanelHost::PanelHost(VariableStore& store, PanelHostOptions options)
    : store_(store), options_(options) {}

PanelHost::~PanelHost() {
    while (!instances_.empty()) remove(instances_.rbegin()->first);
    while (!modules_.empty()) modules_.pop_back();  // deinit, then unload, last loaded first
}

LoadedModule* PanelHost::load_module(const std::string& path, std::string* error) {
    for (auto& module : modules_)
        if (module->path() == path) return module.get();
    auto module = LoadedModule::open(path, error);
    if (!module) return nullptr;
    modules_.push_back(std::move(module));
    return modules_.back().get();
}

InstanceId PanelHost::place(LoadedModule* module, const std::string& gauge_name, std::string* error) {
    if (module == nullptr) {
        if (error) *error = "no module";
        return kNoInstance;
    }
    GaugeHeader* header = module->find_gauge(gauge_name);
    if (header == nullptr) {
        if (error) *error = "module " + module->path() + " has no gauge named \"" + gauge_name + "\"";
        return kNoInstance;
    }
    if (!known_version(header->version) || header->element_list == nullptr ||
        header->element_list[0] == nullptr) {
        if (error) *error = "gauge \"" + gauge_name + "\" has no usable header";
        return kNoInstance;
    }

    auto instance = std::make_unique<GaugeInstance>();
    instance->id = next_instance_++;
    instance->module = module;
    instance->header = header;
    instance->root = header->element_list[0];
    std::set<Element*> seen;
    collect_pre_order(instance->root, 0, seen, instance->elements);

    // Each text gets its buffer and each static image its image record.
    for (ElementState& state : instance->elements) {
        if (state.kind == kTextString) {
            auto buffer = std::make_unique<std::array<char, kTextBufferBytes>>();
            buffer->fill('\0');
            instance->text_buffers.emplace_back(reinterpret_cast<TextString*>(state.element),
                                                std::move(buffer));
        } else if (state.kind == kStaticImage) {
            auto record = std::make_unique<ImageRecord>();
            record->host_tag = 0;
            record->size = bitmap_size(*module, state.element->image_id);
            instance->image_records.emplace_back(reinterpret_cast<StaticImage*>(state.element),
                                                 std::move(record));
        }
    }
    if (!instance->oldest_generation()) instance->mouse_list = header->mouse_list;

    GaugeInstance& placed = *instance;
    instances_[placed.id] = std::move(instance);
    for (int phase = 0; phase <= 2; ++phase) {
        send_gauge_code(placed, 2 * phase);
        run_phase(placed, phase);
    }
    return placed.id;
}

void PanelHost::remove(InstanceId id) {
    GaugeInstance* instance = find(id);
    if (instance == nullptr) return;
    send_gauge_code(*instance, 12);
    run_phase(*instance, 6);
    instance->mouse_registered = false;
    if (held_ && held_->instance == id) held_.reset();
    instances_.erase(id);
}

void PanelHost::run_frame() {
    repeat_held_button();
    for (auto& [id, instance] : instances_) {
        send_gauge_code(*instance, 6);
        run_phase(*instance, 3);
        send_gauge_code(*instance, 8);
        run_phase(*instance, 4);
        send_gauge_code(*instance, 10);
        run_phase(*instance, 5);
    }
}

// Text buffers and image records are the instance's own, while the element records are the
// module's static data shared by every instance of the gauge: they are written in before
// every call made for the instance.
void PanelHost::bind(GaugeInstance& instance) {
    for (auto& [text, buffer] : instance.text_buffers) text->buffer = buffer->data();
    for (auto& [image, record] : instance.image_records) image->image = record.get();
}

void PanelHost::send_gauge_code(GaugeInstance& instance, int code) {
    if (instance.oldest_generation() || instance.header->gauge_callback == nullptr) return;
    ModuleCallScope scope(*this, &instance);
    bind(instance);
    instance.header->gauge_callback(instance.header, code, 0);
}

void PanelHost::run_phase(GaugeInstance& instance, int phase) {
    ModuleCallScope scope(*this, &instance);
    bind(instance);
    instance.running_phase = phase;
    instance.phase_served = false;
    if (instance.oldest_generation()) {
        // The oldest generation's hooks forward each phase back to the host (and hand over
        // the mouse list); a hook that is missing or does not forward still gets the work done.
        const RoutineHooks& hooks = instance.header->hooks;
        const uintptr_t argument = static_cast<uintptr_t>(instance.id);
        switch (phase) {
        case 0: if (hooks.phase0) hooks.phase0(); break;
        case 1: if (hooks.phase1) hooks.phase1(argument); break;
        case 2: if (hooks.phase2) hooks.phase2(); break;
        case 3: if (hooks.phase3) hooks.phase3(); break;
        case 4: if (hooks.phase4) hooks.phase4(argument); break;
        case 5: if (hooks.phase5) hooks.phase5(); break;
        case 6: if (hooks.phase6) hooks.phase6(); break;
        default: break;
        }
    }
    if (!instance.phase_served) {
        instance.phase_served = true;
        process_phase(instance, phase);
    }
    instance.running_phase = -1;
}

void PanelHost::process_phase(GaugeInstance& instance, int phase) {
    switch (phase) {
    case 1:
        if (!instance.oldest_generation() && instance.mouse_list != nullptr)
            instance.mouse_registered = true;
        break;
    case 3:
        for (ElementState& state : instance.elements)
            update_element(store_, state, instance.oldest_generation());
        break;
    case 5:
        for (ElementState& state : instance.elements) mark_drawn(state, active_failures_);
        break;
    case 6:
        if (!instance.oldest_generation()) instance.mouse_registered = false;
        break;
    default: break;
    }
}

void PanelHost::send_key_event(const KeyEvent& event) {
    if (key_sink_) key_sink_(event);
}

void PanelHost::set_failure(uint32_t key, bool active) {
    if (active)
        active_failures_.insert(key);
    else
        active_failures_.erase(key);
}

void PanelHost::define_window(uint32_t number, bool visible) { windows_[number] = visible; }

bool PanelHost::window_visible(uint32_t number) const {
    auto found = windows_.find(number);
    return found != windows_.end() && found->second;
}

bool PanelHost::toggle_window(uint32_t number) {
    const bool visible = !window_visible(number);
    windows_[number] = visible;
    if (window_observer_) window_observer_(number, visible);
    return visible;
}

void PanelHost::on_key_event(std::function<void(const KeyEvent&)> sink) { key_sink_ = std::move(sink); }

void PanelHost::on_window_toggle(std::function<void(uint32_t, bool)> observer) {
    window_observer_ = std::move(observer);
}

const std::vector<ElementState>& PanelHost::elements(InstanceId id) const {
    static const std::vector<ElementState> none;
    GaugeInstance* instance = find(id);
    return instance != nullptr ? instance->elements : none;
}

const GaugeHeader* PanelHost::header(InstanceId id) const {
    GaugeInstance* instance = find(id);
    return instance != nullptr ? instance->header : nullptr;
}

ImageSize PanelHost::design_size(InstanceId id) const {
    GaugeInstance* instance = find(id);
    if (instance == nullptr || instance->image_records.empty() ||
        instance->image_records.front().first != reinterpret_cast<StaticImage*>(instance->root))
        return {0, 0};
    return instance->image_records.front().second->size;
}

const LoadedModule* PanelHost::module_of(InstanceId id) const {
    GaugeInstance* instance = find(id);
    return instance != nullptr ? instance->module : nullptr;
}

bool PanelHost::has_instance(InstanceId id) const { return find(id) != nullptr; }

GaugeInstance* PanelHost::find(InstanceId id) const {
    auto found = instances_.find(id);
    return found != instances_.end() ? found->second.get() : nullptr;
}

}  // namespace panel_host
