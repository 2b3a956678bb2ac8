// The table window as the player drives it: closing and saving, automatic
// dealing, the speed button, pauses, the seat and card count messages, help,
// and the layout it applies when resized.

#include "table/TableWindow.h"
#include "engine/Game.h"
#include "engine/Money.h"
#include "platform/ProfileFile.h"
#include "setup/SettingsFile.h"
#include "table/FilePaths.h"
#include "table/HelpViewer.h"
#include "table/Layout.h"
#include "table/TableCanvas.h"
#include "table/TablePresenter.h"
#include "table/windows/BetWindow.h"
#include "table/windows/DecisionWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QFile>
#include <QPushButton>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

QString SettingsFileOf(const StartedTable& table) {
    return QString::fromStdString(table.session->settingsPath());
}

} // namespace

class TableWindowTest : public StartedTableTest {
    Q_OBJECT

private slots:
    void closingDuringADealAsksFirst() {
        StartedTable table;
        table.window.show();
        table.game().DealInProgress = true;
        QString asked;
        ModalPoller no([&](QWidget* box) {
            asked = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::No);
        });
        QVERIFY(!table.window.close());
        QVERIFY(no.acted());
        QCOMPARE(asked, QString::fromLatin1(TableWindow::LeaveTheTableQuestion));
        QVERIFY(table.window.isVisible());
        QVERIFY(!QFile::exists(SettingsFileOf(table)));
        table.game().DealInProgress = false;
        QVERIFY(table.window.close());
    }

    void leavingAtTheBetWindowCallsTheDealOffAndKeepsTheTableBeforeIt() {
        StartedTable table;
        Game& game = table.game();
        table.window.createDealWindows();
        table.window.show();
        game.SeatCount = 2;
        game.Seats[1].Human = false; // bets 5 at once
        game.Seats[2].Human = true;
        const double before1 = game.Seats[1].Credits;
        const double before2 = game.Seats[2].Credits;
        bool sawComputerStake = false;
        bool exitOpen = false;
        // At seat 2's bet window seat 1's stake is already on the table; the
        // player chooses File > Exit Program, which stays open to them at the
        // prompt, and agrees to leave.
        WidgetPoller leave(FindVisible<BetWindow>, [&](QWidget*) {
            sawComputerStake = game.Seats[1].Bet > 0;
            exitOpen = table.action("Exit1")->isEnabled() && table.button("Button4")->isEnabled();
            ModalPoller yes([](QWidget* box) { PressMessageBoxButton(box, QMessageBox::Yes); });
            table.action("Exit1")->trigger();
        });
        table.button("Button6")->click();
        QVERIFY(leave.acted());
        QVERIFY(sawComputerStake);
        QVERIFY(exitOpen);
        QTRY_VERIFY(!table.window.isVisible());
        QVERIFY(!game.DealInProgress);
        QCOMPARE(game.Seats[1].Credits, before1);
        QCOMPARE(game.Seats[2].Credits, before2);
        QCOMPARE(game.TotalHands, 0);
        // What the closing saved is the table before the deal.
        const auto next = std::make_unique<Session>(TestProgramDir(), WindowsDir());
        next->Start();
        QCOMPARE(next->game().Seats[1].Credits, before1);
    }

    void aQuietCloseInTheMiddleOfAPauseCallsTheDealOffWithoutAsking() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        table.window.setSpeed(Speed::Slow); // long pauses to close in
        table.window.show();
        std::array<double, MaxSeats + 1> before{};
        for (int seat = 1; seat <= MaxSeats; ++seat)
            before[seat] = game.Seats[seat].Credits;
        DuringDeal quit(game, [&] { table.window.closeQuietly(); });
        table.button("Button6")->click();
        QVERIFY(quit.done());
        QTRY_VERIFY(!table.window.isVisible());
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QCOMPARE(game.Seats[seat].Credits, before[seat]);
    }

    void closingWritesSettingsRulesAndPlayers() {
        StartedTable table;
        table.window.showNormal();
        QVERIFY(table.window.close());
        QFile file(SettingsFileOf(table));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        QVERIFY(text.contains("[GameSettings]"));
        QVERIFY(text.contains("[GameRules]"));
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QVERIFY(text.contains(QStringLiteral("[Player_%1_Settings]").arg(seat)));
        // The window was not maximised when it closed.
        QVERIFY(text.contains("Maxed=0"));
        QVERIFY(text.indexOf("[GameSettings]") < text.indexOf("[GameRules]"));
        QVERIFY(text.indexOf("[GameRules]") < text.indexOf("[Player_1_Settings]"));
    }

    void aFailedSaveAsksWhetherToRetryQuitOrStay() {
        StartedTable table;
        table.window.show();
        const QString path = SettingsFileOf(table);
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be
        // Cancel: the player stays at the table.
        QString shown;
        ModalPoller cancel([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Cancel);
        });
        QVERIFY(!table.window.close());
        QVERIFY(cancel.acted());
        QCOMPARE(shown, "Unable to write to " + path);
        QCOMPARE(QString::fromStdString(table.window.lastSaveError()), shown);
        QVERIFY(table.window.isVisible());

        // Retry after the folder was made room for: the file is written and the table closes.
        ModalPoller retry([&](QWidget* box) {
            QDir(path).removeRecursively();
            auto* message = qobject_cast<QMessageBox*>(box);
            for (QAbstractButton* button : message->buttons()) {
                if (button->text() == QStringLiteral("&Retry"))
                    button->click();
            }
        });
        QVERIFY(table.window.close());
        QVERIFY(retry.acted());
        QVERIFY(QFileInfo(path).isFile());
    }

    void quittingWithoutSavingLeavesTheOldFile() {
        StartedTable table;
        table.window.show();
        const QString path = SettingsFileOf(table);
        QVERIFY(QDir().mkpath(path));
        ModalPoller quit([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            for (QAbstractButton* button : message->buttons()) {
                if (button->text() == QStringLiteral("&Quit Without Saving"))
                    button->click();
            }
        });
        QVERIFY(table.window.close());
        QVERIFY(quit.acted());
        QVERIFY2(QFileInfo(path).isDir(), "nothing was written over it");
    }

    void everyFinishedDealIsSavedAtOnce() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        table.button("Button6")->click();
        QCOMPARE(game.TotalHands, 1);
        // Written in the background: the file soon holds every seat's credits
        // after the deal, with the table still open.
        const auto saved = [&](int seat) {
            return ProfileFile(SettingsFileOf(table).toStdString())
                .getString("Player_" + std::to_string(seat) + "_Settings", "Credits", "");
        };
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QTRY_COMPARE(saved(seat), FormatFileMoney(game.Seats[seat].Credits));
    }

    void autoDealStartsADealSoonAfterItIsSwitchedOn() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        QAction* autoDeal = table.action("AutoDeal2");
        QTimer* autoTimer = table.timer("AutoModeTimer");
        autoDeal->trigger();
        QVERIFY(autoDeal->isChecked());
        QCOMPARE(table.button("Button6")->text(), "Auto &Deal Off");
        QCOMPARE(autoTimer->interval(), 200);
        QVERIFY(autoTimer->isActive());
        QCOMPARE(game.TotalHands, 0);

        // Pressing Deal while the automatic deal runs makes it the last one.
        DuringDeal stop(game, [&] { table.button("Button6")->click(); });
        QTRY_VERIFY_WITH_TIMEOUT(stop.done() && !game.DealInProgress, 60000);
        QCOMPARE(game.TotalHands, 1);
        QCOMPARE(table.button("Button6")->text(), "&Deal");
        QVERIFY(!autoDeal->isChecked());
        QCOMPARE(game.AutoDealsLeft, 0);
        QVERIFY(!autoTimer->isActive());
    }

    void autoDealSwitchedOnDuringADealWaitsForItsEnd() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        QTimer* autoTimer = table.timer("AutoModeTimer");
        bool armedAtOnce = true;
        DuringDeal switchOn(game, [&] {
            table.action("AutoDeal2")->trigger();
            armedAtOnce = autoTimer->isActive();
        });
        table.button("Button6")->click(); // the whole deal runs inside the click
        QVERIFY(switchOn.done());
        QVERIFY(!armedAtOnce);
        QCOMPARE(game.TotalHands, 1);
        // The deal armed the timer as it ended; switching off now deals no more.
        QVERIFY(autoTimer->isActive());
        table.action("AutoDeal2")->trigger();
        QVERIFY(!autoTimer->isActive());
        QTest::qWait(400);
        QCOMPARE(game.TotalHands, 1);
    }

    void nobodyBettingStopsTheChain() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        for (int seat = 1; seat <= MaxSeats; ++seat)
            game.Seats[seat].Credits = 0; // nobody can cover the table minimum
        table.action("AutoDeal2")->trigger();
        QTRY_VERIFY(table.window.windowTitle().contains("[Hand: 1]"));
        QCOMPARE(game.TotalHands, 0); // the deal was taken back
        QVERIFY(!table.timer("AutoModeTimer")->isActive());
        QVERIFY(table.action("AutoDeal2")->isChecked());
        QCOMPARE(table.button("Button6")->text(), "Auto &Deal Off");
    }

    void aHumanSeatBetsAndDecidesOverTheSeatView() {
        StartedTable table;
        Game& game = table.game();
        table.window.createDealWindows();
        table.window.showNormal();
        table.window.resize(1024, 768);
        QTRY_COMPARE(table.window.size(), QSize(1024, 768));
        game.SeatCount = 1;
        game.Seats[1].Human = true;
        table.window.setSpeed(Speed::VeryFast);
        // The seat gets 10 and 6, the dealer a hidden 10 and a 7 showing: no
        // insurance, no blackjack, so the seat is asked and stands on 16.
        const int ranks[] = {10, 10, 6, 7};
        for (int i = 0; i < 4; ++i)
            game.Shoe.ShoeCards[2 + i] = Card{ranks[i], ranks[i]};
        game.Shoe.ShoePos = 1;

        QTimer* thinking = table.timer("Thinking");
        bool thinkingWhileBetting = false;
        QRect betPlace;
        WidgetPoller bet(FindVisible<BetWindow>, [&](QWidget* window) {
            thinkingWhileBetting = thinking->isActive();
            betPlace = window->geometry();
            window->findChild<QPushButton*>("BitBtn3")->click(); // a chip of 5
            window->findChild<QPushButton*>("BitBtn6")->click(); // OK
        });
        WidgetPoller decide(
            FindVisible<DecisionWindow>,
            [&](QWidget* window) { window->findChild<QPushButton*>("BitBtn2")->click(); }, 30000);
        table.button("Button6")->click();
        QVERIFY(bet.acted());
        QVERIFY(decide.acted());
        QVERIFY(thinkingWhileBetting);
        QVERIFY(!thinking->isActive());
        const Area seatArea = table.window.canvas().SeatArea;
        QCOMPARE(betPlace.topLeft(), QPoint(seatArea.left + 1, seatArea.top + 194));
        QCOMPARE(game.Seats[1].Credits, 4995.0); // 16 loses to 17
        QCOMPARE(game.Seats[1].LastBet, 5.0);
        QVERIFY(!game.DealInProgress);
        table.window.close();
    }

    void thinkingTicksAlternateTheWaitingSeatsFaces() {
        StartedTable table;
        Game& game = table.game();
        QTimer* thinking = table.timer("Thinking");
        QCOMPARE(thinking->interval(), 2000);
        game.Seats[2].Number = 6;
        game.CurrentSeat = 2;
        game.ThinkingFrame = true;
        // Each tick turns the frame over; a quick timer shows several ticks.
        thinking->setInterval(5);
        thinking->start();
        QTRY_VERIFY(!game.ThinkingFrame);
        QTRY_VERIFY(game.ThinkingFrame);
        thinking->stop();
    }

    void speedButtonCycles_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("speed");
        QTest::newRow("very fast to fast") << 0 << "&Speed: Fast" << 1;
        QTest::newRow("fast to medium") << 1 << "&Speed: Medium" << 2;
        QTest::newRow("medium to slow") << 2 << "&Speed: Slow" << 3;
        QTest::newRow("slow to very fast") << 3 << "&Speed: Very Fast" << 0;
    }

    void speedButtonCycles() {
        QFETCH(int, from);
        QFETCH(QString, caption);
        QFETCH(int, speed);
        StartedTable table;
        const char* const items[] = {"VeryFast1", "Fast1", "Medium1", "Slow1"};
        table.action(items[from])->trigger();
        QCOMPARE(int(table.game().Speed), from);
        table.button("Button3")->click();
        QCOMPARE(table.button("Button3")->text(), caption);
        QCOMPARE(int(table.game().Speed), speed);
        for (int s = 0; s < 4; ++s)
            QCOMPARE(table.action(items[s])->isChecked(), s == speed);
    }

    void speedStartsFromTheSettings() {
        {
            StartedTable first;
            first.action("Slow1")->trigger();
            first.window.show();
            QVERIFY(first.window.close());
        }
        StartedTable table;
        QCOMPARE(table.game().Speed, Speed::Slow);
        QCOMPARE(table.button("Button3")->text(), "&Speed: Slow");
        QVERIFY(table.action("Slow1")->isChecked());
    }

    void pauseReturnsOnTimeAndKeepsTheWindowAlive() {
        StartedTable table;
        table.window.setSpeed(Speed::Medium); // nominal seconds
        bool fired = false;
        QTimer::singleShot(20, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        table.window.presenter().Pause(0.1);
        QVERIFY(clock.elapsed() >= 100);
        QVERIFY(fired);
    }

    void pauseReadsTheSpeedOnceAtItsStart() {
        StartedTable table;
        table.window.setSpeed(Speed::VeryFast); // a quarter
        QTimer::singleShot(10, [&] { table.window.setSpeed(Speed::Slow); });
        QElapsedTimer clock;
        clock.start();
        table.window.presenter().Pause(0.4);
        QVERIFY(clock.elapsed() >= 100);
        QCOMPARE(table.game().Speed, Speed::Slow);
    }

    void seatPanelClickShowsNameAndMoney() {
        StartedTable table;
        Game& game = table.game();
        table.window.showNormal();
        table.window.resize(1024, 768);
        game.Seats[2].Name = "Sid Serious";
        game.Seats[2].Credits = 4200;
        game.Seats[2].Borrowed = 5000;
        QString shown;
        ModalPoller poller([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        QTest::mouseClick(table.window.findChild<SeatPanelView*>("Panel2"), Qt::LeftButton);
        QVERIFY(poller.acted());
        QCOMPARE(shown, "Name:  Sid Serious\r\n\r\nCredits:  $4,200.00\r\n\r\n"
                        "Borrowed: $5,000.00\r\n\r\nWinnings: ($800.00)\r\n");
        table.window.close();
    }

    void seatMessageIsCutAt255Characters() {
        StartedTable table;
        table.game().Seats[1].Name = std::string(300, 'x'); // longer than any stored name
        table.window.showNormal();
        QString shown;
        ModalPoller poller([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        QTest::mouseClick(table.window.findChild<SeatPanelView*>("Panel1"), Qt::LeftButton);
        QVERIFY(poller.acted());
        QCOMPARE(shown.size(), 255);
        table.window.close();
    }

    void cardCountHelpOpensTheCountingTopicAndKeepsTheFigures_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("the Help button") << false;
        QTest::newRow("F1") << true;
    }

    void cardCountHelpOpensTheCountingTopicAndKeepsTheFigures() {
        QFETCH(bool, byKey);
        StartedTable table;
        table.window.show();
        QString first;
        QString second;
        ModalPoller help([&](QWidget* box) {
            first = MessageBoxText(box);
            if (byKey)
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_F1);
            else
                PressMessageBoxButton(box, QMessageBox::Help);
        });
        WidgetPoller ok(
            [&]() -> QWidget* {
                return help.acted() ? QApplication::activeModalWidget() : nullptr;
            },
            [&](QWidget* box) {
                second = MessageBoxText(box);
                PressMessageBoxButton(box, QMessageBox::Ok);
            });
        table.action("CardCount1")->trigger();
        QVERIFY(help.acted());
        QVERIFY(ok.acted());
        QVERIFY(first.startsWith("At the completion of the last hand"));
        QCOMPARE(second, first);
        QVERIFY(table.window.help().isVisible());
        QCOMPARE(table.window.help().currentPage(), "41004.html");
        QVERIFY(table.window.close());
        QVERIFY(!table.window.help().isVisible());
    }

    void helpOpensPagesInOneWindowAndNamesAMissingOne() {
        QTemporaryDir pages;
        QFile contents(pages.filePath("index.html"));
        QVERIFY(contents.open(QIODevice::WriteOnly));
        contents.write("<h1>Contents</h1>");
        contents.close();
        HelpViewer help(FileSystemPath(pages.path() + QLatin1Char('/')));
        help.ShowContents();
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), "index.html");
        help.ShowTopic(HelpTroubleshooting); // not among these pages
        QVERIFY(help.pageText().contains("41021.html"));
        QVERIFY(help.isVisible());
        help.close();
    }

    void helpButtonOpensTheTableTopic() {
        StartedTable table;
        table.window.show();
        table.button("BitBtn1")->click();
        QCOMPARE(table.window.help().currentPage(), "41005.html");
        QVERIFY(table.window.close());
    }

    void menusCarryTheirCaptionsAndChecks() {
        StartedTable table;
        QCOMPARE(table.window.windowTitle(), "Dealmoor (32-bit)");
        QCOMPARE(table.window.objectName(), "Animate");
        QVERIFY(table.action("SoundOn1")->isChecked());
        QVERIFY(table.action("On1")->isChecked());
        // Every command has its window.
        for (const char* command : {"New1", "ChangeSounds1", "StrategyCards1"})
            QVERIFY2(table.action(command)->isEnabled(), command);
        QVERIFY(table.button("Button2")->isEnabled());
        QVERIFY(!table.action("AutoDeal2")->isChecked());
        QCOMPARE(table.action("CardCount1")->text(), "C&ard Count");
        // A sound switch follows its menu item.
        table.action("WinSound1")->trigger();
        QVERIFY(!table.settings().WinSoundOn);
        QVERIFY(!table.action("WinSound1")->isChecked());
        table.action("On1")->trigger();
        QVERIFY(!table.settings().Hints);
    }

    void resizingAppliesTheLayout_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small") << QSize(700, 500);
        QTest::newRow("medium") << QSize(900, 700);
        QTest::newRow("large") << QSize(1024, 768);
        QTest::newRow("extra large") << QSize(1600, 1000);
    }

    void resizingAppliesTheLayout() {
        QFETCH(QSize, size);
        StartedTable table;
        table.window.showNormal();
        table.window.resize(size);
        QTRY_COMPARE(table.window.size(), size);
        // The layout reads the outer size, frame included.
        const QSize outer = table.window.frameGeometry().size();
        const LayoutResult expected = ComputeLayout(outer.width(), outer.height());
        QCOMPARE(table.button("Button6")->geometry(), expected.Button6);
        QCOMPARE(table.button("Button4")->isVisible(), expected.extraButtonsVisible);
        if (expected.extraButtonsVisible)
            QCOMPARE(table.button("Button2")->geometry(), expected.Button2);
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            const auto* panel =
                table.window.findChild<SeatPanelView*>(QStringLiteral("Panel%1").arg(seat));
            QCOMPARE(panel->geometry(), expected.Panels[seat]);
        }
        QCOMPARE(table.window.canvas().SeatArea.left, expected.SeatArea.left);
        QCOMPARE(table.window.canvas().DealerArea.top, expected.DealerArea.top);
        table.window.close();
    }

    void onlySeatsInPlayShowTheirPictures() {
        {
            StartedTable first;
            first.game().SeatCount = 3;
            first.window.show();
            QVERIFY(first.window.close());
        }
        StartedTable table;
        QCOMPARE(int(table.game().SeatCount), 3);
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            const auto* panel =
                table.window.findChild<SeatPanelView*>(QStringLiteral("Panel%1").arg(seat));
            QCOMPARE(panel->pictureVisible, seat <= 3);
        }
    }
};

DEALMOOR_QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
