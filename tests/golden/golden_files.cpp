#include "golden_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "picture.h"
#include "picture_compare.h"

namespace golden {

namespace {

namespace fs = std::filesystem;

std::string output_path(const std::string& name, const char* what) {
    return std::string(GOLDEN_OUTPUT_DIR) + "/" + name + "." + what + ".png";
}

// The PNG file as an ARGB32 picture, or null when it cannot be read.
Picture read_png(const std::string& path) {
    if (!fs::exists(path)) return nullptr;
    Picture read{cairo_image_surface_create_from_png(path.c_str())};
    if (cairo_surface_status(read.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    if (cairo_image_surface_get_format(read.get()) == CAIRO_FORMAT_ARGB32) return read;
    // A PNG without alpha comes back as RGB24; give it the drawn pictures' format.
    Picture converted{cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
                                                 cairo_image_surface_get_width(read.get()),
                                                 cairo_image_surface_get_height(read.get()))};
    cairo_t* cr = cairo_create(converted.get());
    cairo_set_source_surface(cr, read.get(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return converted;
}

bool write_png(cairo_surface_t* picture, const std::string& path) {
    std::error_code ignored;
    fs::create_directories(fs::path(path).parent_path(), ignored);
    return cairo_surface_write_to_png(picture, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

// Pictures of an earlier mismatch would mislead once the case matches again.
void forget_earlier_output(const std::string& name) {
    std::error_code ignored;
    for (const char* what : {"actual", "expected", "difference"})
        fs::remove(output_path(name, what), ignored);
}

GoldenResult update(const std::string& name, cairo_surface_t* drawn) {
    const std::string path = golden_path(name);
    Picture golden = read_png(path);
    if (golden && compare_pictures(golden.get(), drawn).matches())
        return {Outcome::kept, "the golden " + path + " still matches; left as it is"};
    if (!write_png(drawn, path)) return {Outcome::mismatched, "cannot write " + path};
    return {Outcome::written, "wrote " + path + ": look at it before committing"};
}

}  // namespace

void PrintTo(Outcome outcome, std::ostream* out) {
    switch (outcome) {
    case Outcome::matched: *out << "matched"; return;
    case Outcome::mismatched: *out << "mismatched"; return;
    case Outcome::missing: *out << "missing"; return;
    case Outcome::written: *out << "written"; return;
    case Outcome::kept: *out << "kept"; return;
    }
    *out << "unknown outcome";
}

bool updating_goldens() {
    const char* value = std::getenv("PANEL_UPDATE_GOLDENS");
    return value != nullptr && std::string(value) == "1";
}

std::string golden_path(const std::string& name) {
    return std::string(GOLDEN_EXPECTED_DIR) + "/" + name + ".png";
}

GoldenResult check_golden(const std::string& name, cairo_surface_t* drawn) {
    forget_earlier_output(name);
    if (updating_goldens()) return update(name, drawn);

    const std::string path = golden_path(name);
    Picture golden = read_png(path);
    if (!golden) {
        const std::string actual = output_path(name, "actual");
        write_png(drawn, actual);
        return {Outcome::missing, "no readable golden " + path + "; the drawn picture is " +
                                      actual + " (scripts/update-goldens writes the goldens)"};
    }
    const Comparison comparison = compare_pictures(golden.get(), drawn);
    if (comparison.matches()) return {Outcome::matched, describe(comparison)};

    const std::string actual = output_path(name, "actual");
    const std::string expected = output_path(name, "expected");
    const std::string difference = output_path(name, "difference");
    write_png(drawn, actual);
    write_png(golden.get(), expected);
    std::string written = "drawn: " + actual + ", golden: " + expected;
    if (comparison.same_size) {
        Picture differences = difference_picture(golden.get(), drawn);
        write_png(differences.get(), difference);
        written += ", differences (red): " + difference;
    }
    return {Outcome::mismatched, "the picture does not match " + path + ": " +
                                     describe(comparison) + "; " + written};
}

}  // namespace golden
