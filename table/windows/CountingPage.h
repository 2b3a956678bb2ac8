#pragma once
// The Counting page of the statistics window ("CountingPage"): the player's
// record at the count school, for the table's checks and for each drill:
// rounds, right, wrong and skipped answers, accuracy, mean error, mean time and
// the best pace with no error; and a chart of one drill's accuracy and pace
// day by day, so the progress over the weeks shows. Reset clears the record
// once the player confirms it.
//
// Controls: CountingFigures (one row a drill), CountingPicker with
// CountingChart, ResetCounting "Reset Co&unting".

#include <QWidget>

#include <functional>

class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLineSeries;
class QTableWidget;
class QValueAxis;

namespace dealmoor {

class CountingRecord;

class CountingPage : public QWidget {
    Q_OBJECT
public:
    CountingPage(CountingRecord& record, QWidget* parent = nullptr);

    // Shows the record as it stands now.
    void refresh();

    // Told after Reset has cleared the record, so that it is kept.
    std::function<void()> recordReset;

    // The confirmation Reset asks for.
    static const char* const ResetQuestion;

private:
    void createChart();
    void showFigures();
    void showChart();
    void onResetClicked();

    CountingRecord& record_;
    QTableWidget* figures_ = nullptr;
    QComboBox* picker_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineSeries* accuracy_ = nullptr;
    QLineSeries* pace_ = nullptr;
    QDateTimeAxis* dayAxis_ = nullptr;
    QValueAxis* accuracyAxis_ = nullptr;
    QValueAxis* paceAxis_ = nullptr;
};

} // namespace dealmoor
