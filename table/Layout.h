#pragma once
// Where the table window puts its two views, its buttons and its six seat
// panels, chosen by the window's outer size. ComputeLayout is pure arithmetic;
// ApplyLayout moves the widgets to the computed places.

#include "engine/Game.h"
#include "table/TableCanvas.h"

#include <QRect>

#include <array>

class QAbstractButton;
class QWidget;

namespace dealmoor {

// The four width classes of the table window.
enum class LayoutClass { Small, Medium, Large, ExtraLarge };

struct LayoutResult {
    LayoutClass widthClass = LayoutClass::Small;
    Area DealerArea;
    Area SeatArea;
    // Buttons in the client area's coordinates.
    QRect Button6;                            // "&Deal"
    QRect Button4;                            // "E&xit"
    QRect Button2;                            // "&New Game"
    QRect Button3;                            // speed
    QRect Button1;                            // "&Catalog"
    QRect BitBtn1;                            // help
    bool extraButtonsVisible = false;         // all but Deal
    std::array<QRect, MaxSeats + 1> Panels{}; // 1..6
    int bevelWidth = 1;
};

// Outer widths at which the larger classes begin.
inline constexpr int MediumFromWidth = 781;
inline constexpr int LargeFromWidth = 1001;
inline constexpr int ExtraLargeFromWidth = 1126;

LayoutClass ClassOfWidth(int outerWidth);
LayoutResult ComputeLayout(int outerWidth, int outerHeight);

// The widgets the layout moves; the panels are indexed 1..6.
struct LayoutControls {
    TableCanvas* canvas = nullptr;
    QAbstractButton* Button6 = nullptr;
    QAbstractButton* Button4 = nullptr;
    QAbstractButton* Button2 = nullptr;
    QAbstractButton* Button3 = nullptr;
    QAbstractButton* Button1 = nullptr;
    QAbstractButton* BitBtn1 = nullptr;
    std::array<SeatPanelView*, MaxSeats + 1> panels{};
};

void ApplyLayout(const LayoutResult& layout, const LayoutControls& controls);

} // namespace dealmoor
