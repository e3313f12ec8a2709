// Once every test has run, hand back the fonts and patterns that cairo and fontconfig keep
// for the whole process, so that a leak checker sees only what the tests themselves lost.
#include <gtest/gtest.h>

#include "panel_host/renderer.h"

namespace halann_test {
namespace {

class DrawingCaches : public ::testing::Environment {
public:
    void TearDown() override { panel_host::release_drawing_caches(); }
};

[[maybe_unused]] ::testing::Environment* const kDrawingCaches =
    ::testing::AddGlobalTestEnvironment(new DrawingCaches);

}  // namespace
}  // namespace halann_test
