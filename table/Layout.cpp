#include "table/Layout.h"

#include <QAbstractButton>

#include <algorithm>
#include <vector>

namespace dealmoor {

namespace {

struct Size {
    int w;
    int h;
};

// Per class: where the two views start, the button size, and the seat panels.
struct ClassMetrics {
    int dealerLeft;
    int seatLeft;
    int viewTop;
    Size button;
    Size panel;
    int bevel;
};

constexpr ClassMetrics SmallMetrics{5, 265, 5, {97, 41}, {105, 56}, 1};
constexpr ClassMetrics MediumMetrics{10, 280, 10, {140, 48}, {240, 85}, 2};
constexpr ClassMetrics LargeMetrics{10, 275, 10, {140, 56}, {230, 230}, 2};
constexpr ClassMetrics ExtraLargeMetrics{20, 300, 0, {148, 64}, {230, 230}, 2};

// In the small class only Deal shows, in a fixed place beside the seat view.
constexpr QPoint SmallDealPlace{524, 376};
// The extra large class keeps the views this far below 714 pixels of window height.
constexpr int ExtraLargeBaseHeight = 714;
constexpr int ExtraLargeBaseWidth = 1017;

const ClassMetrics& MetricsOf(LayoutClass c) {
    switch (c) {
    case LayoutClass::Small:
        return SmallMetrics;
    case LayoutClass::Medium:
        return MediumMetrics;
    case LayoutClass::Large:
        return LargeMetrics;
    case LayoutClass::ExtraLarge:
        break;
    }
    return ExtraLargeMetrics;
}

Area AreaAt(int left, int top) {
    return Area{left, top, left + ViewWidth, top + ViewHeight};
}

// The panels of seat i = 1..6 by class; V and u only matter in the extra large class.
QRect PanelRect(LayoutClass c, int i, int W, const Area& seatArea, int V, int u) {
    const Size p = MetricsOf(c).panel;
    switch (c) {
    case LayoutClass::Small:
        return {W - 112, 62 * (i - 1) + 4, p.w, p.h};
    case LayoutClass::Medium:
        return {W - 250, 91 * (i - 1) + 6, p.w, p.h};
    case LayoutClass::Large:
        return {i % 2 == 1 ? W - 485 : W - 250, 234 * ((i - 1) / 2) + 6, p.w, p.h};
    case LayoutClass::ExtraLarge:
        break;
    }
    const int firstColumn = seatArea.right + u;
    return {i % 2 == 1 ? firstColumn : firstColumn + 230 + u, V + (V + 230) * ((i - 1) / 2), p.w,
            p.h};
}

} // namespace

LayoutClass ClassOfWidth(int outerWidth) {
    if (outerWidth >= ExtraLargeFromWidth)
        return LayoutClass::ExtraLarge;
    if (outerWidth >= LargeFromWidth)
        return LayoutClass::Large;
    if (outerWidth >= MediumFromWidth)
        return LayoutClass::Medium;
    return LayoutClass::Small;
}

LayoutResult ComputeLayout(int W, int H) {
    LayoutResult r;
    r.widthClass = ClassOfWidth(W);
    r.outerWidth = W;
    const ClassMetrics& m = MetricsOf(r.widthClass);
    const bool extraLarge = r.widthClass == LayoutClass::ExtraLarge;

    // A window too low for the extra large formulas keeps its views on screen
    // instead of pushing them above the top edge.
    const int V = extraLarge ? std::max(0, (H - ExtraLargeBaseHeight) / 4) : 0;
    const int u = (W - ExtraLargeBaseWidth) / 3;
    const int viewTop = extraLarge ? V : m.viewTop;
    r.DealerArea = AreaAt(m.dealerLeft, viewTop);
    r.SeatArea = AreaAt(m.seatLeft, viewTop);
    r.bevelWidth = m.bevel;
    for (int i = 1; i <= MaxSeats; ++i)
        r.Panels[i] = PanelRect(r.widthClass, i, W, r.SeatArea, V, u);

    const auto [w, h] = m.button;
    if (r.widthClass == LayoutClass::Small) {
        r.Button6 = QRect(SmallDealPlace, QSize(w, h));
        r.extraButtonsVisible = false;
        return r;
    }

    // Two rows of buttons below the views.
    const int B = r.SeatArea.bottom;
    int T1 = B + 12;
    int T2 = B + 24 + h;
    if (r.widthClass != LayoutClass::Medium) {
        const int g = std::max(0, (H - B - 2 * h - 24) / 3);
        T1 = B + g;
        T2 = B + 2 * g + h;
    }
    const int dealLeft = r.SeatArea.right - w;
    const int exitLeft = r.DealerArea.left;
    const int middleLeft = (exitLeft + w + dealLeft) / 2 - w / 2;
    r.Button6 = QRect(dealLeft, T2, w, h);
    r.Button3 = QRect(dealLeft, T1, w, h);
    r.Button4 = QRect(exitLeft, T1, w, h);
    r.BitBtn1 = QRect(exitLeft, T2, w, h);
    r.Button2 = QRect(middleLeft, T1, w, h);
    r.Button1 = QRect(middleLeft, T2, w, h);
    r.extraButtonsVisible = true;
    return r;
}

void ApplyLayout(const LayoutResult& layout, const LayoutControls& c, double zoom) {
    c.canvas->setAreas(layout.DealerArea.left, layout.DealerArea.top, layout.SeatArea.left,
                       layout.SeatArea.top);
    c.canvas->setWindowWidth(layout.outerWidth);
    c.Button6->setGeometry(Zoomed(layout.Button6, zoom));
    const std::pair<QAbstractButton*, QRect> extras[] = {{c.Button4, layout.Button4},
                                                         {c.Button2, layout.Button2},
                                                         {c.Button3, layout.Button3},
                                                         {c.Button1, layout.Button1},
                                                         {c.BitBtn1, layout.BitBtn1}};
    for (const auto& [button, place] : extras) {
        if (layout.extraButtonsVisible)
            button->setGeometry(Zoomed(place, zoom));
        button->setVisible(layout.extraButtonsVisible);
    }
    for (int i = 1; i <= MaxSeats; ++i) {
        SeatPanelView* panel = c.panels[i];
        panel->placeAt(layout.Panels[i], layout.bevelWidth, zoom);
        panel->show();
    }
}

QSize TableClientSize(QSize client, double zoom) {
    return QSize(static_cast<int>(client.width() / zoom), static_cast<int>(client.height() / zoom));
}

bool LayoutFits(const LayoutResult& layout, QSize tableClient) {
    const QRect client(QPoint(0, 0), tableClient);
    // The views' bevels stand 4 pixels out, with their last line on the fifth.
    constexpr int BevelReach = 5;
    for (const Area& view : {layout.DealerArea, layout.SeatArea}) {
        const QRect framed(QPoint(view.left - BevelReach, view.top - BevelReach),
                           QPoint(view.right + BevelReach - 1, view.bottom + BevelReach - 1));
        if (!client.contains(framed))
            return false;
    }
    std::vector<QRect> shown{layout.Button6};
    if (layout.extraButtonsVisible)
        shown.insert(shown.end(), {layout.Button4, layout.Button2, layout.Button3, layout.Button1,
                                   layout.BitBtn1});
    shown.insert(shown.end(), layout.Panels.begin() + 1, layout.Panels.end());
    return std::all_of(shown.begin(), shown.end(),
                       [&](const QRect& place) { return client.contains(place); });
}

double FitZoom(QSize client, QSize frame) {
    const QSize normal = client + frame;
    const bool allButtons = ComputeLayout(normal.width(), normal.height()).extraButtonsVisible;
    // Scale by scale from the largest down: a smaller window may fall into a
    // class that fits where a larger one did not, so every step is tried.
    constexpr int Steps = 100;
    for (int step = static_cast<int>(LargestFitZoom * Steps);
         step >= static_cast<int>(SmallestFitZoom * Steps); --step) {
        const double zoom = static_cast<double>(step) / Steps;
        const QSize table = TableClientSize(client, zoom);
        const QSize outer = table + frame;
        const LayoutResult layout = ComputeLayout(outer.width(), outer.height());
        if (LayoutFits(layout, table) && (layout.extraButtonsVisible || !allButtons))
            return zoom;
    }
    return SmallestFitZoom;
}

} // namespace dealmoor
