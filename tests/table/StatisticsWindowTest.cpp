// The statistics window over the table: rigged deals played at the table (a
// blackjack, a split with one win and one loss, a surrender, insurance won)
// counted as they happen, the last deal and the hint record, the seat panels'
// results between deals, Reset asked and done, a new game's figures, and the
// file kept beside the settings (a damaged one starting afresh).

#include "table/windows/StatisticsWindow.h"
#include "strategy/StatisticsFile.h"
#include "table/HelpViewer.h"
#include "table/TableCanvas.h"
#include "table/TablePresenter.h"
#include "table/TableWindow.h"
#include "table/windows/BetWindow.h"
#include "table/windows/DecisionWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <deque>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

QString statisticsPath() {
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/dealmoor/DMOOR.STS";
}

// Cards for the next deal, taken from the shoe in this order: the seat's
// first card, the dealer's hole card, the seat's second card, the dealer's up
// card, then whatever is drawn.
void Rig(Game& game, std::initializer_list<int> ranks) {
    game.Shoe.ShoePos = 1;
    int entry = 2;
    for (int rank : ranks) {
        game.Shoe.ShoeCards[entry] = Card{13 * (entry % 4) + rank, rank};
        ++entry;
    }
}

// Sits at the human seat for the test: bets 5, insures with 1 when asked,
// and answers the decision window from a script of its button names.
class Player {
public:
    explicit Player(const Game& game) : game_(game) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { act(); });
        timer_.start(10);
    }
    std::deque<const char*> decisions;
    bool offScript = false; // asked for a decision the script did not hold

private:
    void act() {
        if (QWidget* bet = FindVisible<BetWindow>()) {
            click(bet, "Button1"); // Clear Bet: the last bet is offered again
            click(bet, game_.InsuranceOffer ? "BitBtn4" : "BitBtn3"); // 1 or 5
            click(bet, "BitBtn6");
            return;
        }
        if (QWidget* decide = FindVisible<DecisionWindow>()) {
            offScript = offScript || decisions.empty();
            click(decide, decisions.empty() ? "BitBtn2" : decisions.front());
            if (!decisions.empty())
                decisions.pop_front();
        }
    }
    static void click(QWidget* window, const char* name) {
        window->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    const Game& game_;
    QTimer timer_;
};

const char* const Hit = "BitBtn1";
const char* const Stand = "BitBtn2";
const char* const Split = "BitBtn4";
const char* const Surrender = "BitBtn5";

StatisticsWindow* OpenStatistics(StartedTable& table) {
    table.action("Statistics1")->trigger();
    return table.window.findChild<StatisticsWindow*>(QStringLiteral("StatisticsForm"));
}

QTableWidget* Table(QWidget* window, const char* name) {
    return window->findChild<QTableWidget*>(QString::fromLatin1(name));
}

// A figure of a seat in one of the figure tables, by the row's heading.
QString Figure(QWidget* window, const char* table, const char* figure, int seat = 1) {
    QTableWidget* figures = Table(window, table);
    for (int row = 0; row < figures->rowCount(); ++row) {
        if (figures->verticalHeaderItem(row)->text() == QLatin1String(figure))
            return figures->item(row, seat - 1)->text();
    }
    return QStringLiteral("no row %1").arg(figure);
}

