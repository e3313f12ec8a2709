#include "scenario_runner.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

#include "drag_path.h"
#include "module_files.h"
#include "output_lines.h"
#include "panel_host/panel_host.h"
#include "panel_host/renderer.h"
#include "panel_host/variable_store.h"
#include "panel_sim/simulated_aircraft.h"

namespace panel_runner {

namespace {

struct CommandFault {
    std::string message;
};

panel_host::MouseButton host_button(Button button) {
    return button == Button::right ? panel_host::MouseButton::right : panel_host::MouseButton::left;
}

// A panel host with the gauges the script placed, the simulated aircraft unless bare, and
// the frame count the output lines carry.
class Scenario {
public:
    Scenario(const RunnerOptions& options, std::ostream& out) : options_(options), out_(out), host_(store_) {
        if (!options.bare) aircraft_ = std::make_unique<panel_sim::SimulatedAircraft>(store_);
        host_.on_key_event([this](const panel_abi::KeyEvent& event) {
            print(key_event_line(frame_, event));
            if (aircraft_) aircraft_->apply(event);
        });
        host_.on_window_toggle([this](uint32_t window, bool visible) {
            print(window_toggle_line(frame_, window, visible));
        });
    }

    void operator()(const Place& place) {
        const std::string file = panel_apps::module_file(options_.module_dir, place.module);
        if (!std::filesystem::is_regular_file(file)) throw CommandFault{"module file not found: " + file};
        // One file reached by two spellings (a name and a path) is still one module.
        std::error_code ignored;
        const std::filesystem::path canonical = std::filesystem::canonical(file, ignored);
        std::string error;
        panel_host::LoadedModule* module = host_.load_module(canonical.empty() ? file : canonical.string(), &error);
        if (module == nullptr) throw CommandFault{error};
        const panel_host::InstanceId instance = host_.place(module, place.gauge, &error);
        if (instance == panel_host::kNoInstance) throw CommandFault{error};
        instances_[place.instance] = instance;
    }

    void operator()(const Remove& remove) {
        host_.remove(instances_.at(remove.instance));
        instances_.erase(remove.instance);
    }

    void operator()(const SetNumber& set) { store_.set_number(set.token, set.value); }
    void operator()(const SetInteger& set) { store_.set_integer(set.token, set.value); }
    void operator()(const SetText& set) {
        if (!store_.set_text(set.token, set.text)) throw CommandFault{"token " + hex(set.token) + " does not take a text"};
    }

    void operator()(const Frames& frames) { run_frames(frames.count); }

    void operator()(const Click& click) {
        host_.mouse_press(instances_.at(click.instance), click.x, click.y, host_button(click.button));
        host_.mouse_release();
    }

    void operator()(const Hold& hold) {
        host_.mouse_press(instances_.at(hold.instance), hold.x, hold.y, host_button(hold.button));
        run_frames(hold.frames);
        host_.mouse_release();
    }

    void operator()(const Drag& drag) {
        const panel_host::InstanceId instance = instances_.at(drag.instance);
        host_.mouse_press(instance, drag.x0, drag.y0, panel_host::MouseButton::left);
        for (const PointerPosition& position : drag_path(drag)) host_.mouse_move(instance, position.x, position.y);
        host_.mouse_release();
    }

    void operator()(const Hover& hover) {
        print(hover_line(hover.instance, hover.x, hover.y, host_.hover(instances_.at(hover.instance), hover.x, hover.y)));
    }

    void operator()(const Fail& fail) { host_.set_failure(fail.key, fail.active); }
    void operator()(const Window& window) { host_.define_window(window.number, window.visible); }

    void operator()(const Show& show) {
        const auto& elements = host_.elements(instances_.at(show.instance));
        if (show.index) {
            if (static_cast<size_t>(*show.index) >= elements.size())
                throw CommandFault{"instance \"" + show.instance + "\" has no element " + std::to_string(*show.index) +
                                   " (it has " + std::to_string(elements.size()) + ")"};
            print(element_line(show.instance, *show.index, elements[*show.index]));
            return;
        }
        for (size_t index = 0; index < elements.size(); ++index)
            print(element_line(show.instance, static_cast<int>(index), elements[index]));
    }

    void operator()(const Token& token) { print(token_line(store_, token.token)); }
    void operator()(const Echo& echo) { print(echo_line(echo.text)); }

    void operator()(const Snapshot& snapshot) {
        const panel_host::InstanceId instance = instances_.at(snapshot.instance);
        const panel_abi::ImageSize size = host_.design_size(instance);
        if (size.width <= 0 || size.height <= 0)
            throw CommandFault{"instance \"" + snapshot.instance + "\" has no background picture to take its size from"};
        if (!renderer_) renderer_ = std::make_unique<panel_host::GaugeRenderer>(host_);
        cairo_surface_t* surface = renderer_->draw_alone(instance);
        const cairo_status_t status = cairo_surface_write_to_png(surface, snapshot.file.c_str());
        cairo_surface_destroy(surface);
        if (status != CAIRO_STATUS_SUCCESS)
            throw CommandFault{"cannot write " + snapshot.file + ": " + cairo_status_to_string(status)};
        print(snapshot_line(snapshot.instance, snapshot.file));
    }

private:
    static std::string hex(uint32_t value) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "0x%x", value);
        return digits;
    }

    // Each frame the aircraft moves first, then every gauge runs.
    void run_frames(int count) {
        for (int i = 0; i < count; ++i) {
            ++frame_;
            if (aircraft_) aircraft_->advance_frame();
            host_.run_frame();
        }
    }

    void print(const std::string& line) { out_ << line << '\n'; }

    const RunnerOptions& options_;
    std::ostream& out_;
    panel_host::VariableStore store_;
    std::unique_ptr<panel_sim::SimulatedAircraft> aircraft_;
    panel_host::PanelHost host_;
    std::unique_ptr<panel_host::GaugeRenderer> renderer_;
    std::map<std::string, panel_host::InstanceId> instances_;
    int frame_ = 0;  // frames run so far; during a frame, that frame's number
};

}  // namespace

std::optional<ScriptFault> run_script(const std::vector<ScriptCommand>& commands, const RunnerOptions& options,
                                      std::ostream& out) {
    Scenario scenario(options, out);
    for (const ScriptCommand& command : commands) {
        try {
            std::visit(scenario, command.command);
        } catch (const CommandFault& fault) {
            return ScriptFault{command.line, fault.message};
        }
    }
    return std::nullopt;
}

}  // namespace panel_runner
