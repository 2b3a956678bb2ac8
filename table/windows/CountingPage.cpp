#include "table/windows/CountingPage.h"

#include "strategy/CountingRecord.h"
#include "table/CountingTexts.h"
#include "table/MoneyText.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>

namespace dealmoor {

namespace {

const char* const NoFigure = "\u2014";
constexpr int DayMilliseconds = 24 * 60 * 60 * 1000;

struct Column {
    const char* heading;
    QString (*text)(const CountingFigures&);
};

QString orNone(bool shown, const QString& text) {
    return shown ? text : QString::fromUtf8(NoFigure);
}

QString oneDecimal(double value) {
    return QLocale().toString(value, 'f', 1);
}

const std::array<Column, 8> Columns{{
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Rounds"),
     [](const CountingFigures& f) { return QLocale().toString(static_cast<qlonglong>(f.Rounds)); }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Right"),
     [](const CountingFigures& f) { return QLocale().toString(static_cast<qlonglong>(f.Right)); }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Wrong"),
     [](const CountingFigures& f) { return QLocale().toString(static_cast<qlonglong>(f.Wrong)); }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Skipped"),
     [](const CountingFigures& f) {
         return QLocale().toString(static_cast<qlonglong>(f.Skipped));
     }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Accuracy"),
     [](const CountingFigures& f) { return orNone(f.answered() > 0, Percent(f.accuracy())); }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Mean error"),
     [](const CountingFigures& f) { return orNone(f.answered() > 0, oneDecimal(f.meanError())); }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Mean time"),
     [](const CountingFigures& f) {
         return orNone(f.answered() > 0, SecondsText(f.meanSeconds()));
     }},
    {QT_TRANSLATE_NOOP("dealmoor::CountingPage", "Best pace with\nno error (cards/s)"),
     [](const CountingFigures& f) {
         return orNone(f.BestCleanPace > 0, PaceText(f.BestCleanPace));
     }},
}};

qint64 dayOnAxis(const CalendarDay& day) {
    return QDateTime(QDate(day.Year, day.Month, day.Day), QTime(12, 0)).toMSecsSinceEpoch();
}

// What the chart's right-hand line shows for a drill: the best pace with no
// error where the cards are turned at a pace, the mean time of an answer elsewhere.
double paceOf(CountingDrill drill, const CountingFigures& figures) {
    return HasPace(drill) ? figures.BestCleanPace / static_cast<double>(TenthsPerUnit)
                          : figures.meanSeconds();
}

} // namespace

const char* const CountingPage::ResetQuestion = QT_TRANSLATE_NOOP(
    "dealmoor::CountingPage", "Reset the counting figures? Every table check and every drill round "
                              "recorded so far is cleared, and the progress chart starts again.");

CountingPage::CountingPage(CountingRecord& record, QWidget* parent)
    : QWidget(parent), record_(record) {
    setObjectName(QStringLiteral("CountingPage"));
    auto* layout = new QVBoxLayout(this);

    figures_ = new QTableWidget(static_cast<int>(CountingDrills.size()),
                                static_cast<int>(Columns.size()), this);
    figures_->setObjectName(QStringLiteral("CountingFigures"));
    figures_->setAccessibleName(tr("Counting figures"));
    QStringList headings;
    for (const Column& column : Columns)
        headings << tr(column.heading);
    figures_->setHorizontalHeaderLabels(headings);
    QStringList drills;
    for (CountingDrill drill : CountingDrills)
        drills << DrillName(drill);
    figures_->setVerticalHeaderLabels(drills);
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->setSelectionMode(QAbstractItemView::NoSelection);
    figures_->setFocusPolicy(Qt::NoFocus);
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The longest heading keeps its words.
    figures_->horizontalHeader()->setSectionResizeMode(static_cast<int>(Columns.size()) - 1,
                                                       QHeaderView::ResizeToContents);
    figures_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    figures_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    figures_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    figures_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(figures_);

    auto* row = new QHBoxLayout;
    auto* pickerLabel = new QLabel(tr("&Progress of:"), this);
    picker_ = new QComboBox(this);
    picker_->setObjectName(QStringLiteral("CountingPicker"));
    for (CountingDrill drill : CountingDrills)
        picker_->addItem(DrillName(drill), static_cast<int>(drill));
    picker_->setCurrentIndex(static_cast<int>(CountingDrill::DrillRunning));
    pickerLabel->setBuddy(picker_);
    auto* reset = new QPushButton(tr("Reset Co&unting"), this);
    reset->setObjectName(QStringLiteral("ResetCounting"));
    reset->setAutoDefault(false);
    row->addWidget(pickerLabel);
    row->addWidget(picker_);
    row->addStretch();
    row->addWidget(reset);
    layout->addLayout(row);

    createChart();
    layout->addWidget(chartView_, 1);
    connect(picker_, &QComboBox::currentIndexChanged, this, &CountingPage::showChart);
    connect(reset, &QPushButton::clicked, this, &CountingPage::onResetClicked);
}

