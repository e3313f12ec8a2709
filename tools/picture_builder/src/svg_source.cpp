#include "svg_source.h"

#include <librsvg/rsvg.h>

#include <cmath>

namespace picture_builder {

namespace {

// Proportions closer than this count as the same.
constexpr double kAspectTolerance = 0.01;

// The document's own width and height in user units: its pixel size, else its view box.
bool document_size(RsvgHandle* handle, double& width, double& height) {
    if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height)) return true;
    gboolean has_width = FALSE, has_height = FALSE, has_viewbox = FALSE;
    RsvgLength ignored_width, ignored_height;
    RsvgRectangle viewbox;
    rsvg_handle_get_intrinsic_dimensions(handle, &has_width, &ignored_width, &has_height,
                                         &ignored_height, &has_viewbox, &viewbox);
    if (!has_viewbox) return false;
    width = viewbox.width;
    height = viewbox.height;
    return true;
}

std::string take_message(GError* gerror) {
    std::string message = gerror ? gerror->message : "unknown error";
    if (gerror) g_error_free(gerror);
    return message;
}

}  // namespace

bool draw_svg(cairo_t* cr, const std::string& path, int width, int height, std::string& error) {
    GError* gerror = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &gerror);
    if (handle == nullptr) {
        error = path + ": " + take_message(gerror);
        return false;
    }
    rsvg_handle_set_dpi(handle, 96.0);
    bool ok = true;
    double doc_width = 0, doc_height = 0;
    if (document_size(handle, doc_width, doc_height) && doc_width > 0 && doc_height > 0) {
        const double picture_aspect = static_cast<double>(width) / height;
        const double doc_aspect = doc_width / doc_height;
        if (std::fabs(doc_aspect / picture_aspect - 1.0) > kAspectTolerance) {
            error = path + ": drawn as " + std::to_string(doc_width) + " x " +
                    std::to_string(doc_height) + ", which does not fit a " + std::to_string(width) +
                    " x " + std::to_string(height) + " picture";
            ok = false;
        }
    }
    if (ok) {
        const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
        if (!rsvg_handle_render_document(handle, cr, &viewport, &gerror)) {
            error = path + ": " + take_message(gerror);
            ok = false;
        }
    }
    g_object_unref(handle);
    return ok;
}

}  // namespace picture_builder
