// The count school at the table: the practice's choices kept across a restart,
// the counts hidden from the caption and behind a question in Card Count, the
// checks between deals at Very Fast with six computer seats (a wrong answer
// and a skipped check recorded as such, no deal running over a check), the
// drills graded from their seeded runs, the drill window's timer stopping with
// the window, and the Counting tab of the statistics.

#include "engine/Counting.h"
#include "engine/Shoe.h"
#include "strategy/CardCount.h"
#include "strategy/CountDrill.h"
#include "strategy/StatisticsFile.h"
#include "table/MoneyText.h"
#include "table/TableWindow.h"
#include "table/windows/CountCheckWindow.h"
#include "table/windows/CountDrillWindow.h"
#include "table/windows/CountPracticeWindow.h"
#include "table/windows/StatisticsWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <deque>
#include <functional>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

QString statisticsPath() {
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/dealmoor/DMOOR.STS";
}

template <typename T> T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

QString Text(Tenths value, CountQuestion question) {
    return QString::fromStdString(AnswerText(value, question));
}

CountPractice Practising(CheckFrequency checks, int every = 5) {
    CountPractice practice;
    practice.On = true;
    practice.HideCounts = true;
    practice.Checks = checks;
    practice.CheckDeals = every;
    return practice;
}

// Answers the table's count checks as they come, each from a script: the
// answers to type (an empty one presses Esc, which skips the rest). It notes
// what the table was doing while a check waited.
class CheckPlayer {
public:
    using Script = std::function<std::vector<QString>(const CheckAnswers& right)>;

    CheckPlayer(StartedTable& table, std::deque<Script> scripts)
        : table_(table), scripts_(std::move(scripts)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { act(); });
        timer_.start(10);
    }

    int checks = 0;
    std::vector<int> afterDeals; // the deal each check followed
    bool dealRanDuringACheck = false;
    bool autoDealArmedDuringACheck = false;

private:
    void act() {
        auto* check = qobject_cast<CountCheckWindow*>(FindVisible<CountCheckWindow>());
        if (check == nullptr)
            return;
        ++checks;
        afterDeals.push_back(table_.game().TotalHands);
        dealRanDuringACheck = dealRanDuringACheck || table_.game().DealInProgress;
        autoDealArmedDuringACheck =
            autoDealArmedDuringACheck || table_.timer("AutoModeTimer")->isActive();
        const CheckAnswers right =
            RightAnswers(StoredCountsOf(table_.game()), table_.settings().Practice.System);
        const std::vector<QString> answers =
            scripts_.empty() ? std::vector<QString>{QString()} : scripts_.front()(right);
        if (!scripts_.empty())
            scripts_.pop_front();
        for (const char* name : {"RunningAnswer", "TrueAnswer", "DecksAnswer"}) {
            auto* field = Child<QLineEdit>(check, name);
            if (!field->isEnabled())
                break;
            const std::size_t at = answered(check);
            const QString answer = at < answers.size() ? answers[at] : QString();
            if (answer.isEmpty()) {
                QTest::keyClick(field, Qt::Key_Escape);
                return;
            }
            QTest::keyClicks(field, answer);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QTest::keyClick(check, Qt::Key_Return); // Go On
    }
    // How many of the check's questions have been answered.
    static std::size_t answered(QWidget* check) {
        std::size_t answered = 0;
        for (const char* name : {"RunningVerdict", "TrueVerdict", "DecksVerdict"})
            answered += Child<QLabel>(check, name)->text().isEmpty() ? 0 : 1;
        return answered;
    }

    StartedTable& table_;
    std::deque<Script> scripts_;
    QTimer timer_;
};

CountDrillWindow* OpenDrills(StartedTable& table) {
    table.action("CountDrills1")->trigger();
    return table.window.findChild<CountDrillWindow*>(QStringLiteral("CountDrillForm"));
}

