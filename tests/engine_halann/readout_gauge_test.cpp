// The readout as the pilot meets it: one tooltip over the whole gauge and no clicks; the
// eight lines drawn in white, each on one of the face's grey panels.
#include <cairo.h>

#include <string>
#include <vector>

#include "panel_host/renderer.h"
#include "readout_panel.h"

namespace halann_test {
namespace {

constexpr uint32_t kReadoutHelpId = 0xa40f;

struct Pixel {
    int x;
    int y;
};

TEST_F(ReadoutPanel, TheWholeGaugeHasTheReadoutTooltipAndNoArea) {
    const panel_abi::ImageSize size = host_.design_size(readout_);
    ASSERT_EQ(size.width, 640);
    ASSERT_EQ(size.height, 300);
    const Pixel spots[] = {{0, 0},     {639, 0},  {0, 299},  {639, 299},
                           {320, 150}, {150, 90}, {460, 200}};
    for (const Pixel& spot : spots) {
        const panel_host::HoverInfo hover = host_.hover(readout_, spot.x, spot.y);
        EXPECT_EQ(hover.help_id, kReadoutHelpId) << "at " << spot.x << ", " << spot.y;
        EXPECT_FALSE(hover.over_area) << "at " << spot.x << ", " << spot.y;
        EXPECT_EQ(hover.cursor, panel_abi::kCursorNone) << "at " << spot.x << ", " << spot.y;
    }
}

TEST_F(ReadoutPanel, ClicksAndDragsSendNothingAndChangeNoLine) {
    set(kEngineSpeed, 16384);
    set(kEngineSpeedScale, 10000);
    frame();
    const std::vector<std::string> before = texts();
    using panel_host::MouseButton;
    for (MouseButton button : {MouseButton::left, MouseButton::right}) {
        host_.mouse_press(readout_, 150, 90, button);
        host_.mouse_move(readout_, 400, 200);
        host_.mouse_release();
        frame();
    }
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(texts(), before);
}

// Reads a drawn gauge's pixels as 0xRRGGBB.
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
    uint32_t at(int x, int y) const {
        const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface_));
        const unsigned char* row = cairo_image_surface_get_data(surface_) + y * stride;
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xffffff;
    }

private:
    cairo_surface_t* surface_;
};

constexpr uint32_t kPanelGrey = 0x414141;

bool is_white(uint32_t rgb) {
    return (rgb & 0xff) > 0xe0 && ((rgb >> 8) & 0xff) > 0xe0 && ((rgb >> 16) & 0xff) > 0xe0;
}

// Every line is drawn inside its box in white on the panel grey, and the box sits on a grey
// panel of the face: the one-pixel ring around each box is the same grey.
TEST_F(ReadoutPanel, LinesAreDrawnInWhiteOnTheFacesGreyPanels) {
    set(kManifoldPressure, 31200);
    set(kTurbineInlet, 1920);
    set(kOilTemperature, -1e9);  // the longest text, cut to eight characters
    set(kCylinderHead, 200);
    set(kEngineSpeed, 16384);
    set(kEngineSpeedScale, 10000);
    set(kFuelFlow, 90);
    set(kFuelWeightPerGallon, 6);
    set(kOilPressure, 17880);
    set(kSuction, 4.97);
    frame();

    panel_host::GaugeRenderer renderer(host_);
    const Drawing drawing(renderer.draw_alone(readout_));
    ASSERT_EQ(drawing.width(), 640);
    ASSERT_EQ(drawing.height(), 300);
    for (Line line : kAllLines) {
        SCOPED_TRACE(line_name(line));
        ASSERT_NE(state(line).element, nullptr);
        const panel_abi::TextString& box = record(line);
        const int left = box.header.position.x;
        const int top = box.header.position.y;
        const int right = left + box.box.width - 1;
        const int bottom = top + box.box.height - 1;
        ASSERT_GT(left, 0);
        ASSERT_GT(top, 0);
        ASSERT_LT(right + 1, drawing.width());
        ASSERT_LT(bottom + 1, drawing.height());

        int off_panel = 0;
        auto off_grey = [&](int x, int y) { return drawing.at(x, y) != kPanelGrey ? 1 : 0; };
        for (int x = left - 1; x <= right + 1; ++x)
            off_panel += off_grey(x, top - 1) + off_grey(x, bottom + 1);
        for (int y = top; y <= bottom; ++y)
            off_panel += off_grey(left - 1, y) + off_grey(right + 1, y);
        EXPECT_EQ(off_panel, 0) << "pixels around the box that are not the panel's grey";

        int white = 0, other = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                const uint32_t pixel = drawing.at(x, y);
                if (is_white(pixel))
                    ++white;
                else if (pixel != kPanelGrey)
                    ++other;  // the text's anti-aliased edges
            }
        EXPECT_GT(white, 100) << "the text is drawn in white";
        EXPECT_LT(other, white * 3) << "nothing but text on the grey";
    }
}

}  // namespace
}  // namespace halann_test
