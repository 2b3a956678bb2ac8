#include "table/windows/StatisticsWindow.h"

#include "engine/Game.h"
#include "strategy/HintAdvice.h"
#include "strategy/TableStatistics.h"
#include "table/ModalOverlay.h"
#include "table/MoneyText.h"
#include "table/Painting.h"
#include "table/TableCanvas.h"
#include "table/windows/CountingPage.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace dealmoor {

namespace {

const char* const WindowTitle = "Statistics";
// Tall enough for the Counting page's figures and chart together.
constexpr QSize WindowSize(900, 600);

const char* const GamePage = "This Game";
const char* const ResetPage = "Since Reset";
const char* const HintsPage = "Hints";
const char* const LastDealPage = "Last Deal";
const char* const CreditsPage = "Credits";
const char* const ResetCaption = "&Reset";
const char* const HelpCaption = "&Help";
const char* const CloseCaption = "&Close";

const char* const NoFigure = "\u2014";
const char* const FollowedOf = "%1 of %2";
const char* const HintFollowed =
    "%1 followed the hint in %2 of %3 decisions since the statistics were reset (%4).";
const char* const NoHintDecisions =
    "%1 has made no decision with a hint since the statistics were reset.";
const char* const NoHumanSeat = "No seat at the table is played by you.";
const char* const MissesHeading = "The last decisions that went against the hint:";
const char* const NoLastDeal = "No deal has been played since the program started.";
const char* const LastDealHeading = "The last deal:";
const char* const DealerName = "Dealer";
const char* const FirstHand = "First";
const char* const SecondHand = "Second";
const char* const InsuranceHand = "Insurance";
const char* const ChartTitle = "%1's credits over the deals of this game";
const char* const NoDealsYet = "No deals in this game yet";
const char* const DealAxis = "Deal";
const char* const CreditsAxis = "Credits";
const char* const SeatFallbackName = "Seat %1";

// ---- Figures, one row each

QString whole(int64_t number) {
    return QLocale().toString(static_cast<qlonglong>(number));
}

QString share(int64_t part, int64_t all) {
    return Percent(all > 0 ? static_cast<double>(part) / static_cast<double>(all) : 0.0);
}

struct FigureRow {
    const char* label;
    QString (*text)(const SeatTally&);
};

const std::array<FigureRow, 16> FigureRows = {{
    {"Deals", [](const SeatTally& t) { return whole(t.Deals); }},
    {"Hands", [](const SeatTally& t) { return whole(t.Hands); }},
    {"Won", [](const SeatTally& t) { return whole(t.Won); }},
    {"Lost", [](const SeatTally& t) { return whole(t.Lost); }},
    {"Pushed", [](const SeatTally& t) { return whole(t.Pushed); }},
    {"Blackjacks", [](const SeatTally& t) { return whole(t.Blackjacks); }},
    {"Doubles", [](const SeatTally& t) { return whole(t.Doubles); }},
    {"Splits", [](const SeatTally& t) { return whole(t.Splits); }},
    {"Surrenders", [](const SeatTally& t) { return whole(t.Surrenders); }},
    {"Insurance taken", [](const SeatTally& t) { return whole(t.InsuranceTaken); }},
    {"Insurance won", [](const SeatTally& t) { return whole(t.InsuranceWon); }},
    {"Net result", [](const SeatTally& t) { return SignedMoney(t.Net); }},
    {"Per unit of initial bet", [](const SeatTally& t) { return Percent(t.perUnit()); }},
    {"Largest win", [](const SeatTally& t) { return Money(t.LargestWin); }},
    {"Largest loss", [](const SeatTally& t) { return SignedMoney(t.LargestLoss); }},
    {"Followed the hint",
     [](const SeatTally& t) {
         if (t.Decisions == 0)
             return QString::fromUtf8(NoFigure);
         return QString::fromLatin1(FollowedOf)
             .arg(share(t.FollowedHint, t.Decisions), whole(t.Decisions));
     }},
}};

// ---- Cards and decisions in words

QString rankText(int rank) {
    static const std::array<const char*, 14> Ranks = {"?", "A", "2", "3",  "4", "5", "6",
                                                      "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(rank >= 1 && rank <= 13 ? Ranks[static_cast<size_t>(rank)]
                                                       : Ranks[0]);
}

// The cards of a hand and its total: "A 6 (17)".
QString handText(const std::array<uint8_t, MaxHandCards>& ranks, int cardCount) {
    Hand hand;
    QStringList cards;
    for (int i = 0; i < cardCount && i < MaxHandCards; ++i) {
        hand.Ranks[static_cast<size_t>(i)] = ranks[static_cast<size_t>(i)];
        cards << rankText(ranks[static_cast<size_t>(i)]);
    }
    hand.CardCount = std::min(cardCount, MaxHandCards);
    ComputeTotal(hand);
    return cards.join(QLatin1Char(' ')) + QStringLiteral(" (%1)").arg(hand.Total);
}

QString decisionText(Decision decision) {
    switch (decision) {
    case Decision::Hit:
        return QStringLiteral("Hit");
    case Decision::Stand:
        return QStringLiteral("Stand");
    case Decision::Double:
        return QStringLiteral("Double");
    case Decision::Split:
        return QStringLiteral("Split");
    case Decision::Surrender:
        break;
    }
    return QStringLiteral("Surrender");
}

QString hintText(HintAction action) {
    const std::string_view word = HintActionWord(action);
    return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

QString seatName(const Game& game, int seat) {
    const std::string& name = game.Seats[static_cast<size_t>(seat)].Name;
    return name.empty() ? QString::fromLatin1(SeatFallbackName).arg(seat)
                        : QString::fromStdString(name);
}

int seatsAtTable(const Game& game) {
    return std::clamp<int>(game.SeatCount, 1, MaxSeats);
}

QTableWidget* newTable(const char* name, const QStringList& columns, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setTextElideMode(Qt::ElideRight); // a long name keeps its start
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text,
             Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    table->setItem(row, column, item);
}

// A chart has no use for more points than the screen has pixels: longer runs
// keep the lowest and highest credits of each stretch of deals.
constexpr std::size_t MaxChartPoints = 2000;

QList<QPointF> chartPoints(const SeatStatistics& seat) {
    const std::vector<double>& credits = seat.Credits;
    QList<QPointF> points;
    const auto pointAt = [&](std::size_t i) {
        return QPointF(static_cast<double>(seat.FirstDeal) + static_cast<double>(i), credits[i]);
    };
    if (credits.size() <= MaxChartPoints) {
        for (std::size_t i = 0; i < credits.size(); ++i)
            points << pointAt(i);
        return points;
    }
    const std::size_t stretch = (credits.size() + MaxChartPoints / 2 - 1) / (MaxChartPoints / 2);
    for (std::size_t start = 0; start < credits.size(); start += stretch) {
        const std::size_t end = std::min(credits.size(), start + stretch);
        const auto [low, high] =
            std::minmax_element(credits.begin() + static_cast<std::ptrdiff_t>(start),
                                credits.begin() + static_cast<std::ptrdiff_t>(end));
        const auto lowAt = static_cast<std::size_t>(low - credits.begin());
        const auto highAt = static_cast<std::size_t>(high - credits.begin());
        points << pointAt(std::min(lowAt, highAt)) << pointAt(std::max(lowAt, highAt));
    }
    points << pointAt(credits.size() - 1);
    return points;
}

} // namespace

const char* const StatisticsWindow::ResetQuestion =
    "Reset the statistics? Every seat's figures, its record against the hints and the last "
    "deal start again, and so does the current game's credits chart.";

StatisticsWindow::StatisticsWindow(const Game& game, TableStatistics& statistics,
                                   const std::string& programDir, QWidget* parent)
    : QDialog(parent), game_(game), statistics_(statistics) {
    setObjectName(QStringLiteral("StatisticsForm"));
    setWindowTitle(QString::fromLatin1(WindowTitle));
    setSizeGripEnabled(true);
    SetHelpContext(this, HelpStatistics);
    createControls(programDir);
    resize(WindowSize);
    refresh();
}

void StatisticsWindow::createControls(const std::string& programDir) {
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("StatisticsTabs"));
    layout->addWidget(tabs_);