QStringList Row(QTableWidget* table, int row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->item(row, column);
        cells << (item ? item->text() : QString());
    }
    return cells;
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        RemoveSettingsFile();
        QFile::remove(statisticsPath());
    }
    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open"); }

    void riggedDealsAtTheTableAreCountedAsTheyHappen() {
        StartedTable table;
        Game& game = table.game();
        table.window.createDealWindows();
        table.window.showNormal();
        table.window.resize(1024, 768);
        game.SeatCount = 1;
        game.Seats[1].Human = true;
        game.HouseRules.LateSurrender = true;
        table.window.setSpeed(Speed::VeryFast);

        QAction* item = table.action("Statistics1");
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        StatisticsWindow* statistics = OpenStatistics(table);
        QVERIFY(statistics && statistics->isVisible());
        QCOMPARE(Figure(statistics, "GameFigures", "Deals"), "0");
        Player player(game);
        const auto settled = [&] { return table.window.presenter().settledDeal()[1]; };
        QVERIFY(!settled().has_value()); // nothing to show before the first deal

        // A blackjack, paid 3 to 2.
        Rig(game, {1, 7, 13, 9});
        table.button("Button6")->click();
        QCOMPARE(Figure(statistics, "GameFigures", "Blackjacks"), "1");
        QCOMPARE(settled(), std::optional<double>(7.5));
        QCOMPARE(SettledResultText(*settled()), "+$7.50");

        // Eights split against a 6: 8-K stands on 18, 8-3 draws a 9 to 20; the
        // dealer's 16 draws a 3 to 19. One hand lost, one won: even.
        Rig(game, {8, 10, 8, 6, 13, 3, 9, 3});
        player.decisions = {Split, Stand, Hit, Stand};
        table.button("Button6")->click();
        QVERIFY(player.decisions.empty());
        QCOMPARE(settled(), std::optional<double>(0.0));
        QCOMPARE(SettledResultText(*settled()), "Push");

        // 16 against a 10, surrendered: half the stake back.
        Rig(game, {10, 7, 6, 10});
        player.decisions = {Surrender};
        table.button("Button6")->click();
        QCOMPARE(settled(), std::optional<double>(-2.5));
        QCOMPARE(SettledResultText(*settled()), "\u2212$2.50");

        // 19 against an ace, insured with 1; the dealer has a blackjack.
        Rig(game, {10, 13, 9, 1});
        table.button("Button6")->click();
        QCOMPARE(settled(), std::optional<double>(-3.0)); // 5 lost, 1 insured won 2
        QVERIFY(!player.offScript);

        // The window followed the table deal by deal.
        const QList<std::pair<const char*, QString>> expected = {
            {"Deals", "4"},
            {"Hands", "5"},
            {"Won", "2"},
            {"Lost", "3"}, // the split's 18, the surrender, the 19 against a blackjack
            {"Pushed", "0"},
            {"Blackjacks", "1"},
            {"Doubles", "0"},
            {"Splits", "1"},
            {"Surrenders", "1"},
            {"Insurance taken", "1"},
            {"Insurance won", "1"},
            {"Net result", "+$2.00"},
            {"Per unit of initial bet", "10.00%"},
            {"Largest win", "$7.50"},
            {"Largest loss", "\u2212$3.00"},
            {"Followed the hint", "80.00% of 5"}, // the surrender went against it
        };
        for (const auto& [figure, value] : expected) {
            QCOMPARE(Figure(statistics, "GameFigures", figure), value);
            QCOMPARE(Figure(statistics, "ResetFigures", figure), value);
        }
        QTableWidget* misses = Table(statistics, "HintMisses");
        QCOMPARE(misses->rowCount(), 1);
        QCOMPARE(Row(misses, 0),
                 QStringList({"Human Player", "10 6 (16)", "10", "Surrender", "Hit"}));
        QCOMPARE(statistics->findChild<QLabel*>(QStringLiteral("HintSummary"))->text(),
                 "Human Player followed the hint in 4 of 5 decisions since the statistics "
                 "were reset (80.00%).");

        QTableWidget* last = Table(statistics, "LastDeal");
        QCOMPARE(last->rowCount(), 3);
        QCOMPARE(Row(last, 0), QStringList({"Dealer", "", "K A (21)", "", "", ""}));
        QCOMPARE(Row(last, 1), QStringList({"Human Player", "", "10 9 (19)", "$5.00", "\u2212$5.00",
                                            "\u2212$3.00"}));
        QCOMPARE(Row(last, 2), QStringList({"", "Insurance", "", "$1.00", "+$2.00", ""}));

        auto* chart = statistics->findChild<QChartView*>(QStringLiteral("CreditsChart"));
        auto* line = qobject_cast<QLineSeries*>(chart->chart()->series().first());
        QCOMPARE(line->count(), 4);
        QCOMPARE(line->at(3), QPointF(4, game.Seats[1].Credits));

        // Reset asks first; No keeps everything.
        QString asked;
        {
            ModalPoller no([&](QWidget* box) {
                asked = MessageBoxText(box);
                PressMessageBoxButton(box, QMessageBox::No);
            });
            statistics->findChild<QPushButton*>(QStringLiteral("ResetStatistics"))->click();
            QVERIFY(no.acted());
        }
        QCOMPARE(asked, StatisticsWindow::ResetQuestion);
        QCOMPARE(Figure(statistics, "ResetFigures", "Deals"), "4");
        {
            ModalPoller yes([](QWidget* box) { PressMessageBoxButton(box, QMessageBox::Yes); });
            statistics->findChild<QPushButton*>(QStringLiteral("ResetStatistics"))->click();
            QVERIFY(yes.acted());
        }
        QCOMPARE(Figure(statistics, "GameFigures", "Deals"), "0");
        QCOMPARE(Figure(statistics, "ResetFigures", "Net result"), "$0.00");
        QCOMPARE(misses->rowCount(), 0);
        QCOMPARE(last->rowCount(), 0);
        QCOMPARE(line->count(), 0);

        // Closing the table closes the window and keeps the figures as they are.
        table.window.close();
        QVERIFY(!statistics->isVisible());
        TableStatistics kept;
        QCOMPARE(LoadStatistics(statisticsPath().toStdString(), kept), StatisticsLoad::Loaded);
        QCOMPARE(kept.seat(1).SinceReset.Deals, 0);
    }

    void aNewGameStartsItsFiguresAndADamagedFileStartsAfresh() {
        {
            std::ofstream damaged(statisticsPath().toStdString());
            damaged << "Dealmoor statistics 1\ngame-deals 12\ntally 1 game deals x\n";
        }
        StartedTable table;
        OneComputerSeatAtVeryFast(table);
        table.button("Button6")->click();
        StatisticsWindow* statistics = OpenStatistics(table);
        QCOMPARE(Figure(statistics, "GameFigures", "Deals"), "1");
        QCOMPARE(Figure(statistics, "ResetFigures", "Deals"), "1");

        // New Game, confirmed: the new game deals at once, and counts alone.
        WidgetPoller setUp(
            [] {
                QWidget* modal = QApplication::activeModalWidget();
                return modal && modal->objectName() == "PlayForm" ? modal : nullptr;
            },
            [](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
        table.action("New1")->trigger();
        QVERIFY(setUp.acted());
        QCOMPARE(table.game().TotalHands, 1);
        QCOMPARE(Figure(statistics, "GameFigures", "Deals"), "1");
        QCOMPARE(Figure(statistics, "ResetFigures", "Deals"), "2");
        auto* picker = statistics->findChild<QComboBox*>(QStringLiteral("SeatPicker"));
        QCOMPARE(picker->count(), table.game().SeatCount);
        table.window.close();
    }

    void helpAndF1OpenTheStatisticsTopic() {
        StartedTable table;
        table.window.show();
        StatisticsWindow* statistics = OpenStatistics(table);
        QVERIFY(QTest::qWaitForWindowExposed(statistics));
        HelpViewer& help = table.window.help();

        statistics->findChild<QPushButton*>(QStringLiteral("HelpStatistics"))->click();
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), "41022.html");
        help.close();

        statistics->findChild<QTabWidget*>(QStringLiteral("StatisticsTabs"))->setFocus();
        QTest::keyClick(statistics, Qt::Key_F1);
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), "41022.html");
        help.close();
        table.window.close();
    }

private:
    static void OneComputerSeatAtVeryFast(StartedTable& table) {
        SeatOnlyComputers(table);
        table.game().SeatCount = 1;
    }
};

DEALMOOR_QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