// The first seed whose running count round of one deck, three cards at a time,
// stops within the first fifteen cards: a round a test sees to its end quickly.
uint32_t QuickSeed() {
    for (uint32_t seed = 1;; ++seed) {
        if (MakeRunningDrill(seed, 1, 3, true).StopAfter <= 15)
            return seed;
    }
}

void Answer(CountDrillWindow* drill, const QString& text) {
    auto* answer = Child<QLineEdit>(drill, "DrillAnswer");
    QTRY_VERIFY_WITH_TIMEOUT(answer->isEnabled(), 10000);
    QTest::keyClicks(answer, text);
    QTest::keyClick(answer, Qt::Key_Return);
}

} // namespace

class CountSchoolTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        RemoveSettingsFile();
        QFile::remove(statisticsPath());
    }
    void cleanup() {
        QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open");
        RemoveSettingsFile();
        QFile::remove(statisticsPath());
    }

    void thePracticesChoicesSurviveARestart() {
        CountPractice chosen;
        {
            StartedTable table;
            QVERIFY(!table.action("PractiseCount1")->isChecked());
            ModalPoller choose([&](QWidget* window) {
                Child<QCheckBox>(window, "PractiseCount")->setChecked(true);
                Child<QRadioButton>(window, "SystemHiOpt2")->setChecked(true);
                Child<QCheckBox>(window, "HideCounts")->setChecked(true);
                Child<QRadioButton>(window, "CheckRandom")->setChecked(true);
                Child<QSpinBox>(window, "CheckDeals")->setValue(7);
                Child<QCheckBox>(window, "AskTrueCount")->setChecked(false);
                chosen = qobject_cast<CountPracticeWindow*>(window)->practice();
                Child<QPushButton>(window, "OK")->click();
            });
            table.action("CountPractice1")->trigger();
            QVERIFY(choose.acted());
            QVERIFY(table.settings().Practice == chosen);
            QVERIFY(table.action("PractiseCount1")->isChecked());
            QVERIFY(table.window.close());
        }
        QVERIFY(chosen == (CountPractice{true, CountingSystem::HiOpt2, true,
                                         CheckFrequency::AtRandom, 7, false}));
        StartedTable again;
        QVERIFY(again.settings().Practice == chosen);
        QVERIFY(again.action("PractiseCount1")->isChecked());

        // Switched off from the menu, and kept so.
        again.action("PractiseCount1")->trigger();
        QVERIFY(!again.settings().Practice.On);
        QVERIFY(again.window.close());
        StartedTable third;
        QVERIFY(!third.settings().Practice.On);
        QCOMPARE(third.settings().Practice.CheckDeals, 7);
    }

    void hiddenCountsLeaveTheCardsDealtAloneAndCardCountAsksFirst() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        table.settings().Practice = Practising(CheckFrequency::Never);
        table.button("Button6")->click();
        QCOMPARE(game.TotalHands, 1);
        QCOMPARE(table.window.windowTitle(), QString::fromStdString(ShoePositionCaption(game)));
        QVERIFY(table.window.windowTitle().contains("[Cards: "));
        QVERIFY(!table.window.windowTitle().contains("Hi-Opt"));

        QStringList asked;
        ModalPoller no([&](QWidget* box) {
            asked << MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::No);
        });
        table.action("CardCount1")->trigger();
        QVERIFY(no.acted());
        QCOMPARE(asked, QStringList{"Show the counts? You are practising."});

        QString shown;
        ModalPoller yes([&](QWidget* box) { PressMessageBoxButton(box, QMessageBox::Yes); });
        WidgetPoller message(
            [&]() -> QWidget* { return yes.acted() ? QApplication::activeModalWidget() : nullptr; },
            [&](QWidget* box) {
                shown = MessageBoxText(box);
                PressMessageBoxButton(box, QMessageBox::Ok);
            });
        table.action("CardCount1")->trigger();
        QVERIFY(message.acted());
        QCOMPARE(shown, QString::fromStdString(CardCountMessage(game)));

        // Practice off: the counts are back in the caption at once, and Card Count tells them.
        table.action("PractiseCount1")->setChecked(true); // as the menu shows a practice set here
        table.action("PractiseCount1")->trigger();
        QVERIFY(!table.settings().Practice.On);
        QCOMPARE(table.window.windowTitle(), QString::fromStdString(CountsCaption(game)));
        QString straight;
        ModalPoller told([&](QWidget* box) {
            straight = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        table.action("CardCount1")->trigger();
        QCOMPARE(straight, QString::fromStdString(CardCountMessage(game)));
    }

    void checksComeBetweenDealsAtVeryFastAndAreRecorded() {
        StartedTable table;
        Game& game = table.game();
        SeatOnlyComputers(table);
        table.settings().Practice = Practising(CheckFrequency::EveryDeals, 2);
        table.window.show();
        const auto answerAll = [](int runningOff) {
            return [runningOff](const CheckAnswers& right) {
                return std::vector<QString>{Text(right.RunningCount + runningOff * TenthsPerUnit,
                                                 CountQuestion::RunningCount),
                                            Text(right.TrueCount, CountQuestion::TrueCount),
                                            Text(right.DecksLeft, CountQuestion::DecksLeft)};
            };
        };
        CheckPlayer player(table,
                           {answerAll(1),
                            [](const CheckAnswers&) { return std::vector<QString>{QString()}; },
                            answerAll(0)});
        table.action("AutoDeal2")->trigger();
        // Automatic dealing goes on after every check.
        QTRY_VERIFY_WITH_TIMEOUT(player.checks >= 3 && game.TotalHands >= 7, 120000);
        table.action("AutoDeal2")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!game.DealInProgress, 30000);

        QCOMPARE((std::vector<int>(player.afterDeals.begin(), player.afterDeals.begin() + 3)),
                 (std::vector<int>{2, 4, 6}));
        QVERIFY(!player.dealRanDuringACheck);
        QVERIFY(!player.autoDealArmedDuringACheck);

        const auto& rounds = table.window.statistics().counting().rounds();
        QVERIFY(rounds.size() >= 9);
        const std::vector<std::pair<CountingDrill, Verdict>> expected = {
            {CountingDrill::CheckRunning, Verdict::Wrong},
            {CountingDrill::CheckTrue, Verdict::Right},
            {CountingDrill::CheckDecks, Verdict::Right},
            {CountingDrill::CheckRunning, Verdict::Skipped},
            {CountingDrill::CheckTrue, Verdict::Skipped},
            {CountingDrill::CheckDecks, Verdict::Skipped},
            {CountingDrill::CheckRunning, Verdict::Right},
            {CountingDrill::CheckTrue, Verdict::Right},
            {CountingDrill::CheckDecks, Verdict::Right},
        };
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(rounds[i].Drill == expected[i].first, qPrintable(QString::number(i)));
            QVERIFY2(rounds[i].Verdict == expected[i].second, qPrintable(QString::number(i)));
            QVERIFY(rounds[i].System == CountingSystem::HiOpt1);
        }
        QCOMPARE(*rounds[0].Answer - rounds[0].RightValue, TenthsPerUnit);
        QVERIFY(!rounds[3].Answer.has_value());

        // Kept in the statistics file beside the settings.
        const auto saved = [] {
            QFile file(statisticsPath());
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTRY_VERIFY(saved().contains("Dealmoor counting 1") && saved().count("check-running") >= 3);
        QVERIFY(table.window.close());
    }

    void closingDuringACheckEndsItUnrecorded() {
        StartedTable table;
        SeatOnlyComputers(table);
        table.settings().Practice = Practising(CheckFrequency::EveryDeals, 1);
        table.window.show();
        bool closed = false;
        WidgetPoller close([] { return FindVisible<CountCheckWindow>(); },
                           [&](QWidget*) { closed = table.window.close(); }, 60000);
        table.button("Button6")->click(); // the deal, then its check
        QVERIFY(close.acted());
        QVERIFY(!closed); // the window waits for the check to go
        QTRY_VERIFY(!table.window.isVisible());
        QVERIFY(table.window.statistics().counting().empty());
    }

    void theDrillWindowsTimerStopsWhenItCloses() {
        StartedTable table;
        CountDrillWindow* drill = OpenDrills(table);
        QVERIFY(drill != nullptr && drill->isVisible());
        auto* timer = Child<QTimer>(drill, "DrillTimer");
        Child<QPushButton>(drill, "StartDrill")->click();
        QVERIFY(drill->playing());
        QVERIFY(timer->isActive());

        // Esc stops a round; the window stays.
        QTest::keyClick(drill, Qt::Key_Escape);
        QVERIFY(!drill->playing());
        QVERIFY(!timer->isActive());
        QVERIFY(drill->isVisible());

        Child<QPushButton>(drill, "StartDrill")->click();
        QVERIFY(timer->isActive());
        drill->close();
        QVERIFY(!timer->isActive());
        QVERIFY(!drill->playing());
        QTest::qWait(100);
        QVERIFY2(table.window.statistics().counting().empty(), "no round was finished");
        QVERIFY(table.window.close());
    }

    void aSeededRunningCountRoundIsGradedAndRecorded() {
        StartedTable table;
        CountDrillWindow* drill = OpenDrills(table);
        const uint32_t seed = QuickSeed();
        drill->nextSeed = [seed] { return seed; };
        Child<QDoubleSpinBox>(drill, "DrillPace")->setValue(10);
        Child<QSpinBox>(drill, "DrillGroup")->setValue(3);
        Child<QSpinBox>(drill, "DrillDecksCount")->setValue(1);
        Child<QCheckBox>(drill, "DrillRandomStop")->setChecked(true);
        const int right = MakeRunningDrill(seed, 1, 3, true).rightCount(CountingSystem::HiOpt1);

        QTest::keyClick(drill, Qt::Key_Return); // Enter starts
        Answer(drill, QString::number(right + 2));
        QTest::keyClick(drill, Qt::Key_Return); // the next round, the same cards
        Answer(drill, QString::number(right));

        const CountingFigures& figures = drill->figures(CountingDrill::DrillRunning);
        QCOMPARE(figures.Rounds, 2);
        QCOMPARE(figures.Right, 1);
        QCOMPARE(figures.BestCleanPace, 100);
        QVERIFY(Child<QLabel>(drill, "DrillFigures")->text().startsWith("Rounds 2 \u00b7 Right 1"));
        const auto& rounds = table.window.statistics().counting().rounds();
        QCOMPARE(rounds.size(), std::size_t{2});
        QVERIFY(rounds[0].Verdict == Verdict::Wrong);
        QCOMPARE(rounds[0].error(), 2 * TenthsPerUnit);
        QVERIFY(rounds[1].Verdict == Verdict::Right);
        QCOMPARE(rounds[1].RightValue, right * TenthsPerUnit);
        QCOMPARE(rounds[1].Pace, 100);
        drill->close();
        QVERIFY(table.window.close());
    }

    void theTrayDrillsAreGradedFromTheTablesShoe() {
        StartedTable table;
        table.game().HouseRules.Cards = 312;
        CountDrillWindow* drill = OpenDrills(table);
        drill->nextSeed = [] { return 4242u; };
        const TrayProblem tray = MakeTrayProblem(4242, 312);

        Child<QRadioButton>(drill, "DrillTrue")->setChecked(true);
        QTest::keyClick(drill, Qt::Key_Return);
        Answer(drill, Text(tray.rightTrueCount(CountingSystem::HiOpt1) + 5,
                           CountQuestion::TrueCount)); // half a point off is right
        Child<QRadioButton>(drill, "DrillDecks")->setChecked(true);
        QTest::keyClick(drill, Qt::Key_Return);
        Answer(drill, Text(tray.rightDecksLeft() + 6, CountQuestion::DecksLeft));

        const auto& rounds = table.window.statistics().counting().rounds();
        QCOMPARE(rounds.size(), std::size_t{2});
        QVERIFY(rounds[0].Drill == CountingDrill::DrillTrue);
        QVERIFY(rounds[0].Verdict == Verdict::Right);
        QVERIFY(rounds[1].Drill == CountingDrill::DrillDecks);
        QVERIFY(rounds[1].Verdict == Verdict::Wrong);
        QCOMPARE(rounds[1].RightValue, tray.rightDecksLeft());
        drill->close();
        QVERIFY(table.window.close());
    }

    void theCountingTabShowsTheFiguresAndResetsOnlyWhenAsked() {
        StartedTable table;
        CountingRecord& record = table.window.statistics().counting();
        const CalendarDay day{2025, 6, 1};
        record.add(
            GradedRound(day, CountingSystem::HiOpt1, CountingDrill::CheckRunning, 0, 40, 40, 2000));
        record.add(
            GradedRound(day, CountingSystem::HiOpt1, CountingDrill::CheckRunning, 0, 30, 40, 4000));
        record.add(GradedRound(day, CountingSystem::HiOpt1, CountingDrill::CheckRunning, 0,
                               std::nullopt, 40, 9000));
        record.add(GradedRound(CalendarDay{2025, 6, 3}, CountingSystem::HiOpt1,
                               CountingDrill::DrillRunning, 35, 20, 20, 1500));
        table.action("Statistics1")->trigger();
        auto* window = table.window.findChild<StatisticsWindow*>(QStringLiteral("StatisticsForm"));
        auto* tabs = Child<QTabWidget>(window, "StatisticsTabs");
        QCOMPARE(tabs->tabText(tabs->count() - 1), "Counting");

        auto* figures = Child<QTableWidget>(window, "CountingFigures");
        const int row = static_cast<int>(CountingDrill::CheckRunning);
        QCOMPARE(figures->verticalHeaderItem(row)->text(), "Table check: running count");
        const auto cell = [&](int r, int column) { return figures->item(r, column)->text(); };
        QCOMPARE(cell(row, 0), "3");          // rounds
        QCOMPARE(cell(row, 1), "1");          // right
        QCOMPARE(cell(row, 2), "1");          // wrong
        QCOMPARE(cell(row, 3), "1");          // skipped
        QCOMPARE(cell(row, 4), Percent(0.5)); // of the answered ones
        QCOMPARE(cell(row, 5), "0.5");        // mean error
        QCOMPARE(cell(row, 6), "3.0 s");      // mean time of the answered ones
        QCOMPARE(cell(row, 7), "\u2014");     // no pace at the table
        const int drillRow = static_cast<int>(CountingDrill::DrillRunning);
        QCOMPARE(cell(drillRow, 7), "3.5");

        auto* chart = Child<QChartView>(window, "CountingChart");
        const auto series = chart->chart()->series();
        QCOMPARE(qobject_cast<QLineSeries*>(series[0])->count(), 1); // one day of the drill

        ModalPoller keep([](QWidget* box) { PressMessageBoxButton(box, QMessageBox::No); });
        Child<QPushButton>(window, "ResetCounting")->click();
        QVERIFY(keep.acted());
        QCOMPARE(record.rounds().size(), std::size_t{4});
        ModalPoller clear([](QWidget* box) { PressMessageBoxButton(box, QMessageBox::Yes); });
        Child<QPushButton>(window, "ResetCounting")->click();
        QVERIFY(clear.acted());
        QVERIFY(record.empty());
        QCOMPARE(cell(row, 0), "0");
        window->close();
        QVERIFY(table.window.close());
    }
};

DEALMOOR_QTEST_MAIN(CountSchoolTest)
#include "CountSchoolTest.moc"
