// The needle points at the painted mark. For every table row of every dial, the gauge is
// set to the row's value and drawn by the host twice: the face alone (both needles hidden)
// and the needle alone (face and other needle hidden). The needle's tip pixels must lie on
// a bright scale mark of the face, and the mark's centre line must run where the host turned
// the needle. Both are read from the pictures, so a face whose marks drifted from the
// nonlinearity table, or a needle bitmap whose pointer is not where its rotation centre
// says, fails.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "needle_values.h"
#include "panel_host/renderer.h"
#include "twin_needle_gauge.h"

namespace twin_needle_test {
namespace {

constexpr double kDegrees = M_PI / 180.0;

// The needle's last pixels: from here to its tip, 99 pixels from the pivot.
constexpr double kTipFrom = 96;
constexpr double kTipTo = 99;
// A needle pixel is one it covers at least this much (alpha of 255).
constexpr int kNeedleCoverage = 128;
// A mark pixel of the face is at least this bright in its brightest channel; the dial is
// nearly black.
constexpr double kMarkBrightness = 0x70;
// How far the mark's centre line may be from the needle's direction: a quarter of a pixel
// at the tip (antialiasing and the 256-colour palette move the drawn centre a little).
constexpr double kLargestOffsetDegrees = 0.15;

// Reads pixels of a drawn gauge.
class Pixels {
public:
    explicit Pixels(cairo_surface_t* surface) : surface_(surface) {
        cairo_surface_flush(surface_);
        data_ = cairo_image_surface_get_data(surface_);
        stride_ = cairo_image_surface_get_stride(surface_);
        width_ = cairo_image_surface_get_width(surface_);
        height_ = cairo_image_surface_get_height(surface_);
    }
    uint32_t at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
        return reinterpret_cast<const uint32_t*>(data_ + y * stride_)[x];
    }
    int alpha(int x, int y) const { return static_cast<int>(at(x, y) >> 24); }
    // The brightest colour channel of the pixel.
    double brightness(int x, int y) const {
        const uint32_t pixel = at(x, y);
        return std::max({(pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff}) * 1.0;
    }
    // Brightness between pixel centres, at a point in gauge coordinates.
    double brightness_at(double x, double y) const {
        const double fx = x - 0.5, fy = y - 0.5;
        const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
        const double tx = fx - x0, ty = fy - y0;
        return (1 - tx) * (1 - ty) * brightness(x0, y0) + tx * (1 - ty) * brightness(x0 + 1, y0) +
               (1 - tx) * ty * brightness(x0, y0 + 1) + tx * ty * brightness(x0 + 1, y0 + 1);
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    cairo_surface_t* surface_;
    const unsigned char* data_;
    int stride_, width_, height_;
};

struct Pivot {
    double x;
    double y;
};

// The direction (degrees, clockwise from pointing right) of the bright mark that crosses
// the circle of `radius` nearest to `direction`: the brightness-weighted centre of the run
// of bright points around it. NaN when no mark is there.
double mark_direction(const Pixels& face, Pivot pivot, double radius, double direction) {
    constexpr double kStep = 0.02;
    constexpr double kFarthest = 4;  // degrees either way
    auto brightness = [&](double degrees) {
        return face.brightness_at(pivot.x + radius * std::cos(degrees * kDegrees),
                                  pivot.y + radius * std::sin(degrees * kDegrees));
    };
    if (brightness(direction) < kMarkBrightness) return NAN;
    double weighted = 0, total = 0;
    for (int side : {-1, 1}) {
        for (double offset = side > 0 ? kStep : 0; offset <= kFarthest; offset += kStep) {
            const double degrees = direction + side * offset;
            const double b = brightness(degrees);
            if (b < kMarkBrightness) break;
            weighted += b * degrees;
            total += b;
        }
    }
    return weighted / total;
}

void set_hidden(panel_host::PanelHost& host, panel_host::InstanceId instance, int index,
                bool hidden) {
    panel_abi::Element* element = host.elements(instance).at(index).element;
    if (hidden)
        element->image_flags |= panel_abi::kImageHidden;
    else
        element->image_flags &= ~panel_abi::kImageHidden;
}

struct DialCase {
    const char* member;
    Dial dial;
};

std::ostream& operator<<(std::ostream& out, const DialCase& c) {
    return out << c.member << " " << dial_name(c.dial);
}

class NeedleOnMark : public ::testing::TestWithParam<DialCase> {};

TEST_P(NeedleOnMark, AtEveryTableRow) {
    const std::string member = GetParam().member;
    const Dial dial = GetParam().dial;
    TwinNeedleGauge gauge(member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    panel_host::PanelHost& host = gauge.host();
    // Pre-order: face, right needle, left needle, left lamp, right lamp.
    constexpr int kFace = 0, kRightNeedle = 1, kLeftNeedle = 2;
    const int this_needle = dial == Dial::left ? kLeftNeedle : kRightNeedle;
    const int other_needle = dial == Dial::left ? kRightNeedle : kLeftNeedle;
    const panel_abi::Point position = gauge.needle(dial).element->position;
    const Pivot pivot{static_cast<double>(position.x), static_cast<double>(position.y)};

    set_hidden(host, gauge.instance(), kRightNeedle, true);
    set_hidden(host, gauge.instance(), kLeftNeedle, true);
    gauge.frame();
    const Picture face_picture = gauge.draw();
    const Pixels face(face_picture.get());
    set_hidden(host, gauge.instance(), kFace, true);
    set_hidden(host, gauge.instance(), this_needle, false);
    set_hidden(host, gauge.instance(), other_needle, true);

    for (const twin_needle::DialPoint& row : dial_geometry(member, dial).points) {
        SCOPED_TRACE(::testing::Message() << member << " " << dial_name(dial) << " at "
                                          << row.value);
        gauge.set(tokens_showing(member, dial, row.value));
        gauge.frame();
        const double angle = gauge.needle(dial).needle_angle;
        const Picture needle_picture = gauge.draw();
        const Pixels needle(needle_picture.get());

        // The face has a mark where the host turned the needle, centred on its direction.
        const double mark = mark_direction(face, pivot, (kTipFrom + kTipTo) / 2, angle);
        ASSERT_FALSE(std::isnan(mark)) << "no mark on the face at " << angle << " degrees";
        EXPECT_NEAR(std::remainder(mark - angle, 360.0), 0.0, kLargestOffsetDegrees);

        // Every pixel the needle's tip covers shows a mark on the face.
        int tip_pixels = 0;
        for (int y = 0; y < needle.height(); ++y) {
            for (int x = 0; x < needle.width(); ++x) {
                const double distance = std::hypot(x + 0.5 - pivot.x, y + 0.5 - pivot.y);
                if (distance < kTipFrom || distance > kTipTo) continue;
                if (needle.alpha(x, y) < kNeedleCoverage) continue;
                ++tip_pixels;
                EXPECT_GE(face.brightness(x, y), kMarkBrightness)
                    << "the needle's tip covers pixel " << x << ", " << y << " off the mark";
            }
        }
        EXPECT_GT(tip_pixels, 0) << "no needle tip drawn";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dials, NeedleOnMark,
    ::testing::Values(DialCase{"halttff", Dial::left}, DialCase{"halttff", Dial::right},
                      DialCase{"halfuel", Dial::left}, DialCase{"halfuel", Dial::right},
                      DialCase{"halchvc", Dial::left}, DialCase{"halchvc", Dial::right},
                      DialCase{"halmprp", Dial::left}, DialCase{"halmprp", Dial::right},
                      DialCase{"halotop", Dial::left}, DialCase{"halotop", Dial::right}),
    [](const ::testing::TestParamInfo<DialCase>& info) {
        return std::string(info.param.member) + "_" + dial_name(info.param.dial);
    });

// The fonts and patterns cairo and fontconfig keep for the process go back once every test
// has drawn, so that a leak checker sees only what the tests lost.
class DrawingCaches : public ::testing::Environment {
public:
    void TearDown() override { panel_host::release_drawing_caches(); }
};

[[maybe_unused]] ::testing::Environment* const kDrawingCaches =
    ::testing::AddGlobalTestEnvironment(new DrawingCaches);

}  // namespace
}  // namespace twin_needle_test
