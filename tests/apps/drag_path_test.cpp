// The positions a scripted drag moves the pointer through.
#include <gtest/gtest.h>

#include <vector>

#include "drag_path.h"

namespace panel_runner {
namespace {

struct DragCase {
    Drag drag;
    std::vector<PointerPosition> expected;
};

class FollowsDragPath : public testing::TestWithParam<DragCase> {};

TEST_P(FollowsDragPath, InEvenSteps) { EXPECT_EQ(drag_path(GetParam().drag), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Drags, FollowsDragPath,
    testing::Values(
        DragCase{Drag{"q", 10, 20, 10, 80, 3}, {{10, 40}, {10, 60}, {10, 80}}},
        DragCase{Drag{"q", 0, 0, 5, -5, 1}, {{5, -5}}},
        // Thirds of 10 round to the nearest pixel, halves away from the start.
        DragCase{Drag{"q", 0, 0, 10, -10, 3}, {{3, -3}, {7, -7}, {10, -10}}},
        DragCase{Drag{"q", 0, 0, 3, -3, 2}, {{2, -2}, {3, -3}}},
        DragCase{Drag{"q", 4, 4, 4, 4, 2}, {{4, 4}, {4, 4}}},
        DragCase{Drag{"q", -100000, 100000, 100000, -100000, 4},
                 {{-50000, 50000}, {0, 0}, {50000, -50000}, {100000, -100000}}}));

}  // namespace
}  // namespace panel_runner