    gameFigures_ = newTable("GameFigures", {}, tabs_);
    resetFigures_ = newTable("ResetFigures", {}, tabs_);
    for (QTableWidget* figures : {gameFigures_, resetFigures_})
        figures->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabs_->addTab(gameFigures_, QString::fromLatin1(GamePage));
    tabs_->addTab(resetFigures_, QString::fromLatin1(ResetPage));

    auto* hints = new QWidget(tabs_);
    auto* hintsLayout = new QVBoxLayout(hints);
    hintSummary_ = new QLabel(hints);
    hintSummary_->setObjectName(QStringLiteral("HintSummary"));
    hintSummary_->setWordWrap(true);
    hintsLayout->addWidget(hintSummary_);
    hintsLayout->addWidget(new QLabel(QString::fromLatin1(MissesHeading), hints));
    hintMisses_ =
        newTable("HintMisses",
                 {QStringLiteral("Seat"), QStringLiteral("Hand"), QStringLiteral("Dealer's card"),
                  QStringLiteral("Chosen"), QStringLiteral("The hint said")},
                 hints);
    hintsLayout->addWidget(hintMisses_, 1);
    tabs_->addTab(hints, QString::fromLatin1(HintsPage));

    auto* last = new QWidget(tabs_);
    auto* lastLayout = new QVBoxLayout(last);
    lastDealNote_ = new QLabel(last);
    lastLayout->addWidget(lastDealNote_);
    lastDeal_ = newTable("LastDeal",
                         {QStringLiteral("Seat"), QStringLiteral("Hand"), QStringLiteral("Cards"),
                          QStringLiteral("Stake"), QStringLiteral("Won or lost"),
                          QStringLiteral("The seat's deal")},
                         last);
    lastDeal_->verticalHeader()->hide();
    lastLayout->addWidget(lastDeal_, 1);
    tabs_->addTab(last, QString::fromLatin1(LastDealPage));

