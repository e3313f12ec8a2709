// picture_builder: makes a module's pictures and their embedding at build time.
//
//   picture_builder render <source> <width> <height> <bits> <output.bmp>
//   picture_builder preview <source> <width> <height> <bits> <output.png> [scale]
//   picture_builder embed-linux <output.cpp> <resource>...
//   picture_builder embed-rc <output.rc> <resource>...
//   picture_builder list-drawings
//
// A source is an SVG file or "draw:<name>"; bits is 8 (palettised) or 24. A resource is
// bitmap:<id>=<file.bmp> or raw:<name>=<file>.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "drawings.h"
#include "embed_linux.h"
#include "embed_rc.h"
#include "file_io.h"
#include "png_preview.h"
#include "quantize.h"
#include "render_source.h"
#include "resource_list.h"

namespace picture_builder {

namespace {

// Larger pictures than this are a typing error in a manifest.
constexpr int kLargestSide = 4096;
constexpr int kLargestPreviewScale = 16;

struct PictureRequest {
    std::string source;
    int width = 0;
    int height = 0;
    int bits = 0;
};

bool parse_int(const std::string& text, int lowest, int highest, int& value) {
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    return code == std::errc() && end == text.data() + text.size() && value >= lowest &&
           value <= highest;
}

bool parse_request(const std::vector<std::string>& args, PictureRequest& request,
                   std::string& error) {
    request.source = args[0];
    if (!parse_int(args[1], 1, kLargestSide, request.width) ||
        !parse_int(args[2], 1, kLargestSide, request.height)) {
        error = "width and height must be 1 to " + std::to_string(kLargestSide);
        return false;
    }
    if (!parse_int(args[3], 8, 24, request.bits) || (request.bits != 8 && request.bits != 24)) {
        error = "bits must be 8 or 24";
        return false;
    }
    return true;
}

// The picture as it ends up in the module: palettised for 8 bits, as rendered for 24.
struct Picture {
    RgbImage rgb;
    std::optional<IndexedImage> indexed;
};

std::optional<Picture> make_picture(const PictureRequest& request, std::string& error) {
    std::optional<RgbImage> rendered =
        render_source(request.source, request.width, request.height, error);
    if (!rendered) return std::nullopt;
    Picture picture{.rgb = std::move(*rendered), .indexed = std::nullopt};
    if (request.bits == 8) {
        picture.indexed = quantize(picture.rgb, error);
        if (!picture.indexed) return std::nullopt;
        for (size_t i = 0; i < picture.rgb.pixels.size(); ++i)
            picture.rgb.pixels[i] = picture.indexed->palette[picture.indexed->indices[i]];
    }
    return picture;
}

bool render(const std::vector<std::string>& args, std::string& error) {
    PictureRequest request;
    if (!parse_request(args, request, error)) return false;
    std::optional<Picture> picture = make_picture(request, error);
    if (!picture) return false;
    const std::vector<uint8_t> bmp =
        picture->indexed ? encode_bmp8(*picture->indexed) : encode_bmp24(picture->rgb);
    return write_file(args[4], bmp.data(), bmp.size(), error);
}

bool preview(const std::vector<std::string>& args, std::string& error) {
    PictureRequest request;
    if (!parse_request(args, request, error)) return false;
    int scale = 1;
    if (args.size() > 5 && !parse_int(args[5], 1, kLargestPreviewScale, scale)) {
        error = "scale must be 1 to " + std::to_string(kLargestPreviewScale);
        return false;
    }
    std::optional<Picture> picture = make_picture(request, error);
    return picture && write_png_preview(picture->rgb, scale, args[4], error);
}

template <typename Writer>
bool embed(const std::vector<std::string>& args, Writer write, std::string& error) {
    const std::vector<std::string> resources(args.begin() + 1, args.end());
    std::optional<std::vector<ResourceFile>> files = parse_resource_list(resources, error);
    return files && write(*files, args[0], error);
}

void list_drawings() {
    for (const Drawing& drawing : drawings()) std::printf("%s: %s\n", drawing.name, drawing.description);
}

int usage() {
    std::fputs(
        "usage: picture_builder render <source> <width> <height> <bits> <output.bmp>\n"
        "       picture_builder preview <source> <width> <height> <bits> <output.png> [scale]\n"
        "       picture_builder embed-linux <output.cpp> <resource>...\n"
        "       picture_builder embed-rc <output.rc> <resource>...\n"
        "       picture_builder list-drawings\n"
        "a source is an SVG file or draw:<name>; bits is 8 or 24;\n"
        "a resource is bitmap:<id>=<file.bmp> or raw:<name>=<file>\n",
        stderr);
    return 2;
}

int run(const std::vector<std::string>& args) {
    if (args.empty()) return usage();
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    std::string error;
    bool ok = false;
    if (command == "render" && rest.size() == 5) ok = render(rest, error);
    else if (command == "preview" && (rest.size() == 5 || rest.size() == 6)) ok = preview(rest, error);
    else if (command == "embed-linux" && !rest.empty()) ok = embed(rest, write_linux_embedding, error);
    else if (command == "embed-rc" && !rest.empty()) ok = embed(rest, write_rc_script, error);
    else if (command == "list-drawings" && rest.empty()) {
        list_drawings();
        ok = true;
    } else return usage();
    if (!ok) std::fprintf(stderr, "picture_builder %s: %s\n", command.c_str(), error.c_str());
    return ok ? 0 : 1;
}

}  // namespace

}  // namespace picture_builder

int main(int argc, char** argv) {
    return picture_builder::run(std::vector<std::string>(argv + 1, argv + argc));
}
