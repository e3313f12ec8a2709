#include "quantize.h"

#include <libimagequant.h>

#include <algorithm>
#include <limits>
#include <map>

namespace picture_builder {

namespace {

constexpr size_t kPaletteSize = 256;
// A colour covering at least this share of the picture is a flat fill and keeps its colour.
constexpr double kFlatFillShare = 0.005;
// At most this many palette entries are reserved for flat fills; the rest follow the art.
constexpr size_t kMostFixedColours = 64;

uint32_t key(Rgb colour) { return (colour.r << 16) | (colour.g << 8) | colour.b; }

Rgb colour_of(uint32_t key) {
    return Rgb{.r = static_cast<uint8_t>(key >> 16), .g = static_cast<uint8_t>(key >> 8),
               .b = static_cast<uint8_t>(key)};
}

int distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

std::map<uint32_t, size_t> count_colours(const RgbImage& image) {
    std::map<uint32_t, size_t> counts;
    for (Rgb colour : image.pixels) ++counts[key(colour)];
    return counts;
}

// Few enough colours: the palette is the picture's own colours, in colour order.
IndexedImage exact_palette(const RgbImage& image, const std::map<uint32_t, size_t>& counts) {
    IndexedImage result{.width = image.width, .height = image.height, .palette = {}, .indices = {}};
    std::map<uint32_t, uint8_t> index_of;
    for (const auto& [colour, count] : counts) {
        index_of[colour] = static_cast<uint8_t>(result.palette.size());
        result.palette.push_back(colour_of(colour));
    }
    result.indices.reserve(image.pixels.size());
    for (Rgb colour : image.pixels) result.indices.push_back(index_of[key(colour)]);
    return result;
}

// Black, if the picture has it, then the colours of its largest flat fills.
std::vector<Rgb> fixed_colours(const RgbImage& image, const std::map<uint32_t, size_t>& counts) {
    std::vector<std::pair<size_t, uint32_t>> by_area;
    for (const auto& [colour, count] : counts) by_area.emplace_back(count, colour);
    std::sort(by_area.begin(), by_area.end(), std::greater<>());
    std::vector<Rgb> fixed;
    if (counts.contains(0)) fixed.push_back(Rgb{});
    const double flat_fill_pixels = kFlatFillShare * image.pixels.size();
    for (const auto& [count, colour] : by_area) {
        if (fixed.size() >= kMostFixedColours || count < flat_fill_pixels) break;
        if (colour != 0) fixed.push_back(colour_of(colour));
    }
    return fixed;
}

size_t nearest_entry(const std::vector<Rgb>& palette, Rgb colour,
                     const std::vector<bool>& excluded) {
    size_t best = palette.size();
    int best_distance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        if (excluded[i]) continue;
        const int d = distance(palette[i], colour);
        if (d < best_distance) {
            best_distance = d;
            best = i;
        }
    }
    return best;
}

// Puts every fixed colour into the palette exactly: found as it is, added while there is
// room, or else written over the nearest entry that no other fixed colour holds.
bool place_fixed_colours(std::vector<Rgb>& palette, const std::vector<Rgb>& fixed,
                         std::string& error) {
    std::vector<bool> held(palette.size(), false);
    for (Rgb colour : fixed) {
        const auto found = std::find(palette.begin(), palette.end(), colour);
        if (found != palette.end()) {
            held[found - palette.begin()] = true;
            continue;
        }
        if (palette.size() < kPaletteSize) {
            palette.push_back(colour);
            held.push_back(true);
            continue;
        }
        const size_t entry = nearest_entry(palette, colour, held);
        if (entry == palette.size()) {
            error = "more fixed colours than palette entries";
            return false;
        }
        palette[entry] = colour;
        held[entry] = true;
    }
    return true;
}

// Maps every pixel to its nearest palette colour, under the black rule: pure black pixels
// take a pure black entry, all other pixels take the nearest entry that is not pure black.
bool map_pixels(IndexedImage& result, const RgbImage& image, std::string& error) {
    std::vector<bool> black_entries(result.palette.size());
    for (size_t i = 0; i < result.palette.size(); ++i)
        black_entries[i] = is_pure_black(result.palette[i]);
    std::vector<bool> no_exclusion(result.palette.size(), false);
    std::map<uint32_t, uint8_t> index_of;
    result.indices.resize(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const Rgb source = image.pixels[i];
        auto cached = index_of.find(key(source));
        if (cached == index_of.end()) {
            const size_t entry = nearest_entry(result.palette, source,
                                               is_pure_black(source) ? no_exclusion : black_entries);
            if (entry == result.palette.size() ||
                is_pure_black(result.palette[entry]) != is_pure_black(source)) {
                error = "palette cannot keep pure black apart from the other colours";
                return false;
            }
            cached = index_of.emplace(key(source), static_cast<uint8_t>(entry)).first;
        }
        result.indices[i] = cached->second;
    }
    return true;
}

std::optional<IndexedImage> quantize_with_libimagequant(const RgbImage& image,
                                                        const std::vector<Rgb>& fixed,
                                                        std::string& error) {
    std::vector<liq_color> rgba;
    rgba.reserve(image.pixels.size());
    for (Rgb colour : image.pixels)
        rgba.push_back(liq_color{.r = colour.r, .g = colour.g, .b = colour.b, .a = 255});

    liq_attr* attr = liq_attr_create();
    liq_set_max_colors(attr, static_cast<int>(kPaletteSize));
    liq_set_speed(attr, 1);
    liq_image* input = liq_image_create_rgba(attr, rgba.data(), image.width, image.height, 0);
    for (Rgb colour : fixed)
        liq_image_add_fixed_color(input,
                                  liq_color{.r = colour.r, .g = colour.g, .b = colour.b, .a = 255});
    liq_result* quantised = nullptr;
    std::optional<IndexedImage> result;
    if (input == nullptr || liq_image_quantize(input, attr, &quantised) != LIQ_OK) {
        error = "libimagequant could not quantise the picture";
    } else {
        // Mapping is done below, by nearest colour: no dithering, which would scatter
        // neighbouring colours, black among them, into flat art.
        IndexedImage indexed{.width = image.width, .height = image.height, .palette = {},
                             .indices = {}};
        const liq_palette* palette = liq_get_palette(quantised);
        for (unsigned i = 0; i < palette->count; ++i)
            indexed.palette.push_back(Rgb{.r = palette->entries[i].r,
                                          .g = palette->entries[i].g,
                                          .b = palette->entries[i].b});
        if (place_fixed_colours(indexed.palette, fixed, error) && map_pixels(indexed, image, error))
            result = std::move(indexed);
        liq_result_destroy(quantised);
    }
    if (input != nullptr) liq_image_destroy(input);
    liq_attr_destroy(attr);
    return result;
}

}  // namespace

std::optional<IndexedImage> quantize(const RgbImage& image, std::string& error) {
    const std::map<uint32_t, size_t> counts = count_colours(image);
    if (counts.size() <= kPaletteSize) return exact_palette(image, counts);
    return quantize_with_libimagequant(image, fixed_colours(image, counts), error);
}

}  // namespace picture_builder
