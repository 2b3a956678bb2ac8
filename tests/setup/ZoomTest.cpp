// The zoom steps: what a stored value shows, and where Zoom In and Zoom Out go
// from the size shown now, also from a fitting size between two steps.

#include "setup/Zoom.h"

#include <gtest/gtest.h>

namespace dealmoor {
namespace {

TEST(Zoom, OnlyTheStepsAndTheFittingSizeAreKept) {
    for (const int kept : {0, 100, 125, 150, 200}) {
        EXPECT_EQ(UsableZoom(kept), kept);
    }
    for (const int other : {-100, 1, 50, 99, 101, 175, 250, 400}) {
        EXPECT_EQ(UsableZoom(other), NormalZoom) << other;
    }
}

TEST(Zoom, InAndOutStepFromTheSizeShownAndStopAtTheEnds) {
    const struct {
        double shown;
        int larger;
        int smaller;
    } cases[] = {
        {100, 125, 100},
        {125, 150, 100},
        {150, 200, 125},
        {200, 200, 150},
        // A fitting size between steps goes to the neighbouring steps.
        {137.0, 150, 125},
        {100.3, 125, 100}, // as good as 100%
        {249.0, 200, 200}, // a fit larger than every step comes back to the largest
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LargerZoom(c.shown), c.larger) << c.shown;
        EXPECT_EQ(SmallerZoom(c.shown), c.smaller) << c.shown;
    }
}

} // namespace
} // namespace dealmoor
