// The table on a screen with twice the pixel density (QT_SCALE_FACTOR=2): laid
// out in the same table pixels, drawn from the "@2x" pictures pixel for pixel,
// and as sharp as on an ordinary screen, which a blown-up table is not.

#include "engine/Game.h"
#include "table/Layout.h"
#include "table/SpriteSheets.h"
#include "table/TableCanvas.h"
#include "table/TablePresenter.h"
#include "table/windows/BetWindow.h"
#include "table/windows/DecisionWindow.h"
#include "table/windows/PlayerSetupWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>

#include <QScrollBar>

#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr int AceOfHearts = 27; // CardId: the first card of the third row

bool Near(QRgb a, QRgb b) {
    constexpr int Tolerance = 12;
    return std::abs(qRed(a) - qRed(b)) <= Tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= Tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= Tolerance;
}

// Walking a row of pixels from `from` toward `to`, the number of pixels between
// the last one of the colour the walk starts in and the first one of `figure`:
// how wide the edge's smoothing is. -1 when the walk does not cross the edge.
int EdgeWidth(const QImage& picture, int y, int from, int to, QRgb figure) {
    const QRgb background = picture.pixel(from, y);
    const int step = to > from ? 1 : -1;
    int lastBackground = from;
    for (int x = from; x != to; x += step) {
        const QRgb pixel = picture.pixel(x, y);
        if (Near(pixel, figure))
            return std::abs(x - lastBackground) - 1;
        if (Near(pixel, background))
            lastBackground = x;
    }
    return -1;
}

// The darkest pixel of a walk: the core of an outline.
QRgb Darkest(const QImage& picture, int y, int from, int to) {
    QRgb darkest = picture.pixel(from, y);
    for (int x = std::min(from, to); x <= std::max(from, to); ++x) {
        if (qGray(picture.pixel(x, y)) < qGray(darkest))
            darkest = picture.pixel(x, y);
    }
    return darkest;
}

// One edge of the table, in table pixels: the rows it is crossed on, where the
// walk starts and ends, and the colour it reaches (none: the darkest it meets).
struct Edge {
    const char* name;
    int top;
    int bottom;
    int from;
    int to;
    std::optional<QRgb> figure;
};

// The widest smoothing over the edge's rows, with `picture` holding `scale`
// pixels per table pixel; every device row of a table row is crossed.
int WidestEdge(const QImage& picture, int scale, QPoint origin, const Edge& edge) {
    int widest = -1;
    for (int row = edge.top; row <= edge.bottom; ++row) {
        for (int part = 0; part < scale; ++part) {
            const int y = (origin.y() + row) * scale + part;
            const int from = (origin.x() + edge.from) * scale;
            const int to = (origin.x() + edge.to) * scale;
            const QRgb figure = edge.figure.value_or(Darkest(picture, y, from, to));
            const int width = EdgeWidth(picture, y, from, to, figure);
            if (width < 0)
                return -1;
            widest = std::max(widest, width);
        }
    }
    return widest;
}

// Wider than `width`, or smeared until the figure's colour is nowhere to be found.
bool Blurrier(int measured, int width) {
    return measured < 0 || measured > width;
}

// The average difference of two pictures of the same size, per colour channel.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// What a screen of twice the density shows of a table drawn for an ordinary
// one, the way Qt blows a picture up: smoothly, or pixel by pixel.
QImage BlownUp(const QImage& table, Qt::TransformationMode mode) {
    return Plain(table).scaled(table.size() * 2, Qt::IgnoreAspectRatio, mode);
}

const QRgb Felt = qRgb(0, 0x80, 0);
const QRgb CardOutline = qRgb(0x7A, 0x7A, 0x7A);
const QRgb HeartRed = qRgb(0xD0, 0x10, 0x1C);

// Measured from the card's top-left corner: its left edge on the felt, and
// the big heart crossed from the white of the card, left and right.
const Edge CardEdges[] = {
    {"card's edge on the felt", 32, 48, -4, 1, CardOutline},
    {"heart's left side", 24, 30, 8, 20, HeartRed},
    {"heart's right side", 24, 30, 33, 21, HeartRed},
};
// Measured from the portrait's top-left corner (character 1 in a large panel):
// the outline of the head, left and right, on the portrait's background.
const Edge PortraitEdges[] = {
    {"head's left outline", 84, 92, 38, 50, std::nullopt},
    {"head's right outline", 84, 92, 140, 128, std::nullopt},
};
// Where the portrait lies in a large panel.
constexpr QPoint PortraitInPanel(52, 55);
constexpr QSize LargePanel(230, 230);
constexpr int LargeWindowWidth = 1280;
const QSize LargeWindow(LargeWindowWidth, 1024);

} // namespace

