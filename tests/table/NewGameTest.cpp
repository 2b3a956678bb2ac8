// New Game from the table window: the menu item and the button, both off while
// a deal runs; OK deals at once with the new seats; the close box deals only
// when new rules were confirmed or nothing was dealt yet; and the next start-up
// shows the table the last game was set up with.

#include "table/TableCanvas.h"
#include "table/TableWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QScrollBar>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

// The application-modal window with this objectName, once it is the one open.
WidgetPoller::Finder ModalNamed(const char* name) {
    return [name]() -> QWidget* {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->objectName() == QLatin1String(name) ? modal : nullptr;
    };
}

template <typename T = QPushButton> T* Control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// One computer seat in play, dealt as fast as the table goes.
void OneComputerSeat(StartedTable& table) {
    SeatOnlyComputers(table);
    table.game().SeatCount = 1;
}

// Deals once by hand, so that the deal counter is past 0.
void DealOnce(StartedTable& table) {
    table.button("Button6")->click();
    QCOMPARE(table.game().TotalHands, 1);
}

bool PanelPictureShown(StartedTable& table, int seat) {
    return table.window.findChild<SeatPanelView*>(QStringLiteral("Panel%1").arg(seat))
        ->pictureVisible;
}

} // namespace

class NewGameTest : public StartedTableTest {
    Q_OBJECT

private slots:
    void newGameIsOffWhileADealRuns() {
        StartedTable table;
        OneComputerSeat(table);
        QAction* menu = table.action("New1");
        QPushButton* button = table.button("Button2");
        QVERIFY(menu->isEnabled() && button->isEnabled());

        bool offDuringTheDeal = false;
        WidgetPoller setUp(
            ModalNamed("PlayForm"), [](QWidget* w) { w->close(); }, 500);
        DuringDeal tryIt(table.game(), [&] {
            offDuringTheDeal = !menu->isEnabled() && !button->isEnabled();
            menu->trigger();
            button->click();
        });
        DealOnce(table);
        QVERIFY(tryIt.done());
        QVERIFY(offDuringTheDeal);
        QTRY_VERIFY(setUp.timedOut());
        QVERIFY(!setUp.acted());
        QVERIFY(menu->isEnabled() && button->isEnabled());
    }

    void anAutomaticDealWaitsWhileTheSetUpIsOpen() {
        StartedTable table;
        OneComputerSeat(table);
        DealOnce(table);
        table.action("AutoDeal2")->trigger(); // due 200 ms from now
        QTimer* autoTimer = table.timer("AutoModeTimer");
        QVERIFY(autoTimer->isActive());
        bool dealtMeanwhile = true;
        WidgetPoller setUp(ModalNamed("PlayForm"), [&](QWidget* w) {
            QTest::qWait(500);
            dealtMeanwhile = table.game().DealInProgress || table.game().TotalHands != 1;
            w->close();
        });
        table.action("New1")->trigger();
        QVERIFY(setUp.acted());
        QVERIFY(!dealtMeanwhile);
        QVERIFY(autoTimer->isActive()); // automatic dealing goes on afterwards
        table.action("AutoDeal2")->trigger();
        QVERIFY(!autoTimer->isActive());
    }

