// The audio panel as the host draws it: the marker case lights the matching segment of the
// strip, and a lit lamp covers its button's unlit bar with pure green.
#include <cairo.h>

#include <memory>

#include "audpnl_panel.h"
#include "panel_host/renderer.h"

namespace navstack_audpnl_test {
namespace {

struct Rgb {
    int r, g, b;
};

class Drawing {
public:
    explicit Drawing(cairo_surface_t* surface) : surface_(surface) { cairo_surface_flush(surface_); }
    ~Drawing() { cairo_surface_destroy(surface_); }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    Rgb at(int x, int y) const {
        const int stride = cairo_image_surface_get_stride(surface_);
        const unsigned char* pixel = cairo_image_surface_get_data(surface_) + y * stride + 4 * x;
        return {pixel[2], pixel[1], pixel[0]};  // ARGB32 is stored B, G, R, A
    }

private:
    cairo_surface_t* surface_;
};

// A point inside each segment of the strip (top left corner inside the rounded lamp).
constexpr int kSegmentY = 20;
constexpr int kInnerSegmentX = 11;   // A
constexpr int kOuterSegmentX = 31;   // O
constexpr int kMiddleSegmentX = 51;  // M

bool white(Rgb c) { return c.r > 240 && c.g > 240 && c.b > 240; }
bool bright_cyan(Rgb c) { return c.r < 140 && c.g > 200 && c.b > 200; }
bool pale_yellow(Rgb c) { return c.r > 220 && c.g > 220 && c.b < 200; }
bool pure_green(Rgb c) { return c.r < 40 && c.g > 220 && c.b < 40; }
bool pale_green(Rgb c) { return c.r > 120 && c.g > 160 && c.b > 120 && c.g > c.r; }

struct Lit {
    bool inner, outer, middle;
    bool operator==(const Lit&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Lit& lit) {
    return out << "{A " << lit.inner << ", O " << lit.outer << ", M " << lit.middle << "}";
}

struct MarkerDrawing {
    double beacon;
    Lit lit;
};

std::ostream& operator<<(std::ostream& out, const MarkerDrawing& m) {
    return out << "beacon " << m.beacon;
}

class AudpnlMarkerDrawing : public AudpnlPanel,
                            public ::testing::WithParamInterface<MarkerDrawing> {};

TEST_P(AudpnlMarkerDrawing, LightsTheMatchingSegment) {
    set(kMarkerReceived, GetParam().beacon);
    frame();
    panel_host::GaugeRenderer renderer(host_);
    const Drawing drawing(renderer.draw_alone(audpnl_));
    const Lit lit{white(drawing.at(kInnerSegmentX, kSegmentY)),
                  bright_cyan(drawing.at(kOuterSegmentX, kSegmentY)),
                  pale_yellow(drawing.at(kMiddleSegmentX, kSegmentY))};
    EXPECT_EQ(lit, GetParam().lit);
}

INSTANTIATE_TEST_SUITE_P(Beacons, AudpnlMarkerDrawing,
                         ::testing::Values(MarkerDrawing{0, {false, false, false}},
                                           MarkerDrawing{1, {false, true, false}},
                                           MarkerDrawing{2, {false, false, true}},
                                           MarkerDrawing{3, {true, false, false}}));

TEST_F(AudpnlPanel, ALitLampCoversItsUnlitBarUntilAFailureBlanksIt) {
    const auto bar_centre = [&](Lamp which) {
        const panel_abi::Point at = lamp(which).element->position;
        return std::pair{at.x + 9, at.y + 2};
    };
    press(kAdfButton);
    frame();
    panel_host::GaugeRenderer renderer(host_);
    {
        const Drawing drawing(renderer.draw_alone(audpnl_));
        const auto [adf_x, adf_y] = bar_centre(Lamp::adf);
        EXPECT_TRUE(pure_green(drawing.at(adf_x, adf_y)));
        const auto [dme_x, dme_y] = bar_centre(Lamp::dme);
        EXPECT_TRUE(pale_green(drawing.at(dme_x, dme_y))) << "the face's unlit bar";
    }
    host_.set_failure(0x14, true);
    frame();
    const Drawing drawing(renderer.draw_alone(audpnl_));
    const auto [adf_x, adf_y] = bar_centre(Lamp::adf);
    EXPECT_TRUE(pale_green(drawing.at(adf_x, adf_y)));
}

class DrawingCaches : public ::testing::Environment {
public:
    void TearDown() override { panel_host::release_drawing_caches(); }
};

[[maybe_unused]] ::testing::Environment* const kDrawingCaches =
    ::testing::AddGlobalTestEnvironment(new DrawingCaches);

}  // namespace
}  // namespace navstack_audpnl_test