class HiDpiTableTest : public StartedTableTest {
    Q_OBJECT

private slots:
    void theTableKeepsItsLayoutWithTwiceThePixels() {
        StartedTable table;
        ShowAt(table, LargeWindow);
        QCOMPARE(table.window.devicePixelRatio(), 2.0);

        const TableCanvas& canvas = table.window.canvas();
        const QSize outer = table.window.frameGeometry().size();
        const LayoutResult expected = ComputeLayout(outer.width(), outer.height());
        QCOMPARE(canvas.DealerArea.left, expected.DealerArea.left);
        QCOMPARE(canvas.SeatArea.top, expected.SeatArea.top);
        QCOMPARE(table.button("Button6")->geometry(), expected.Button6);
        const auto* panel = table.window.findChild<SeatPanelView*>(QStringLiteral("Panel3"));
        QCOMPARE(panel->geometry(), expected.Panels[3]);

        // The surface holds the screen's pixels; its painters draw in table pixels.
        QCOMPARE(canvas.surface().devicePixelRatio(), 2.0);
        QCOMPARE(canvas.surface().size(), canvas.size() * 2);
        QCOMPARE(table.window.sheets().Cards.devicePixelRatio(), 2.0);
        QCOMPARE(table.window.sheets().Cards.size(), QSize(533, 216) * 2);
        for (int seat = 1; seat <= table.game().SeatCount; ++seat) {
            const int number = table.game().Seats[seat].Number;
            QCOMPARE(canvas.sheetOf(number).strip.devicePixelRatio(), 2.0);
        }
        table.window.close();
    }

    void cardsAndPortraitsAreDrawnFromTheTwinsPixelForPixel() {
        StartedTable table;
        ShowAt(table, LargeWindow);
        ShowDealerCard(table.game(), AceOfHearts, 1);
        table.window.canvas().DrawDealer(DealerPose::Rest);
        const auto [shown, twin] = DealerCardAndItsTwin(table.window.canvas(), AceOfHearts, 1);
        QCOMPARE(shown, twin);

        // The seat panels' large portraits.
        Game& game = table.game();
        QImage picture;
        DrawSeatPanel(picture, LargePanel, game, table.window.sheets(), 1, PanelWhite,
                      LargeWindowWidth, 2);
        const int character = game.Seats[1].Number;
        const QImage heads = ShippedPicture("Heads@2x.png");
        const QRect portrait(PortraitInPanel * 2, QSize(150, 150) * 2);
        QCOMPARE(Plain(picture).copy(portrait),
                 heads.copy(QRect(QPoint(0, (character - 1) * 178 * 2), portrait.size())));
        table.window.close();
    }

    // The measure: the width of an edge's smoothing, in the pixels of each
    // screen. At twice the density the same edges may be no wider than on an
    // ordinary screen; a table drawn for an ordinary screen and blown up fails.
    void edgesAreAsSharpAsOnAnOrdinaryScreen() {
        StartedTable table;
        ShowAt(table, LargeWindow);
        Game& game = table.game();
        ShowDealerCard(game, AceOfHearts, 1);
        TableCanvas& dense = table.window.canvas();
        dense.DrawDealer(DealerPose::Rest);
        QImage densePanel;
        DrawSeatPanel(densePanel, LargePanel, game, table.window.sheets(), 1, PanelWhite,
                      LargeWindowWidth, dense.deviceScale());

        // The same table on an ordinary screen, from the ordinary pictures.
        SpriteSheets ordinarySheets;
        QVERIFY(ordinarySheets.Load(TestProgramDir(), 1));
        TableCanvas ordinary(game, ordinarySheets);
        ordinary.resize(600, 500);
        ordinary.setScale(1, 1);
        ordinary.DrawDealer(DealerPose::Rest);
        QImage ordinaryPanel;
        DrawSeatPanel(ordinaryPanel, LargePanel, game, ordinarySheets, 1, PanelWhite,
                      LargeWindowWidth, 1);

        struct Measured {
            const QImage& dense;
            const QImage& ordinary;
            QPoint denseOrigin;
            QPoint ordinaryOrigin;
            const Edge* edges;
            std::size_t count;
            bool curved; // smoothed on an ordinary screen too
        };
        const auto dealerCard = [](const TableCanvas& canvas) {
            return QPoint(canvas.DealerArea.left, canvas.DealerArea.top) + DealerCardInView;
        };
        const Measured measured[] = {
            {dense.surface(), ordinary.surface(), dealerCard(dense), dealerCard(ordinary),
             CardEdges, 1, false},
            {dense.surface(), ordinary.surface(), dealerCard(dense), dealerCard(ordinary),
             CardEdges + 1, 2, true},
            {densePanel, ordinaryPanel, PortraitInPanel, PortraitInPanel, PortraitEdges,
             std::size(PortraitEdges), true},
        };
        for (const Measured& m : measured) {
            const QImage smooth = BlownUp(m.ordinary, Qt::SmoothTransformation);
            const QImage blocky = BlownUp(m.ordinary, Qt::FastTransformation);
            for (std::size_t i = 0; i < m.count; ++i) {
                const Edge& edge = m.edges[i];
                const int one = WidestEdge(Plain(m.ordinary), 1, m.ordinaryOrigin, edge);
                const int two = WidestEdge(Plain(m.dense), 2, m.denseOrigin, edge);
                QVERIFY2(one >= 0 && two >= 0, edge.name);
                QVERIFY2(two <= one, edge.name);
                // The measure tells a blown-up table apart.
                QVERIFY2(Blurrier(WidestEdge(smooth, 2, m.ordinaryOrigin, edge), one), edge.name);
                if (m.curved)
                    QVERIFY2(Blurrier(WidestEdge(blocky, 2, m.ordinaryOrigin, edge), one),
                             edge.name);
            }
        }
        table.window.close();
    }

