#pragma once
// The statistics window ("StatisticsForm"): what every seat at the table did
// since the current game began and since the statistics were last reset, how
// often each human seat followed the hint and the last decisions that did
// not, the last deal at a glance, and a chart of a seat's credits over the
// deals of the current game; and the player's record at the count school. It
// stays open beside the table and follows it deal by deal. Reset, once the
// player confirms it, starts every seat's figure again; the Counting page has
// a reset of its own.
//
// Controls: StatisticsTabs with the pages GameFigures and ResetFigures (one
// column a seat, one row a figure), HintSummary and HintMisses, LastDeal, and
// SeatPicker with CreditsChart, CountingPage; ResetStatistics "&Reset", HelpStatistics
// "&Help" (also F1) and CloseStatistics.

#include <QDialog>

#include <functional>
#include <string>

class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QTableWidget;
class QTabWidget;
class QValueAxis;

namespace dealmoor {

class CountingPage;
struct Game;
struct SeatStatistics;
struct SeatTally;
class TableStatistics;

// Help topic of the statistics window.
inline constexpr int HelpStatistics = 41022;

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    // programDir: where the Help button's glyph lies.
    StatisticsWindow(const Game& game, TableStatistics& statistics, const std::string& programDir,
                     QWidget* parent = nullptr);

    // Shows the figures as they stand now (after a deal, a new game, a reset).
    void refresh();

    // Told after a reset (of the seats' figures, or of the counting record)
    // has cleared the figures, so that they are kept.
    std::function<void()> figuresReset;
    // Asked for a help topic (the Help button, or F1).
    std::function<void(int)> helpRequested;

    // The confirmation Reset asks for.
    static const char* const ResetQuestion;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls(const std::string& programDir);
    void showFigures(QTableWidget* table, SeatTally SeatStatistics::*period);
    void showHints();
    void showLastDeal();
    void showSeatChoice();
    void showChart();
    void onResetClicked();

    const Game& game_;
    TableStatistics& statistics_;
    QTabWidget* tabs_;
    QTableWidget* gameFigures_;
    QTableWidget* resetFigures_;
    QLabel* hintSummary_;
    QTableWidget* hintMisses_;
    QLabel* lastDealNote_;
    QTableWidget* lastDeal_;
    QComboBox* seatPicker_;
    QChartView* chartView_;
    QLineSeries* credits_;
    QValueAxis* dealAxis_;
    QValueAxis* creditAxis_;
    CountingPage* counting_;
};

} // namespace dealmoor
