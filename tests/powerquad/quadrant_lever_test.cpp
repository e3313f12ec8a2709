// The levers as drawn: each knob follows its own lever token and nothing else, so the
// picture always shows the simulator's levers; and each is drawn in its colour over its
// slot.
#include <cairo.h>

#include <cstdlib>
#include <string>

#include "panel_host/renderer.h"
#include "quadrant_panel.h"

namespace powerquad_test {
namespace {

// A lever fully forward is drawn about 42 pixels higher than fully back.
constexpr double kTravel = 41.99;
constexpr double kTolerance = 0.05;

struct KnobCase {
    const Lever* lever;
    double position;
    double top;  // where the knob's top is drawn
};

const KnobCase kKnobCases[] = {
    {&kPower, 0, 44.0},
    {&kPower, kLeverForward, 44.0 - kTravel},
    {&kPower, 8192, 44.0 - kTravel / 2},
    {&kPropeller, 0, 42.0},
    {&kPropeller, kLeverForward, 42.0 - kTravel},
    {&kPropeller, 4096, 42.0 - kTravel / 4},
    {&kMixture, 0, 42.0},
    {&kMixture, kLeverForward, 42.0 - kTravel},
    {&kMixture, 12288, 42.0 - kTravel * 3 / 4},
};

bool same(const Lever& a, const Lever& b) { return a.knob_image == b.knob_image; }

// Where a knob's top is drawn with its lever fully back.
double resting_top(const Lever& lever) { return same(lever, kPower) ? 44.0 : 42.0; }

using QuadrantLevers = QuadrantPanel;

TEST_F(QuadrantLevers, EachKnobFollowsOnlyItsOwnLever) {
    for (const KnobCase& c : kKnobCases) {
        SCOPED_TRACE(std::string(c.lever->name) + " lever at " + std::to_string(c.position));
        for (const Lever& lever : kLevers) set(lever.token, 0);
        set(c.lever->token, c.position);
        frame();
        for (const Lever& lever : kLevers) {
            const double expected_top = same(lever, *c.lever) ? c.top : resting_top(lever);
            EXPECT_NEAR(knob_top(lever), expected_top, kTolerance) << lever.name << " knob";
            EXPECT_EQ(knob(lever).slider_x, 0.0) << lever.name << " knob moves sideways";
        }
    }
}

// A drag only asks the simulator; the knob moves once the lever's token reports the move.
TEST_F(QuadrantLevers, AKnobMovesWhenTheSimulatorReportsTheLeverNotWhenDragged) {
    for (const Lever& lever : kLevers) {
        SCOPED_TRACE(lever.name);
        frame();
        const double resting = knob_top(lever);
        drag({{lever.strip_x, 60}, {lever.strip_x, 0}});
        frame();
        EXPECT_EQ(knob_top(lever), resting);

        const Events sent = take_events();
        ASSERT_FALSE(sent.empty());
        set(lever.token, sent.back().value);
        frame();
        EXPECT_NEAR(knob_top(lever), resting - kTravel, kTolerance);
    }
}

// Reads a drawn gauge's pixels.
class Drawing {
public:
    explicit Drawing(cairo_surface_t* surface) : surface_(surface) {
        cairo_surface_flush(surface_);
    }
    ~Drawing() { cairo_surface_destroy(surface_); }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    int width() const { return cairo_image_surface_get_width(surface_); }
    int height() const { return cairo_image_surface_get_height(surface_); }
    int red(int x, int y) const { return (at(x, y) >> 16) & 0xff; }
    int green(int x, int y) const { return (at(x, y) >> 8) & 0xff; }
    int blue(int x, int y) const { return at(x, y) & 0xff; }

private:
    uint32_t at(int x, int y) const {
        const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
        const unsigned char* row = cairo_image_surface_get_data(surface_) + y * stride;
        return reinterpret_cast<const uint32_t*>(row)[x];
    }
    cairo_surface_t* surface_;
};

// What a pixel of each knob looks like: blue, red, or (the power knob) very dark or light
// grey.
bool looks_like(const Lever& lever, const Drawing& d, int x, int y) {
    const int r = d.red(x, y), g = d.green(x, y), b = d.blue(x, y);
    if (same(lever, kPropeller)) return b > r + 60 && b > g + 30;
    if (same(lever, kMixture)) return r > g + 60 && r > b + 60;
    const bool grey = std::abs(r - g) < 12 && std::abs(g - b) < 12;
    return grey && (r < 0x50 || r > 0xb0);
}

bool light_grey(const Drawing& d, int x, int y) {
    const int r = d.red(x, y), g = d.green(x, y), b = d.blue(x, y);
    return std::abs(r - g) < 12 && std::abs(g - b) < 12 && r > 0xb0;
}

// Each knob is drawn in its colour where its lever puts it, centred on its strip, and the
// slot it runs in shows above it when the lever is back and below it when forward.
TEST_F(QuadrantLevers, KnobsAreDrawnInTheirColoursOverTheirSlots) {
    panel_host::GaugeRenderer renderer(host_);
    for (double position : {0.0, static_cast<double>(kLeverForward)}) {
        for (const Lever& lever : kLevers) set(lever.token, position);
        frame();
        const Drawing drawing(renderer.draw_alone(quadrant_));
        ASSERT_EQ(drawing.width(), 105);
        ASSERT_EQ(drawing.height(), 68);
        for (const Lever& lever : kLevers) {
            SCOPED_TRACE(std::string(lever.name) + " lever at " + std::to_string(position));
            const double top = knob_top(lever);
            // The knob's middle rows, across the strip's middle column and its neighbours.
            const int middle = static_cast<int>(top) + 12;
            int coloured = 0;
            for (int y = middle - 3; y <= middle + 3; ++y)
                for (int x = lever.strip_x - 3; x <= lever.strip_x + 3; ++x)
                    coloured += looks_like(lever, drawing, x, y);
            EXPECT_GT(coloured, 40) << "pixels of the knob's colour at its middle";

            // The slot: grey rim pixels in the rows the knob leaves free.
            const int free_row = position == 0.0 ? 12 : 60;
            int slot = 0;
            for (int x = lever.strip_x - 4; x <= lever.strip_x + 4; ++x) {
                const int r = drawing.red(x, free_row);
                slot += r > 0x50 && r < 0xa0 && std::abs(r - drawing.blue(x, free_row)) < 12;
            }
            EXPECT_GE(slot, 2) << "the slot's grey rim beside the strip's middle";
        }
        // The power knob's light stripe across its middle.
        const int stripe_row = static_cast<int>(knob_top(kPower)) + 12;
        int stripe = 0;
        for (int x = 5; x <= 34; ++x) stripe += light_grey(drawing, x, stripe_row);
        EXPECT_GT(stripe, 25) << "the power knob's stripe";
    }
}

}  // namespace
}  // namespace powerquad_test