    void theWindowsOverTheTableShowTheTwinsToo() {
        StartedTable table;
        table.window.createDealWindows();
        table.window.showNormal();
        Game& game = table.game();

        // The Help glyph: the "@2x" picture itself.
        auto* bet = table.window.findChild<BetWindow*>();
        QVERIFY(bet != nullptr);
        const auto* help = bet->findChild<QPushButton*>(QStringLiteral("BitBtn7"));
        const QPixmap glyph = help->icon().pixmap(help->iconSize(), 2.0);
        QCOMPARE(glyph.devicePixelRatio(), 2.0);
        QCOMPARE(Plain(glyph.toImage()), ShippedPicture("help@2x.png"));
        // The chips, fitted into their buttons: far nearer the twin than the small picture.
        const struct {
            const char* button;
            const char* file;
            const char* twin;
        } chips[] = {{"BitBtn1", "chip100.png", "chip100@2x.png"},
                     {"BitBtn5", "chip050.png", "chip050@2x.png"}};
        for (const auto& [name, file, twin] : chips) {
            const auto* button = bet->findChild<QPushButton*>(QString::fromLatin1(name));
            const QImage shown = Plain(button->icon().pixmap(button->iconSize(), 2.0).toImage());
            const auto fitted = [&](const char* picture) {
                return ShippedPicture(picture).scaled(shown.size(), Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
            };
            QVERIFY2(MeanDifference(shown, fitted(twin)) * 3 < MeanDifference(shown, fitted(file)),
                     name);
        }

        // The decision window's cards, as the screen shows them.
        Hand& hand = game.Hands[1];
        ClearHand(hand);
        hand.CardIds[0] = AceOfHearts;
        hand.Ranks[0] = 1;
        hand.CardCount = 1;
        auto* decision = table.window.findChild<DecisionWindow*>();
        QVERIFY(decision != nullptr);
        decision->placeOver(table.window.canvas().SeatArea);
        decision->prepare(1, DecisionOffer{});
        decision->show();
        const QImage shown = Plain(decision->grab().toImage());
        const QRect cell = CardCell(AceOfHearts, 1);
        // Its first card lies at (2, 8) of the window.
        QCOMPARE(shown.copy(QRect(QPoint(2, 8) * 2, cell.size() * 2)),
                 ShippedPicture("Cards@2x.png").copy(QRect(cell.topLeft() * 2, cell.size() * 2)));
        decision->hide();

        // The set-up window's portrait.
        PlayerSetupWindow setup(game, table.settings(), table.window.sheets().Heads, &table.window);
        const auto* portrait = setup.findChild<QLabel*>(QStringLiteral("Image1"));
        const QPixmap face = portrait->pixmap();
        QCOMPARE(face.devicePixelRatio(), 2.0);
        const int character = setup.findChild<QScrollBar*>(QStringLiteral("ScrollBar1"))->value();
        QCOMPARE(Plain(face.toImage()),
                 ShippedPicture("Heads@2x.png")
                     .copy(QRect(0, (character - 1) * 178 * 2, 178 * 2, 178 * 2)));
        table.window.close();
    }
};

// The whole test runs on a screen of twice the density.
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    TestHome home;
    QApplication app(argc, argv);
    PrepareTestApplication();
    HiDpiTableTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "HiDpiTableTest.moc"
