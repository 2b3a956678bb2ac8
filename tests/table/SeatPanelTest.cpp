// Seat panels: the result line by the seat's hands, the colours, the portrait
// chosen by the window's width and the panel's height, and the click.

#include "SyntheticSheets.h"
#include "TestSupport.h"

#include "engine/Game.h"
#include "table/TableCanvas.h"

#include <QSignalSpy>

#include <memory>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

int RedPixelsInRows(const QImage& image, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += IsRed(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class SeatPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;
    SpriteSheets sheets = SyntheticSheets();

private slots:
    void init() {
        game = std::make_unique<Game>();
        ResetGameState(*game);
        for (int s = 1; s <= MaxSeats; ++s) {
            game->Seats[s].Number = static_cast<uint8_t>(s);
            game->Seats[s].Name = "Seat";
            game->Seats[s].Credits = 500;
        }
    }

    void resultLine_data() {
        QTest::addColumn<double>("bet");
        QTest::addColumn<double>("splitBet");
        QTest::addColumn<int>("firstTotal");
        QTest::addColumn<int>("secondTotal");
        QTest::addColumn<bool>("secondFinished");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expected");
        // After a split both hands show, the busted one by its word.
        QTest::newRow("first busted, second stands on 100")
            << 0.0 << 100.0 << 0 << 20 << true << 0 << QStringLiteral("Busted/$100.00");
        QTest::newRow("both hands live")
            << 50.0 << 50.0 << 18 << 20 << false << 0 << QStringLiteral("$50.00/$50.00");
        QTest::newRow("second busted")
            << 10.0 << 0.0 << 19 << 0 << true << 0 << QStringLiteral("$10.00/Busted");
        QTest::newRow("cut to 20 characters")
            << 12345678.9 << 0.0 << 19 << 0 << true << 0 << QStringLiteral("$12,345,678.90/Buste");
        // One hand: by its outcome.
        QTest::newRow("busted") << 0.0 << 0.0 << 0 << 0 << false << -99 << QStringLiteral("Busted");
        QTest::newRow("won") << 25.0 << 0.0 << 20 << 0 << false << 33 << QStringLiteral("Won");
        QTest::newRow("blackjack")
            << 25.0 << 0.0 << 21 << 0 << false << 99 << QStringLiteral("Blackjack");
        QTest::newRow("stake") << 25.0 << 0.0 << 0 << 0 << false << 0 << QStringLiteral("$25.00");
        QTest::newRow("other outcome")
            << 7.5 << 0.0 << 17 << 0 << false << 1 << QStringLiteral("$7.50");
    }
    void resultLine() {
        QFETCH(double, bet);
        QFETCH(double, splitBet);
        QFETCH(int, firstTotal);
        QFETCH(int, secondTotal);
        QFETCH(bool, secondFinished);
        QFETCH(int, outcome);
        QFETCH(QString, expected);
        game->Seats[3].Bet = bet;
        game->Seats[3].SplitBet = splitBet;
        game->Hands[3].Total = firstTotal;
        game->Hands[3].Outcome = static_cast<Outcome>(outcome);
        game->Hands[9].Total = secondTotal;
        game->Hands[9].Finished = secondFinished;
        QCOMPARE(SeatResultLine(*game, 3), expected);
    }

    void resultLineIsRedOnItsRow() {
        game->Seats[2].Bet = 0;
        game->Hands[2].Outcome = Outcome::Busted;
        QImage picture;
        DrawSeatPanel(picture, QSize(105, 56), *game, sheets, 2, PanelWhite, 700);
        QCOMPARE(picture.size(), QSize(105, 56));
        QVERIFY(RedPixelsInRows(picture, 20, 34) > 0);
        QCOMPARE(RedPixelsInRows(picture, 0, 20), 0);
        QCOMPARE(RedPixelsInRows(picture, 36, 56), 0);
    }

    void panelColours_data() {
        QTest::addColumn<int>("seatCount");
        QTest::addColumn<QColor>("asked");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("served seat") << 6 << PanelYellow << PanelYellow;
        QTest::newRow("other seat") << 6 << PanelWhite << PanelWhite;
        // A lone seat keeps the window's button face.
        QTest::newRow("lone seat")
            << 1 << PanelYellow << QApplication::palette().color(QPalette::Button);
    }
    void panelColours() {
        QFETCH(int, seatCount);
        QFETCH(QColor, asked);
        QFETCH(QColor, expected);
        game->SeatCount = static_cast<uint8_t>(seatCount);
        QImage picture;
        DrawSeatPanel(picture, QSize(105, 56), *game, sheets, 1, asked, 700);
        QCOMPARE(QColor(picture.pixel(104, 55)), expected);
        QCOMPARE(QColor(picture.pixel(60, 30)), expected);
    }

    void portraitByWidthAndHeight_data() {
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<QSize>("panelSize");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<QString>("expected"); // "large", "small" or "none"
        QTest::newRow("wide window") << 1100 << QSize(230, 230) << QPoint(100, 100) << "large";
        QTest::newRow("tall panel, narrow window")
            << 900 << QSize(230, 230) << QPoint(100, 100) << "large";
        QTest::newRow("medium window") << 900 << QSize(240, 85) << QPoint(150, 40) << "small";
        QTest::newRow("exactly 780") << 780 << QSize(240, 85) << QPoint(150, 40) << "small";
        QTest::newRow("small window") << 779 << QSize(240, 85) << QPoint(150, 40) << "none";
    }
    void portraitByWidthAndHeight() {
        QFETCH(int, windowWidth);
        QFETCH(QSize, panelSize);
        QFETCH(QPoint, probe);
        QFETCH(QString, expected);
        QImage picture;
        DrawSeatPanel(picture, panelSize, *game, sheets, 4, PanelWhite, windowWidth);
        const QRgb pixel = picture.pixel(probe);
        if (expected == QLatin1String("large")) {
            QCOMPARE(pixel, PortraitColour(4));
        } else if (expected == QLatin1String("small")) {
            QCOMPARE(pixel, SmallPortraitColour(4));
        } else {
            QCOMPARE(pixel, PanelWhite.rgb());
        }
    }

    void largePortraitIsTrimmedToThePanel() {
        QImage picture;
        DrawSeatPanel(picture, QSize(230, 230), *game, sheets, 5, PanelYellow, 1200);
        QCOMPARE(picture.pixel(52, 55), PortraitColour(5));
        QCOMPARE(picture.pixel(219, 219), PortraitColour(5));
        QCOMPARE(picture.pixel(51, 100), PanelYellow.rgb());
        QCOMPARE(picture.pixel(100, 220), PanelYellow.rgb());
        QCOMPARE(picture.pixel(220, 100), PanelYellow.rgb());
    }

    void smallPortraitCell() {
        QImage picture;
        DrawSeatPanel(picture, QSize(240, 85), *game, sheets, 6, PanelWhite, 900);
        QCOMPARE(picture.pixel(120, 0), SmallPortraitColour(6));
        QCOMPARE(picture.pixel(208, 84), SmallPortraitColour(6));
        QCOMPARE(picture.pixel(209, 40), PanelWhite.rgb());
    }

    void clickReportsTheTagOnlyWithAPicture() {
        SeatPanelView panel(4);
        panel.resize(105, 56);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy clicks(&panel, &SeatPanelView::clicked);
        QTest::mouseClick(&panel, Qt::LeftButton);
        QTest::mouseClick(&panel, Qt::RightButton);
        panel.pictureVisible = false;
        QTest::mouseClick(&panel, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().first().toInt(), 4);
    }

    void panelShowsItsPictureInsideTheFrame() {
        SeatPanelView panel(1);
        panel.resize(105, 56);
        DrawSeatPanel(panel.picture(), panel.size(), *game, sheets, 1, PanelYellow, 700);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QImage shown = panel.grab().toImage();
        const QPoint inside = panel.contentsRect().bottomRight() - QPoint(1, 1);
        QCOMPARE(QColor(shown.pixel(inside)), PanelYellow);
        panel.pictureVisible = false;
        panel.repaint();
        QVERIFY(QColor(panel.grab().toImage().pixel(inside)) != PanelYellow);
    }
};

DEALMOOR_QTEST_MAIN(SeatPanelTest)
#include "SeatPanelTest.moc"
