// The table window as the player drives it: closing and saving, automatic
// dealing, the speed button, pauses, the seat and card count messages, help,
// and the layout it applies when resized.

#include "engine/Game.h"
#include "setup/SettingsFile.h"
#include "setup/TWagerFrm.h"
#include "strategy/THitStandForm.h"
#include "table/HelpViewer.h"
#include "table/Layout.h"
#include "table/TAnimate.h"

#include "TestSupport.h"

#include <QFile>
#include <QPushButton>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

QString SettingsFileOf(const Game& game) {
    return QString::fromStdString(SettingsPath(game));
}

void RemoveSettingsFile() {
    const QString path = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/dealmoor/DMOOR.INI";
    QFile::remove(path);
    QDir(path).removeRecursively();
}

// Every seat played by the house, as fast as the table goes.
void SeatOnlyComputers(Game& game, TAnimate& table) {
    for (int seat = 1; seat <= MaxSeats; ++seat)
        game.Seats[seat].Human = false;
    table.SetSpeed(0);
}

// Runs `act` once, from inside the deal, the first time a deal is found running.
class DuringDeal {
public:
    DuringDeal(const Game& game, std::function<void()> act) : game_(game), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (game_.DealInProgress && !done_) {
                done_ = true;
                act_();
            }
        });
        timer_.start(5);
    }
    bool done() const { return done_; }