    auto* chartPage = new QWidget(tabs_);
    auto* chartLayout = new QVBoxLayout(chartPage);
    seatPicker_ = new QComboBox(chartPage);
    seatPicker_->setObjectName(QStringLiteral("SeatPicker"));
    chartLayout->addWidget(seatPicker_, 0, Qt::AlignLeft);
    auto* chart = new QChart;
    chart->legend()->hide();
    credits_ = new QLineSeries(chart);
    chart->addSeries(credits_);
    dealAxis_ = new QValueAxis(chart);
    dealAxis_->setTitleText(QString::fromLatin1(DealAxis));
    dealAxis_->setLabelFormat(QStringLiteral("%d"));
    creditAxis_ = new QValueAxis(chart);
    creditAxis_->setTitleText(QString::fromLatin1(CreditsAxis));
    creditAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(dealAxis_, Qt::AlignBottom);
    chart->addAxis(creditAxis_, Qt::AlignLeft);
    credits_->attachAxis(dealAxis_);
    credits_->attachAxis(creditAxis_);
    chartView_ = new QChartView(chart, chartPage);
    chartView_->setObjectName(QStringLiteral("CreditsChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartLayout->addWidget(chartView_, 1);
    connect(seatPicker_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showChart);
    tabs_->addTab(chartPage, QString::fromLatin1(CreditsPage));

    counting_ = new CountingPage(statistics_.counting(), tabs_);
    counting_->recordReset = [this] {
        if (figuresReset)
            figuresReset();
    };
    tabs_->addTab(counting_, tr("Counting"));

    auto* bar = new QHBoxLayout;
    auto* reset = new QPushButton(QString::fromLatin1(ResetCaption), this);
    reset->setObjectName(QStringLiteral("ResetStatistics"));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &StatisticsWindow::onResetClicked);
    auto* close = new QPushButton(QString::fromLatin1(CloseCaption), this);
    close->setObjectName(QStringLiteral("CloseStatistics"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* help = new QPushButton(QString::fromLatin1(HelpCaption), this);
    help->setObjectName(QStringLiteral("HelpStatistics"));
    help->setAutoDefault(false);
    SetHelpGlyph(help, programDir);
    connect(help, &QPushButton::clicked, this, [this] {
        if (helpRequested)
            helpRequested(HelpStatistics);
    });
    bar->addWidget(reset);
    bar->addStretch();
    bar->addWidget(help);
    bar->addWidget(close);
    layout->addLayout(bar);
}

void StatisticsWindow::refresh() {
    showFigures(gameFigures_, &SeatStatistics::SinceGameBegan);
    showFigures(resetFigures_, &SeatStatistics::SinceReset);
    showHints();
    showLastDeal();
    showSeatChoice();
    showChart();
    counting_->refresh();
}

void StatisticsWindow::showFigures(QTableWidget* table, SeatTally SeatStatistics::*period) {
    const int seats = seatsAtTable(game_);
    table->clear();
    table->setColumnCount(seats);
    table->setRowCount(static_cast<int>(FigureRows.size()));
    QStringList names;
    for (int seat = 1; seat <= seats; ++seat)
        names << seatName(game_, seat);
    table->setHorizontalHeaderLabels(names);
    QStringList labels;
    for (const FigureRow& row : FigureRows)
        labels << QString::fromLatin1(row.label);
    table->setVerticalHeaderLabels(labels);
    for (int seat = 1; seat <= seats; ++seat) {
        const SeatTally& tally = statistics_.seat(seat).*period;
        for (std::size_t row = 0; row < FigureRows.size(); ++row)
            setCell(table, static_cast<int>(row), seat - 1, FigureRows[row].text(tally));
    }
}

void StatisticsWindow::showHints() {
    QStringList summary;
    hintMisses_->setRowCount(0);
    for (int seat = 1; seat <= seatsAtTable(game_); ++seat) {
        if (!game_.Seats[static_cast<size_t>(seat)].Human)
            continue;
        const SeatStatistics& record = statistics_.seat(seat);
        const SeatTally& tally = record.SinceReset;
        summary << (tally.Decisions == 0
                        ? QString::fromLatin1(NoHintDecisions).arg(seatName(game_, seat))
                        : QString::fromLatin1(HintFollowed)
                              .arg(seatName(game_, seat), whole(tally.FollowedHint),
                                   whole(tally.Decisions),
                                   share(tally.FollowedHint, tally.Decisions)));
        // Newest first: the decision the player remembers best heads the list.
        for (auto miss = record.Misses.rbegin(); miss != record.Misses.rend(); ++miss) {
            const int row = hintMisses_->rowCount();
            hintMisses_->insertRow(row);
            setCell(hintMisses_, row, 0, seatName(game_, seat), Qt::AlignLeft | Qt::AlignVCenter);
            setCell(hintMisses_, row, 1, handText(miss->Ranks, miss->cardCount()),
                    Qt::AlignLeft | Qt::AlignVCenter);
            setCell(hintMisses_, row, 2, rankText(miss->DealerRank), Qt::AlignCenter);
            setCell(hintMisses_, row, 3, decisionText(miss->Chosen), Qt::AlignCenter);
            setCell(hintMisses_, row, 4, hintText(miss->Hinted), Qt::AlignCenter);
        }
    }
    hintSummary_->setText(summary.isEmpty() ? QString::fromLatin1(NoHumanSeat)
                                            : summary.join(QLatin1Char('\n')));
}

void StatisticsWindow::showLastDeal() {
    lastDeal_->setRowCount(0);
    const DealSummary* deal = statistics_.lastDeal();
    lastDealNote_->setText(QString::fromLatin1(deal == nullptr ? NoLastDeal : LastDealHeading));
    if (deal == nullptr)
        return;
    const auto addRow = [this](const QStringList& cells) {
        const int row = lastDeal_->rowCount();
        lastDeal_->insertRow(row);
        for (int column = 0; column < cells.size(); ++column)
            setCell(lastDeal_, row, column, cells[column],
                    column < 3 ? Qt::AlignLeft | Qt::AlignVCenter
                               : Qt::AlignRight | Qt::AlignVCenter);
    };
    addRow({QString::fromLatin1(DealerName), QString(),
            handText(deal->DealerRanks, deal->DealerCardCount)});
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        const DealSummary::SeatPart& part = deal->Seats[static_cast<size_t>(seat)];
        if (!part.Played)
            continue;
        QString name = seatName(game_, seat);
        QString net = SettledResultText(part.Net);
        for (int h = 0; h < std::max(part.HandCount, 1); ++h) {
            const SettledHand& hand = part.Hands[static_cast<size_t>(h)];
            const QString which = part.HandCount > 1
                                      ? QString::fromLatin1(h == 0 ? FirstHand : SecondHand)
                                      : QString();
            addRow({name, which, handText(hand.Ranks, hand.CardCount), Money(hand.Stake),
                    SettledResultText(hand.Returned - hand.Stake), net});
            name.clear(); // the seat's name and its net once, on its first line
            net.clear();
        }
        if (part.Insurance > 0) {
            addRow({QString(), QString::fromLatin1(InsuranceHand), QString(), Money(part.Insurance),
                    SettledResultText(part.InsuranceReturned - part.Insurance), QString()});
        }
    }
}

void StatisticsWindow::showSeatChoice() {
    const int seats = seatsAtTable(game_);
    const int chosen = std::max(seatPicker_->currentIndex(), 0);
    const QSignalBlocker quiet(seatPicker_);
    seatPicker_->clear();
    for (int seat = 1; seat <= seats; ++seat)
        seatPicker_->addItem(seatName(game_, seat), seat);
    seatPicker_->setCurrentIndex(std::min(chosen, seats - 1));
}

void StatisticsWindow::showChart() {
    const int seat = seatPicker_->currentData().toInt();
    QChart* chart = chartView_->chart();
    if (seat < 1 || seat > MaxSeats)
        return;
    const SeatStatistics& record = statistics_.seat(seat);
    const QList<QPointF> points = chartPoints(record);
    credits_->replace(points);
    chart->setTitle(points.isEmpty() ? QString::fromLatin1(NoDealsYet)
                                     : QString::fromLatin1(ChartTitle).arg(seatName(game_, seat)));
    if (points.isEmpty())
        return;
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const QPointF& point : points) {
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    // A flat run still gets a band to lie in.
    const double margin = std::max((high - low) * 0.05, 1.0);
    dealAxis_->setRange(points.first().x(), std::max(points.last().x(), points.first().x() + 1));
    creditAxis_->setRange(low - margin, high + margin);
    creditAxis_->applyNiceNumbers(); // ticks on round amounts
}

void StatisticsWindow::onResetClicked() {
    const auto answer = QMessageBox::question(this, QString::fromLatin1(WindowTitle),
                                              QString::fromLatin1(ResetQuestion),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    statistics_.reset();
    refresh();
    if (figuresReset)
        figuresReset();
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace dealmoor
