// Zoom: the table laid out in its table pixels and shown larger, clicks that
// land on what is shown there, the windows over the seat view growing with it,
// the keys, the fitting size, and the zoom kept for the next start.

#include "setup/Zoom.h"
#include "engine/Game.h"
#include "table/Layout.h"
#include "table/SpriteSheets.h"
#include "table/TableCanvas.h"
#include "table/windows/BetWindow.h"
#include "table/windows/DecisionWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QPushButton>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

const QSize LargeScreen(1600, 1000);

// The layout a zoomed window shows: that of its client area in table pixels.
LayoutResult TableLayoutOf(StartedTable& table) {
    const QSize client = table.window.centralWidget()->size();
    const QSize frame = table.window.frameGeometry().size() - client;
    const QSize outer = TableClientSize(client, table.window.zoom()) + frame;
    return ComputeLayout(outer.width(), outer.height());
}

SeatPanelView* Panel(StartedTable& table, int seat) {
    return table.window.findChild<SeatPanelView*>(QStringLiteral("Panel%1").arg(seat));
}

// Fives all the way: no blackjack, no insurance, every hand asks for a decision.
void RigFives(Game& game) {
    for (int entry = 1; entry <= game.HouseRules.Cards; ++entry)
        game.Shoe.ShoeCards[entry] = Card{5, 5};
    game.Shoe.ShoePos = 1;
}

} // namespace

class ZoomTest : public StartedTableTest {
    Q_OBJECT

private slots:
    void aZoomedTableIsTheLayoutOfItsTablePixelsShownLarger() {
        StartedTable table;
        ShowAt(table, LargeScreen);
        QCOMPARE(ClassOfWidth(table.window.frameGeometry().width()), LayoutClass::ExtraLarge);
        table.action("Zoom200")->trigger();
        QCOMPARE(table.window.zoom(), 2.0);
        QCOMPARE(table.settings().Zoom, 200);

        // 800 table pixels wide: the medium class, all its rules in table pixels.
        const LayoutResult expected = TableLayoutOf(table);
        QCOMPARE(expected.widthClass, LayoutClass::Medium);
        const TableCanvas& canvas = table.window.canvas();
        QCOMPARE(canvas.DealerArea.left, expected.DealerArea.left);
        QCOMPARE(canvas.SeatArea.top, expected.SeatArea.top);
        QCOMPARE(canvas.SeatArea.right, expected.SeatArea.left + 249);
        for (const char* name : {"Button6", "Button2", "BitBtn1"}) {
            const QRect place = name == QLatin1String("Button6")   ? expected.Button6
                                : name == QLatin1String("Button2") ? expected.Button2
                                                                   : expected.BitBtn1;
            QCOMPARE(table.button(name)->geometry(), Zoomed(place, 2));
        }
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            QCOMPARE(Panel(table, seat)->geometry(), Zoomed(expected.Panels[seat], 2));
            QCOMPARE(Panel(table, seat)->tableSize(), expected.Panels[seat].size());
        }

