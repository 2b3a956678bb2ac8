#pragma once
// Where the table window puts its two views, its buttons and its six seat
// panels, chosen by the window's outer size. ComputeLayout is pure arithmetic;
// ApplyLayout moves the widgets to the computed places.
//
// A zoomed table is laid out in table pixels, as a window whose client area
// is the real one divided by the zoom, and then shown that many times larger:
// the width classes and every position keep their rules.

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
    int outerWidth = 0; // W the layout was computed for
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

// Moves the widgets to their places, `zoom` times as large as the table pixels.
void ApplyLayout(const LayoutResult& layout, const LayoutControls& controls, double zoom = 1);

// The client area of a window in table pixels at a zoom.
QSize TableClientSize(QSize client, double zoom);
// Whether everything the layout shows (the views with their bevels, the
// buttons and the panels) lies inside a client area of `tableClient`.
bool LayoutFits(const LayoutResult& layout, QSize tableClient);

// The zooms "Fit to window" chooses from: hundredths from 1 up to 4.
inline constexpr double SmallestFitZoom = 1.0;
inline constexpr double LargestFitZoom = 4.0;
// The largest zoom at which the layout of a window with this client area
// still fits in it and shows the whole table: a window large enough for all
// its buttons at 100% keeps them (the small class, which hides them, would
// otherwise win on every large screen). `frame` is what the window adds
// around its client area (border, caption, menu bar), which is not zoomed.
// 1 when nothing larger fits.
double FitZoom(QSize client, QSize frame);

} // namespace dealmoor
