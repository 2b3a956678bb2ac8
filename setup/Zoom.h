#pragma once
// How large the table is shown: a percentage of its table pixels, or as large
// as the window allows. Kept in the settings file as a percentage, 0 for the
// fitting size; the table window offers the steps below.

#include <array>

namespace dealmoor {

inline constexpr int ZoomToFit = 0;
inline constexpr int NormalZoom = 100;
inline constexpr std::array<int, 4> ZoomSteps = {100, 125, 150, 200};

// A stored zoom as the table can show it: one of the steps or the fitting
// size; anything else (a value edited by hand, a future step) the normal size.
int UsableZoom(int stored);

// The next step up or down from the percentage shown now (for the fitting
// size, the percentage it came to). Past the last step it stays there.
int LargerZoom(double shownPercent);
int SmallerZoom(double shownPercent);

} // namespace dealmoor