        // Drawn from the art of screens with twice the density, pixel for pixel.
        QCOMPARE(canvas.surface().devicePixelRatio(), 2.0);
        QCOMPARE(table.window.sheets().Cards.devicePixelRatio(), 2.0);
        constexpr int AceOfSpades = 40;
        ShowDealerCard(table.game(), AceOfSpades, 1);
        table.window.canvas().DrawDealer(DealerPose::Rest);
        const auto [shown, twin] = DealerCardAndItsTwin(canvas, AceOfSpades, 1);
        QCOMPARE(shown, twin);
        table.window.close();
    }

    void aClickWhereASeatPanelIsShownOpensThatSeatsMessage_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("seat");
        QTest::newRow("200%, seat 3") << 200 << 3;
        QTest::newRow("150%, seat 6") << 150 << 6;
        QTest::newRow("125%, seat 2") << 125 << 2;
    }

    void aClickWhereASeatPanelIsShownOpensThatSeatsMessage() {
        QFETCH(int, zoom);
        QFETCH(int, seat);
        StartedTable table;
        ShowAt(table, LargeScreen);
        table.window.setZoom(zoom);
        table.game().Seats[seat].Name = "Seat of the test";
        // The middle of the panel's place in table pixels, where the screen shows it.
        const QRect place = TableLayoutOf(table).Panels[seat];
        QWidget* client = table.window.centralWidget();
        const QPoint shown = Zoomed(place, zoom / 100.0).center();
        QWidget* hit = client->childAt(shown);
        QVERIFY(hit != nullptr);
        QString message;
        ModalPoller read([&](QWidget* box) {
            message = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(client, shown));
        QVERIFY(read.acted());
        QVERIFY2(message.startsWith(QStringLiteral("Name:  Seat of the test")),
                 qPrintable(message));
        table.window.close();
    }

    void theWindowsOverTheSeatViewGrowWithTheTable() {
        StartedTable table;
        Game& game = table.game();
        table.window.createDealWindows();
        ShowAt(table, LargeScreen);
        table.window.setZoom(150);
        table.window.setSpeed(Speed::VeryFast);
        game.SeatCount = 1;
        game.Seats[1].Human = true;
        RigFives(game);
        const auto seatArea = [&] { return table.window.canvas().SeatArea; };

        QRect betPlace, chipPlace, decisionPlace, standPlace;
        QSize chipPicture;
        WidgetPoller decide(FindVisible<DecisionWindow>, [&](QWidget* window) {
            decisionPlace = window->geometry();
            auto* stand = window->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
            standPlace = stand->geometry();
            stand->click();
        });
        WidgetPoller bet(FindVisible<BetWindow>, [&](QWidget* window) {
            betPlace = window->geometry();
            auto* chip = window->findChild<QPushButton*>(QStringLiteral("BitBtn3"));
            chipPlace = chip->geometry();
            chipPicture = chip->iconSize();
            chip->click();
            window->findChild<QPushButton*>(QStringLiteral("BitBtn6"))->click();
        });
        table.button("Button6")->click();
        QVERIFY(bet.acted());
        QVERIFY(decide.acted());
        QCOMPARE(betPlace, Zoomed(QRect(seatArea().left + 1, seatArea().top + 194, 249, 213), 1.5));
        QCOMPARE(chipPlace, Zoomed(QRect(168, 8, 65, 57), 1.5));
        // The chip's picture grows with its button (at 100% it is at most 61 wide).
        QVERIFY(chipPicture.width() > 61 && chipPicture.width() <= chipPlace.width());
        QCOMPARE(decisionPlace,
                 Zoomed(QRect(seatArea().left + 1, seatArea().top + 218, 249, 189), 1.5));
        QCOMPARE(standPlace, Zoomed(QRect(130, 68, 116, 36), 1.5));
        QTRY_VERIFY(!game.DealInProgress);
        table.window.close();
    }

    void theKeysStepThroughTheSizes() {
        StartedTable table;
        table.window.show();
        QApplication::setActiveWindow(&table.window);
        QVERIFY(QTest::qWaitForWindowActive(&table.window));
        const struct {
            Qt::Key key;
            int zoom;
        } steps[] = {
            {Qt::Key_Plus, 125},  {Qt::Key_Equal, 150},
            {Qt::Key_Plus, 200},  {Qt::Key_Plus, 200}, // the largest stays
            {Qt::Key_Minus, 150}, {Qt::Key_0, 100},
            {Qt::Key_Minus, 100}, // so does the normal size
        };
        for (const auto& step : steps) {
            QTest::keyClick(&table.window, step.key, Qt::ControlModifier);
            QCOMPARE(table.settings().Zoom, step.zoom);
            QCOMPARE(table.window.zoom(), step.zoom / 100.0);
        }
        table.window.close();
    }

    void fitToWindowIsTheLargestZoomAtWhichTheTableFits_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("frame");
        QTest::newRow("full HD") << QSize(1920, 1030) << QSize(0, 50);
        QTest::newRow("4K") << QSize(3840, 2110) << QSize(0, 50);
        QTest::newRow("a wide and low window") << QSize(2400, 700) << QSize(0, 50);
        QTest::newRow("too small for more") << QSize(800, 560) << QSize(10, 60);
        QTest::newRow("small enough for the small class only") << QSize(700, 500) << QSize(0, 50);
    }

    void fitToWindowIsTheLargestZoomAtWhichTheTableFits() {
        QFETCH(QSize, client);
        QFETCH(QSize, frame);
        const double fit = FitZoom(client, frame);
        const auto layoutAt = [&](double zoom) {
            const QSize outer = TableClientSize(client, zoom) + frame;
            return ComputeLayout(outer.width(), outer.height());
        };
        // The whole table: every button it shows at 100%.
        const bool allButtons = layoutAt(1).extraButtonsVisible;
        const auto fits = [&](double zoom) {
            const LayoutResult layout = layoutAt(zoom);
            return LayoutFits(layout, TableClientSize(client, zoom)) &&
                   (layout.extraButtonsVisible || !allButtons);
        };
        QVERIFY(fit >= SmallestFitZoom);
        if (fit > SmallestFitZoom)
            QVERIFY(fits(fit));
        for (int hundredths = qRound(fit * 100) + 1; hundredths <= LargestFitZoom * 100;
             ++hundredths)
            QVERIFY2(!fits(hundredths / 100.0), qPrintable(QString::number(hundredths)));
    }

    void fitToWindowFollowsTheWindow() {
        StartedTable table;
        ShowAt(table, LargeScreen);
        table.action("ZoomFit")->trigger();
        QCOMPARE(table.settings().Zoom, ZoomToFit);
        QVERIFY(table.action("ZoomFit")->isChecked());
        const auto fitting = [&] {
            const QSize client = table.window.centralWidget()->size();
            return FitZoom(client, table.window.frameGeometry().size() - client);
        };
        QCOMPARE(table.window.zoom(), fitting());
        QVERIFY(table.window.zoom() > 1);
        QVERIFY(table.button("Button4")->isVisible()); // the whole table, buttons and all
        // A player on a large screen gets cards larger than 41 x 54.
        table.window.resize(1024, 768);
        QTRY_COMPARE(table.window.size(), QSize(1024, 768));
        QCOMPARE(table.window.zoom(), fitting());
        table.window.close();
    }

    void theZoomIsKeptForTheNextStart_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("zoom");
        QTest::newRow("150%") << "Zoom150" << 150;
        QTest::newRow("fit to window") << "ZoomFit" << ZoomToFit;
    }

    void theZoomIsKeptForTheNextStart() {
        QFETCH(QString, item);
        QFETCH(int, zoom);
        {
            StartedTable first;
            ShowAt(first, LargeScreen);
            first.action(qPrintable(item))->trigger();
            QVERIFY(first.window.close());
        }
        StartedTable next;
        QCOMPARE(next.settings().Zoom, zoom);
        QVERIFY(next.action(qPrintable(item))->isChecked());
        QVERIFY(!next.action("Zoom100")->isChecked());
    }
};

DEALMOOR_QTEST_MAIN(ZoomTest)
#include "ZoomTest.moc"