void CountingPage::createChart() {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    accuracy_ = new QLineSeries(chart);
    accuracy_->setName(tr("Accuracy (%)"));
    accuracy_->setPointsVisible(true);
    pace_ = new QLineSeries(chart);
    pace_->setPointsVisible(true);
    chart->addSeries(accuracy_);
    chart->addSeries(pace_);
    dayAxis_ = new QDateTimeAxis(chart);
    dayAxis_->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    dayAxis_->setTitleText(tr("Day"));
    accuracyAxis_ = new QValueAxis(chart);
    accuracyAxis_->setRange(0, 100);
    accuracyAxis_->setLabelFormat(QStringLiteral("%d"));
    accuracyAxis_->setTitleText(tr("%"));
    paceAxis_ = new QValueAxis(chart);
    paceAxis_->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(dayAxis_, Qt::AlignBottom);
    chart->addAxis(accuracyAxis_, Qt::AlignLeft);
    chart->addAxis(paceAxis_, Qt::AlignRight);
    accuracy_->attachAxis(dayAxis_);
    accuracy_->attachAxis(accuracyAxis_);
    pace_->attachAxis(dayAxis_);
    pace_->attachAxis(paceAxis_);
    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName(QStringLiteral("CountingChart"));
    chartView_->setAccessibleName(tr("Counting progress chart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(200);
}

void CountingPage::refresh() {
    showFigures();
    showChart();
}

void CountingPage::showFigures() {
    for (std::size_t r = 0; r < CountingDrills.size(); ++r) {
        const CountingFigures figures = record_.figures(CountingDrills[r]);
        for (std::size_t c = 0; c < Columns.size(); ++c) {
            auto* item = new QTableWidgetItem(Columns[c].text(figures));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    // Every row shows; the chart takes the rest of the page.
    figures_->setFixedHeight(figures_->horizontalHeader()->sizeHint().height() +
                             figures_->verticalHeader()->length() + 2 * figures_->frameWidth());
}

void CountingPage::showChart() {
    const auto drill = static_cast<CountingDrill>(picker_->currentData().toInt());
    const std::vector<DayFigures> days = record_.byDay(drill);
    QList<QPointF> accuracy;
    QList<QPointF> pace;
    double highestPace = 0;
    for (const DayFigures& day : days) {
        if (day.Figures.answered() == 0)
            continue; // a day of skipped checks has no accuracy
        const double x = static_cast<double>(dayOnAxis(day.Date));
        accuracy << QPointF(x, 100 * day.Figures.accuracy());
        const double value = paceOf(drill, day.Figures);
        if (!HasPace(drill) || value > 0)
            pace << QPointF(x, value);
        highestPace = std::max(highestPace, value);
    }
    accuracy_->replace(accuracy);
    pace_->replace(pace);
    pace_->setName(HasPace(drill) ? tr("Best pace with no error (cards a second)")
                                  : tr("Mean time (seconds)"));
    paceAxis_->setTitleText(HasPace(drill) ? tr("cards/s") : tr("s"));
    paceAxis_->setRange(0, std::max(highestPace * 1.15, 1.0));
    paceAxis_->applyNiceNumbers();
    // The picker above names the drill; the chart's title speaks only when it has nothing to show.
    chartView_->chart()->setTitle(accuracy.isEmpty() ? tr("No answered rounds of this drill yet")
                                                     : QString());
    if (accuracy.isEmpty()) {
        const QDateTime today = QDateTime::currentDateTime();
        dayAxis_->setRange(today.addDays(-7), today);
        return;
    }
    // A single day still gets a stretch of axis to stand on, with its point in the middle.
    const qint64 first = static_cast<qint64>(accuracy.first().x());
    const qint64 last = static_cast<qint64>(accuracy.last().x());
    const qint64 margin = first == last ? DayMilliseconds : DayMilliseconds / 2;
    dayAxis_->setRange(QDateTime::fromMSecsSinceEpoch(first - margin),
                       QDateTime::fromMSecsSinceEpoch(last + margin));
    dayAxis_->setTickCount(std::clamp(static_cast<int>(accuracy.size()) + 2, 3, 8));
}

void CountingPage::onResetClicked() {
    const auto answer = QMessageBox::question(this, tr("Statistics"), tr(ResetQuestion),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    record_.clear();
    refresh();
    if (recordReset)
        recordReset();
}

} // namespace dealmoor
