// The panel window: the default panel (or another panel configuration) with the simulated
// aircraft behind it. Without a display it draws the panel once to a PNG instead.
//
//   panel_window [--panel FILE] [--modules DIR] [--png FILE] [--frames N] [--scale N]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "module_files.h"
#include "panel_host/renderer.h"
#include "panel_session.h"
#include "window_loop.h"

namespace {

// Frames run before a headless picture is taken, so that the aircraft and gauges settle.
constexpr int kHeadlessFrames = 36;

bool has_display() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

int usage() {
    std::fprintf(stderr, "usage: panel_window [--panel FILE] [--modules DIR] [--png FILE] [--frames N] [--scale N]\n");
    return 2;
}

bool parse_count(const char* text, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > 1000000) return false;
    out = static_cast<int>(value);
    return true;
}

// Bring the panel up and either run its window or draw it once to a PNG.
int run_panel(const std::string& modules, const std::string& panel, std::string png,
              const panel_window::WindowOptions& options) {
    panel_window::PanelSession session(modules, panel);
    for (const std::string& problem : session.problems()) std::fprintf(stderr, "%s\n", problem.c_str());
    session.on_key_event([](const panel_abi::KeyEvent& event) {
        std::printf("key event 0x%x value %d\n", event.id, event.value);
        std::fflush(stdout);
    });

    if (png.empty() && has_display()) return panel_window::run_window(session, options);

    if (png.empty()) png = "panel.png";
    const int frames = options.quit_after_frames > 0 ? options.quit_after_frames : kHeadlessFrames;
    for (int frame = 0; frame < frames; ++frame) session.advance_frame();
    if (!session.write_png(png)) {
        std::fprintf(stderr, "cannot write the panel picture to %s\n", png.c_str());
        return 1;
    }
    std::printf("wrote the panel picture to %s\n", png.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string panel = "panels/default/panel.cfg";
    std::string modules = panel_apps::default_module_dir();
    std::string png;
    panel_window::WindowOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool has_value = i + 1 < argc;
        if (argument == "--panel" && has_value) panel = argv[++i];
        else if (argument == "--modules" && has_value) modules = argv[++i];
        else if (argument == "--png" && has_value) png = argv[++i];
        else if (argument == "--frames" && has_value) {
            if (!parse_count(argv[++i], options.quit_after_frames)) return usage();
        } else if (argument == "--scale" && has_value) {
            if (!parse_count(argv[++i], options.scale) || options.scale > 8) return usage();
        } else return usage();
    }

    const int status = run_panel(modules, panel, png, options);
    panel_host::release_drawing_caches();
    return status;
}
