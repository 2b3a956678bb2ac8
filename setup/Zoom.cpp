#include "setup/Zoom.h"

#include <algorithm>

namespace dealmoor {

namespace {

// Within half a percent the shown size counts as that step.
constexpr double SameStep = 0.5;

} // namespace

int UsableZoom(int stored) {
    const bool known = stored == ZoomToFit ||
                       std::find(ZoomSteps.begin(), ZoomSteps.end(), stored) != ZoomSteps.end();
    return known ? stored : NormalZoom;
}

int LargerZoom(double shownPercent) {
    for (const int step : ZoomSteps) {
        if (step > shownPercent + SameStep)
            return step;
    }
    return ZoomSteps.back();
}

int SmallerZoom(double shownPercent) {
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step) {
        if (*step < shownPercent - SameStep)
            return *step;
    }
    return ZoomSteps.front();
}

} // namespace dealmoor
