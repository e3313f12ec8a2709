// A cairo image surface owned by the test, destroyed with it.
#pragma once

#include <cairo.h>

#include <memory>

namespace golden {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Picture = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

}  // namespace golden