    void okDealsAtOnceWithTheNewSeats() {
        StartedTable table;
        OneComputerSeat(table);
        DealOnce(table);
        table.game().Shoe.ShoePos = 150; // deep in the shoe: the new game must shuffle
        WidgetPoller setUp(ModalNamed("PlayForm"), [](QWidget* w) {
            Control<QScrollBar>(w, "ScrollBar2")->setValue(2);
            Control(w, "Button2")->click(); // seat 1's character: 1 to 2
            Control(w, "BitBtn1")->click();
        });
        table.action("New1")->trigger();
        QVERIFY(setUp.acted());

        const Game& game = table.game();
        QCOMPARE(int(game.SeatCount), 2);
        QCOMPARE(int(game.Seats[1].Number), 2);
        QCOMPARE(game.TotalHands, 1); // started again and dealt once
        QVERIFY(game.Shoe.ShoePos < 40);
        // The caption names the fresh shoe's position after the deal.
        QVERIFY(table.window.windowTitle().contains(
            QStringLiteral("Cards: %1/").arg(game.Shoe.ShoePos)));
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            QCOMPARE(PanelPictureShown(table, seat), seat <= 2);
            if (seat > 2)
                QCOMPARE(game.Seats[seat].Credits, 5000.0);
        }
        QVERIFY(!table.window.canvas().sheetOf(2).strip.isNull());
        QVERIFY(table.window.canvas().sheetOf(1).strip.isNull()); // nobody plays character 1
    }

    void theCloseBoxAfterADealLeavesTheGame() {
        StartedTable table;
        OneComputerSeat(table);
        DealOnce(table);
        const int shoePos = table.game().Shoe.ShoePos;
        WidgetPoller setUp(ModalNamed("PlayForm"), [](QWidget* w) {
            Control<QScrollBar>(w, "ScrollBar2")->setValue(2);
            w->close();
        });
        table.action("New1")->trigger();
        QVERIFY(setUp.acted());
        QCOMPARE(table.game().TotalHands, 1);
        QCOMPARE(table.game().Shoe.ShoePos, shoePos);
        QCOMPARE(int(table.game().SeatCount), 1);
        QCOMPARE(table.window.windowTitle(), "Dealmoor 97"); // the deal suffix is gone
    }

    void theCloseBoxDealsWhenNothingWasDealtYet() {
        StartedTable table;
        OneComputerSeat(table);
        WidgetPoller setUp(ModalNamed("PlayForm"), [](QWidget* w) { w->close(); });
        table.action("New1")->trigger();
        QVERIFY(setUp.acted());
        QCOMPARE(table.game().TotalHands, 1);
    }

    void confirmedRulesDealEvenWhenTheSetUpIsClosed() {
        StartedTable table;
        OneComputerSeat(table);
        DealOnce(table);
        WidgetPoller rules(ModalNamed("RulesFrm"), [](QWidget* w) {
            Control(w, "Button13")->click(); // four decks to six
            Control(w, "BitBtn8")->click();
        });
        WidgetPoller setUp(ModalNamed("PlayForm"), [](QWidget* w) {
            Control(w, "Button1")->click();
            w->close();
        });
        table.action("New1")->trigger();
        QVERIFY(rules.acted() && setUp.acted());
        QCOMPARE(table.game().HouseRules.Cards, 312);
        QCOMPARE(table.game().Shoe.Filled, 312); // a fresh six-deck shoe
        QCOMPARE(table.game().TotalHands, 1);
    }

    void theButtonAsksBeforeANewGame() {
        StartedTable table;
        OneComputerSeat(table);
        DealOnce(table);
        QString question;
        for (auto answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
            ModalPoller confirm([&](QWidget* box) {
                question = MessageBoxText(box);
                PressMessageBoxButton(box, answer);
            });
            WidgetPoller setUp(
                ModalNamed("PlayForm"), [](QWidget* w) { w->close(); }, 1000);
            table.button("Button2")->click();
            QVERIFY(confirm.acted());
            QCOMPARE(question, "Are you sure you want to quit this game and start a new one?");
            if (answer == QMessageBox::Ok) {
                QVERIFY(setUp.acted());
            } else {
                QTRY_VERIFY(setUp.timedOut());
                QVERIFY(!setUp.acted());
            }
        }
        QCOMPARE(table.game().TotalHands, 1);
    }

    void theNextStartShowsTheNewTable() {
        {
            StartedTable first;
            first.window.setSpeed(Speed::VeryFast);
            WidgetPoller rules(ModalNamed("RulesFrm"), [](QWidget* w) {
                Control(w, "Button13")->click(); // six decks
                Control(w, "Button7")->click();  // surrender
                Control(w, "Button10")->click(); // blackjack pays 2-1
                Control(w, "BitBtn8")->click();
            });
            WidgetPoller setUp(ModalNamed("PlayForm"), [](QWidget* w) {
                Control<QScrollBar>(w, "ScrollBar2")->setValue(3);
                Control(w, "Button5")->click(); // seat 2 played by a person
                QLineEdit* name = Control<QLineEdit>(w, "Edit2");
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Alice"));
                Control(w, "Button1")->click();
                Control(w, "BitBtn1")->click();
            });
            first.action("New1")->trigger();
            QVERIFY(rules.acted() && setUp.acted());
            first.window.show();
            QVERIFY(first.window.close());
        }
        StartedTable next;
        const Game& game = next.game();
        QCOMPARE(int(game.SeatCount), 3);
        QVERIFY(game.Seats[1].Human && game.Seats[2].Human && !game.Seats[3].Human);
        QCOMPARE(game.Seats[2].Name, std::string("Alice"));
        QCOMPARE(game.HouseRules.Cards, 312);
        QVERIFY(game.HouseRules.LateSurrender);
        QCOMPARE(game.HouseRules.BlackjackPays, 2.0);
        QCOMPARE(game.TotalHands, 0);
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QCOMPARE(PanelPictureShown(next, seat), seat <= 3);
    }
};

DEALMOOR_QTEST_MAIN(NewGameTest)
#include "NewGameTest.moc"