private:
    const Game& game_;
    std::function<void()> act_;
    QTimer timer_;
    bool done_ = false;
};

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { RemoveSettingsFile(); }

    void cleanup() {
        QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open");
        RemoveSettingsFile();
    }

    void closingIsRefusedWhileADealRuns() {
        Game game;
        TAnimate table(game);
        table.show();
        game.DealInProgress = true;
        QVERIFY(!table.close());
        QVERIFY(table.isVisible());
        QVERIFY(!QFile::exists(SettingsFileOf(game)));
        game.DealInProgress = false;
        QVERIFY(table.close());
    }

    void closingWritesSettingsRulesAndPlayers() {
        Game game;
        TAnimate table(game);
        table.showNormal();
        QVERIFY(table.close());
        QFile file(SettingsFileOf(game));
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

    void aFailedSaveIsReportedAndTheWindowStillCloses() {
        Game game;
        TAnimate table(game);
        table.show();
        const QString path = SettingsFileOf(game);
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be
        QString shown;
        ModalPoller poller([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        QVERIFY(table.close());
        QVERIFY(poller.acted());
        QCOMPARE(shown, "Unable to write to " + path);
        QVERIFY(!table.isVisible());
    }

    void autoDealStartsADealSoonAfterItIsSwitchedOn() {
        Game game;
        TAnimate table(game);
        SeatOnlyComputers(game, table);
        table.AutoDeal2->trigger();
        QVERIFY(table.AutoDeal2->isChecked());
        QCOMPARE(table.Button6->text(), "Auto &Deal Off");
        QCOMPARE(table.AutoModeTimer->interval(), 200);
        QVERIFY(table.AutoModeTimer->isActive());
        QCOMPARE(game.TotalHands, 0);

        // Pressing Deal while the automatic deal runs makes it the last one.
        DuringDeal stop(game, [&] { table.Button6->click(); });
        QTRY_VERIFY_WITH_TIMEOUT(stop.done() && !game.DealInProgress, 60000);
        QCOMPARE(game.TotalHands, 1);
        QCOMPARE(table.Button6->text(), "&Deal");
        QVERIFY(!table.AutoDeal2->isChecked());
        QCOMPARE(game.AutoDealsLeft, 0);
        QVERIFY(!table.AutoModeTimer->isActive());
    }

    void autoDealSwitchedOnDuringADealWaitsForItsEnd() {
        Game game;
        TAnimate table(game);
        SeatOnlyComputers(game, table);
        bool armedAtOnce = true;
        DuringDeal switchOn(game, [&] {
            table.AutoDeal2->trigger();
            armedAtOnce = table.AutoModeTimer->isActive();
        });
        table.Button6->click(); // the whole deal runs inside the click
        QVERIFY(switchOn.done());
        QVERIFY(!armedAtOnce);
        QCOMPARE(game.TotalHands, 1);
        // The deal armed the timer as it ended; switching off now deals no more.
        QVERIFY(table.AutoModeTimer->isActive());
        table.AutoDeal2->trigger();
        QVERIFY(!table.AutoModeTimer->isActive());
        QTest::qWait(400);
        QCOMPARE(game.TotalHands, 1);
    }

    void nobodyBettingStopsTheChain() {
        Game game;
        TAnimate table(game);
        SeatOnlyComputers(game, table);
        for (int seat = 1; seat <= MaxSeats; ++seat)
            game.Seats[seat].Credits = 0; // nobody can cover the table minimum
        table.AutoDeal2->trigger();
        QTRY_VERIFY(table.windowTitle().contains("[Hand: 1]"));
        QCOMPARE(game.TotalHands, 0); // the deal was taken back
        QVERIFY(!table.AutoModeTimer->isActive());
        QVERIFY(table.AutoDeal2->isChecked());
        QCOMPARE(table.Button6->text(), "Auto &Deal Off");
    }

    void aHumanSeatBetsAndDecidesOverTheSeatView() {
        Game game;
        TAnimate table(game);
        table.CreateDecisionWindow();
        table.CreateBetWindow();
        table.showNormal();
        table.resize(1024, 768);
        QTRY_COMPARE(table.size(), QSize(1024, 768));
        game.SeatCount = 1;
        game.Seats[1].Human = true;
        table.SetSpeed(0);
        // The seat gets 10 and 6, the dealer a hidden 10 and a 7 showing: no
        // insurance, no blackjack, so the seat is asked and stands on 16.
        const int ranks[] = {10, 10, 6, 7};
        for (int i = 0; i < 4; ++i)
            game.Shoe.ShoeCards[2 + i] = Card{ranks[i], ranks[i]};
        game.Shoe.ShoePos = 1;

        bool thinkingWhileBetting = false;
        QRect betPlace;
        WidgetPoller bet(FindVisible<TWagerFrm>, [&](QWidget* window) {
            auto* wager = static_cast<TWagerFrm*>(window);
            thinkingWhileBetting = table.Thinking->isActive();
            betPlace = wager->geometry();
            wager->BitBtn3->click(); // a chip of 5
            wager->BitBtn6->click(); // OK
        });
        WidgetPoller decide(
            FindVisible<THitStandForm>,
            [&](QWidget* window) { static_cast<THitStandForm*>(window)->BitBtn2->click(); }, 30000);
        table.Button6->click();
        QVERIFY(bet.acted());
        QVERIFY(decide.acted());
        QVERIFY(thinkingWhileBetting);
        QVERIFY(!table.Thinking->isActive());
        const Area seatArea = table.Canvas().SeatArea;
        QCOMPARE(betPlace.topLeft(), QPoint(seatArea.left + 1, seatArea.top + 194));
        QCOMPARE(game.Seats[1].Credits, 4995.0); // 16 loses to 17
        QVERIFY(!game.DealInProgress);
        table.close();
    }

    void thinkingTicksAlternateTheWaitingSeatsFaces() {
        // Records the faces the table draws.
        class FaceRecorder : public TAnimate {
        public:
            using TAnimate::TAnimate;
            void SetFace(int seat, int frame) override {
                TAnimate::SetFace(seat, frame);
                faces.append({seat, frame});
            }
            QList<QPair<int, int>> faces;
        };
        Game game;
        FaceRecorder table(game);
        QCOMPARE(table.Thinking->interval(), 2000);
        game.Seats[2].Number = 6;
        game.CurrentSeat = 2;
        game.ThinkingFrame = true;
        table.faces.clear();
        table.ThinkingTimer();
        table.ThinkingTimer();
        table.ThinkingTimer();
        const QList<QPair<int, int>> expected{{2, 1}, {2, 2}, {2, 1}};
        QCOMPARE(table.faces, expected);
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
        Game game;
        TAnimate table(game);
        table.SpeedItems[from]->trigger();
        QCOMPARE(int(game.Speed), from);
        table.Button3->click();
        QCOMPARE(table.Button3->text(), caption);
        QCOMPARE(int(game.Speed), speed);
        for (int s = 0; s < 4; ++s)
            QCOMPARE(table.SpeedItems[s]->isChecked(), s == speed);
    }

    void speedStartsFromTheSettings() {
        Game game;
        {
            TAnimate first(game);
            first.SpeedItems[3]->trigger();
            first.show();
            QVERIFY(first.close());
        }
        Game again;
        TAnimate table(again);
        QCOMPARE(int(again.Speed), 3);
        QCOMPARE(table.Button3->text(), "&Speed: Slow");
        QVERIFY(table.SpeedItems[3]->isChecked());
    }

    void pauseReturnsOnTimeAndKeepsTheWindowAlive() {
        Game game;
        TAnimate table(game);
        table.SetSpeed(2); // Medium: nominal seconds
        bool fired = false;
        QTimer::singleShot(20, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        table.Pause(0.1);
        QVERIFY(clock.elapsed() >= 100);
        QVERIFY(fired);
    }

    void pauseReadsTheSpeedOnceAtItsStart() {
        Game game;
        TAnimate table(game);
        table.SetSpeed(0); // Very Fast: a quarter
        QTimer::singleShot(10, [&] { table.SetSpeed(3); });
        QElapsedTimer clock;
        clock.start();
        table.Pause(0.4);
        QVERIFY(clock.elapsed() >= 100);
        QCOMPARE(int(game.Speed), 3);
    }

    void seatPanelClickShowsNameAndMoney() {
        Game game;
        TAnimate table(game);
        table.showNormal();
        table.resize(1024, 768);
        game.Seats[2].Name = "Sid Serious";
        game.Seats[2].Credits = 4200;
        game.Seats[2].Borrowed = 5000;
        QString shown;
        ModalPoller poller([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        QTest::mouseClick(table.Panels[2], Qt::LeftButton);
        QVERIFY(poller.acted());
        QCOMPARE(shown, "Name:  Sid Serious\r\n\r\nCredits:  $4,200.00\r\n\r\n"
                        "Borrowed: $5,000.00\r\n\r\nWinnings: ($800.00)\r\n");
        table.close();
    }

    void seatMessageIsCutAt255Characters() {
        Game game;
        TAnimate table(game);
        game.Seats[1].Name = std::string(300, 'x'); // longer than any stored name
        QString shown;
        ModalPoller poller([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        table.Image1Click(1);
        QVERIFY(poller.acted());
        QCOMPARE(shown.size(), 255);
    }

    void cardCountHelpOpensTheCountingTopicAndKeepsTheFigures() {
        Game game;
        TAnimate table(game);
        table.show();
        QString first;
        QString second;
        ModalPoller help([&](QWidget* box) {
            first = MessageBoxText(box);
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
        table.CardCount1->trigger();
        QVERIFY(help.acted());
        QVERIFY(ok.acted());
        QVERIFY(first.startsWith("At the completion of the last hand"));
        QCOMPARE(second, first);
        QVERIFY(table.Help().isVisible());
        QCOMPARE(table.Help().source().fileName(), "41004.html");
        QVERIFY(table.close());
        QVERIFY(!table.Help().isVisible());
    }

    void helpOpensPagesInOneWindowAndNamesAMissingOne() {
        QTemporaryDir pages;
        QFile contents(pages.filePath("index.html"));
        QVERIFY(contents.open(QIODevice::WriteOnly));
        contents.write("<h1>Contents</h1>");
        contents.close();
        HelpViewer help(pages.path());
        help.ShowContents();
        QVERIFY(help.isVisible());
        QCOMPARE(help.source().fileName(), "index.html");
        help.ShowTopic(HelpTroubleshooting); // not among these pages
        QVERIFY(help.toPlainText().contains("41021.html"));
        QVERIFY(help.isVisible());
        help.close();
    }

    void helpButtonOpensTheTableTopic() {
        Game game;
        TAnimate table(game);
        table.show();
        table.BitBtn1->click();
        QCOMPARE(table.Help().source().fileName(), "41005.html");
        QVERIFY(table.close());
    }

    void menusCarryTheirCaptionsAndChecks() {
        Game game;
        TAnimate table(game);
        QCOMPARE(table.windowTitle(), "Dealmoor (32-bit)");
        QCOMPARE(table.objectName(), "Animate");
        QVERIFY(table.SoundOn1->isChecked());
        QVERIFY(table.On1->isChecked());
        QVERIFY(!table.New1->isEnabled());
        QVERIFY(!table.ChangeSounds1->isEnabled());
        QVERIFY(!table.StrategyCards1->isEnabled());
        QVERIFY(!table.AutoDeal2->isChecked());
        QCOMPARE(table.CardCount1->text(), "C&ard Count");
        // A sound switch follows its menu item.
        table.WinSound1->trigger();
        QVERIFY(!game.Settings.WinSoundOn);
        QVERIFY(!table.WinSound1->isChecked());
        table.On1->trigger();
        QVERIFY(!game.Settings.Hints);
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
        Game game;
        TAnimate table(game);
        table.showNormal();
        table.resize(size);
        QTRY_COMPARE(table.size(), size);
        // The layout reads the outer size, frame included.
        const QSize outer = table.frameGeometry().size();
        const LayoutResult expected = ComputeLayout(outer.width(), outer.height());
        QCOMPARE(table.Button6->geometry(), expected.Button6);
        QCOMPARE(table.Button4->isVisible(), expected.extraButtonsVisible);
        if (expected.extraButtonsVisible)
            QCOMPARE(table.Button2->geometry(), expected.Button2);
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QCOMPARE(table.Panels[seat]->geometry(), expected.Panels[seat]);
        QCOMPARE(table.Canvas().SeatArea.left, expected.SeatArea.left);
        QCOMPARE(table.Canvas().DealerArea.top, expected.DealerArea.top);
        table.close();
    }

    void onlySeatsInPlayShowTheirPictures() {
        Game game;
        {
            TAnimate first(game);
            game.SeatCount = 3;
            first.show();
            QVERIFY(first.close());
        }
        Game again;
        TAnimate table(again);
        QCOMPARE(int(again.SeatCount), 3);
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QCOMPARE(table.Panels[seat]->pictureVisible, seat <= 3);
    }
};

DEALMOOR_QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
