#include "table/windows/StrategyCardWindow.h"

#include "engine/StrategyCard.h"
#include "strategy/StrategyCardEditing.h"
#include "table/Keyboard.h"
#include "table/ModalOverlay.h"
#include "table/MoneyText.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace dealmoor {

namespace {

const char* const Caption = "Strategy Card:";
constexpr QSize WindowSize(640, 444);
// Tall enough for the headings, a few hands and the buttons under them.
constexpr int MinimumHeight = 220;

// The buttons sit in the bottom corners, the title field centred between them.
constexpr QSize ButtonSize(121, 33);
constexpr int BelowGrid = 48;      // room under the grid for the buttons
constexpr int ButtonBottomGap = 8; // between the buttons and the window's bottom
constexpr int SaveRightGap = 16;   // between Save and the window's right edge
constexpr int CancelLeft = 16;
constexpr QSize TitleSize(329, 25);
constexpr int TitleBelowButtonTop = 4;

// The grid: headings 90 wide and 40 high, the cells at least 80 by 16; a
// larger window gives the cells its room, so the whole chart shows at once.
constexpr int HeadingColumnWidth = 90;
constexpr int HeadingRowHeight = 40;
constexpr int CellWidth = 80;
constexpr int CellHeight = 16;
constexpr int CellPointSize = 8;
constexpr int LabelPadding = 8; // the widest label keeps this much room in its cell

constexpr int CornerTimerMs = 20;
constexpr int CodeRole = Qt::UserRole; // the cell's action code, which may be none of the six
constexpr int DiffersRole = Qt::UserRole + 1; // the hints play the cell otherwise

// The mark of a cell the hints play otherwise: a dark triangle in the cell's
// top right corner, edged in white so that it shows on every action's colour.
constexpr int MarkSize = 8;
const QColor MarkFill(0x10, 0x10, 0x10);
const QColor MarkEdge = Qt::white;

// ---- The card test

// Every test deals the same shoes, so two versions of a card tested one after
// the other are compared on the same cards as well.
constexpr int64_t TestDeals = 2'000'000;
constexpr uint32_t TestSeed = 1997;
constexpr int ProgressSteps = 1000;

const char* const TestCaption = "&Test";
const char* const StopCaption = "S&top";
const char* const TestTip = "Plays this card as one seat under the house rules in play, side by "
                            "side with the hints' strategy on the same shuffled shoes";
const char* const LegendText = "\u25E5 marks the cells the hints play otherwise (%1)";
const char* const LegendTip = "A mark in a cell's corner: this card plays that hand otherwise "
                              "than the hints do under the house rules in play. The cell's "
                              "tooltip says what the hints play there.";
const char* const HintsPlayTip = "The hints play %1 here";
const char* const DealsPlayed = "%1 of %2 deals";
const char* const TestedOver = "Tested over %1 deals in %2 s";
const char* const StoppedAfter = "Stopped after %1 deals";
const char* const CardChanged = "The card changed: Test tries it as it is now";
const char* const NothingToTest = "These house rules take no stake: there is nothing to play";
const char* const TestFailed = "The test could not be finished";
const char* const CardResult = "This card: %1";
const char* const HintsResult = "The hints' strategy: %1";
const char* const ResultTip = "What the strategy won per unit of initial bet (a loss when "
                              "negative), with its 95% interval";
const char* const LosesMore = "This card loses %1 more than the hints' strategy.";
const char* const WinsMore = "This card wins %1 more than the hints' strategy.";
const char* const Level =
    "This card and the hints' strategy are level: %1 apart, which is within chance.";
const char* const PlaysAsHints = "This card played every hand of the test as the hints' strategy.";

QString count(int64_t number) {
    return QLocale().toString(static_cast<qlonglong>(number));
}

// The rows that end the pairs and the soft totals: a printed chart rules a
// heavier line under them.
constexpr std::array<int, 2> LastRowsOfGroups = {10, 18};
constexpr int GroupRuleWidth = 2;

// Okabe and Ito's colours; the ink is whichever of black and white reads better on each.
struct ActionPaint {
    CardAction action;
    CellColours colours;
};
const std::array<ActionPaint, 7> Palette = {{
    {CardAction::Hit, {QColor(0x00, 0x9E, 0x73), Qt::black}},         // bluish green
    {CardAction::Stand, {QColor(0xF0, 0xE4, 0x42), Qt::black}},       // yellow
    {CardAction::DoubleHit, {QColor(0x00, 0x72, 0xB2), Qt::white}},   // blue
    {CardAction::DoubleStand, {QColor(0x56, 0xB4, 0xE9), Qt::black}}, // sky blue
    {CardAction::SplitHit, {QColor(0xD5, 0x5E, 0x00), Qt::black}},    // vermillion
    {CardAction::SplitStand, {QColor(0xCC, 0x79, 0xA7), Qt::black}},  // reddish purple
    {CardAction::None, {Qt::white, Qt::black}},
}};
const QColor GridLines = Qt::white;
const QColor Rule(0x30, 0x30, 0x30);
const QColor CurrentFrame(0x10, 0x10, 0x10);

bool endsGroup(int row) {
    return std::find(LastRowsOfGroups.begin(), LastRowsOfGroups.end(), row) !=
           LastRowsOfGroups.end();
}

// The corner picture: the diagonal from top left to bottom right parts the
// dealer's red triangle (upper right, naming the headings across) from the
// player's blue one (lower left, naming the headings down), words in yellow.
constexpr QSize CornerSize(HeadingColumnWidth, HeadingRowHeight);
const QColor DealerRed(0xC0, 0x00, 0x00);
const QColor PlayerBlue(0x00, 0x00, 0xC0);
const QColor WordYellow(0xFF, 0xFF, 0x00);
const char* const DealerWord = "Dealer";
const char* const PlayerWord = "Player";
constexpr int CornerWordMargin = 3;

// Drawn for the screen's pixel ratio, so the words stay sharp on a dense screen.
QPixmap dealerPlayerPicture(double ratio) {
    QPixmap picture(CornerSize * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(CornerSize));
    painter.fillRect(all, PlayerBlue);
    QPainterPath dealer;
    dealer.moveTo(all.topLeft());
    dealer.lineTo(all.topRight());
    dealer.lineTo(all.bottomRight());
    dealer.closeSubpath();
    painter.fillPath(dealer, DealerRed);

    QFont words = QApplication::font();
    words.setPointSize(CellPointSize);
    words.setBold(true);
    painter.setFont(words);
    painter.setPen(WordYellow);
    const QRectF inside = all.adjusted(CornerWordMargin, 1, -CornerWordMargin, -1);
    painter.drawText(inside, Qt::AlignRight | Qt::AlignTop, QString::fromLatin1(DealerWord));
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignBottom, QString::fromLatin1(PlayerWord));
    return picture;
}

// A title as the card holds it: UTF-8 as the game writes it, or the single-byte
// text of a card made elsewhere.
QString decodeTitle(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString labelOf(uint8_t code) {
    const std::string_view label = ActionLabel(code);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

QFont cellFont() {
    QFont font = QApplication::font();
    font.setPointSize(CellPointSize);
    return font;
}

void paintMark(QPainter& painter, const QRect& cell) {
    const QPolygon corner({QPoint(cell.right() - MarkSize, cell.top()),
                           QPoint(cell.right(), cell.top()),
                           QPoint(cell.right(), cell.top() + MarkSize)});
    painter.setPen(MarkEdge);
    painter.setBrush(MarkFill);
    painter.drawPolygon(corner);
    painter.setBrush(Qt::NoBrush);
}

// Every cell painted in its action's colour with its label centred, the
// cells the hints play otherwise marked, the current cell framed, and the
// groups of hands ruled off.
class CardCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const CellColours colours =
            ColoursOfAction(ActionOf(static_cast<uint8_t>(index.data(CodeRole).toUInt())));
        painter->save();
        painter->fillRect(option.rect, GridLines);
        const QRect cell = option.rect.adjusted(0, 0, -1, -1);
        painter->fillRect(cell, colours.fill);
        painter->setFont(option.font);
        painter->setPen(colours.ink);
        painter->drawText(cell, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        if (endsGroup(index.row() + 1))
            painter->fillRect(QRect(option.rect.left(), option.rect.bottom() - GroupRuleWidth + 1,
                                    option.rect.width(), GroupRuleWidth),
                              Rule);
        if (index.data(DiffersRole).toBool())
            paintMark(*painter, cell);
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(CurrentFrame, 2));
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }
};

// The headings, bold, with the same rules under the groups of hands as the cells.
class CardHeader : public QHeaderView {
public:
    explicit CardHeader(Qt::Orientation orientation, QWidget* parent)
        : QHeaderView(orientation, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        if (orientation() == Qt::Vertical && endsGroup(logicalIndex + 1)) {
            painter->fillRect(QRect(rect.left(), rect.bottom() - GroupRuleWidth + 1, rect.width(),
                                    GroupRuleWidth),
                              Rule);
        }
    }
};

} // namespace

CellColours ColoursOfAction(CardAction action) {
    return std::find_if(Palette.begin(), Palette.end(),
                        [action](const ActionPaint& paint) { return paint.action == action; })
        ->colours;
}

// Paints the corner picture over the grid's top-left heading, where the
// headings across and down meet.
class CardCorner : public QWidget {
public:
    CardCorner(const QLabel& source, QWidget* parent) : QWidget(parent), source_(source) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.drawPixmap(QPoint(0, 0), source_.pixmap());
    }

private:
    const QLabel& source_;
};

StrategyCardWindow::StrategyCardWindow(StrategyCard& card, const HouseRules& rules, QWidget* parent)
    : QDialog(parent), card_(card), rules_(rules), job_(*this) {
    testPlan_.Deals = TestDeals;
    testPlan_.Seed = TestSeed;
    setObjectName(QStringLiteral("StrCard"));
    setWindowTitle(QString::fromLatin1(Caption));
    setSizeGripEnabled(true);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setPixmap(dealerPlayerPicture(devicePixelRatio()));
    picture_->resize(CornerSize);
    picture_->hide();

    createGrid();
    createButtons();

    cornerTimer_ = new QTimer(this);
    cornerTimer_->setObjectName(QStringLiteral("Timer1"));
    cornerTimer_->setInterval(CornerTimerMs);
    cornerTimer_->setSingleShot(true);
    connect(cornerTimer_, &QTimer::timeout, this, &StrategyCardWindow::paintCorner);
    createTestPanel();
    // The chart, the test under it, then along the bottom: Cancel, the title, Save.
    SetTabOrder({grid_, test_, cancel_, title_, save_});

    SetHelpContext(this, HelpStrategyCard);
    showCard();
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(WindowSize);
    placeControls();
}

// The test's threads are joined (job_) before anything they post could arrive.
StrategyCardWindow::~StrategyCardWindow() = default;

void StrategyCardWindow::createGrid() {
    grid_ = new QTableWidget(CardRows, CardColumns, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setHorizontalHeader(new CardHeader(Qt::Horizontal, grid_));
    grid_->setVerticalHeader(new CardHeader(Qt::Vertical, grid_));
    grid_->setItemDelegate(new CardCellDelegate(grid_));
    grid_->setFont(cellFont());
    grid_->setShowGrid(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setCornerButtonEnabled(false);
    grid_->setWordWrap(false);
    // The arrow keys move from cell to cell; Tab leaves the chart for the buttons.
    grid_->setTabKeyNavigation(false);
    grid_->installEventFilter(this);

    QFont headings = cellFont();
    headings.setBold(true);
    // The widest label always fits its cell, whatever the font.
    const QFontMetrics metrics(cellFont());
    int widestLabel = 0;
    auto code = static_cast<uint8_t>(ActionHit);
    do {
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(labelOf(code)));
        code = NextActionCode(code);
    } while (code != ActionHit);
    const int cellWidth = std::max(CellWidth, widestLabel + LabelPadding);
    const int cellHeight = std::max(CellHeight, metrics.height() + 2);

    QHeaderView* across = grid_->horizontalHeader();
    across->setFont(headings);
    across->setFixedHeight(HeadingRowHeight);
    across->setMinimumSectionSize(cellWidth);
    across->setDefaultSectionSize(cellWidth);
    across->setSectionResizeMode(QHeaderView::Stretch);
    across->setSectionsClickable(false);
    across->setHighlightSections(false);

    QHeaderView* down = grid_->verticalHeader();
    down->setFont(headings);
    down->setFixedWidth(HeadingColumnWidth);
    down->setMinimumSectionSize(cellHeight);
    down->setDefaultSectionSize(cellHeight);
    down->setSectionResizeMode(QHeaderView::Stretch);
    down->setSectionsClickable(false);
    down->setHighlightSections(false);
    down->setDefaultAlignment(Qt::AlignCenter);

    QStringList upCards;
    for (int column = 1; column <= CardColumns; ++column)
        upCards << QString::fromStdString(ColumnHeading(column));
    grid_->setHorizontalHeaderLabels(upCards);
    QStringList hands;
    for (int row = 1; row <= CardRows; ++row)
        hands << QString::fromStdString(RowHeading(row));
    grid_->setVerticalHeaderLabels(hands);

    for (int row = 1; row <= CardRows; ++row) {
        for (int column = 1; column <= CardColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(row - 1, column - 1, item);
        }
    }
    connect(grid_, &QTableWidget::cellClicked, this, &StrategyCardWindow::onCellChosen);

    corner_ = new CardCorner(*picture_, grid_);
    corner_->resize(CornerSize);
}

void StrategyCardWindow::createButtons() {
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("Edit1"));
    title_->resize(TitleSize);

    save_ = new QPushButton(QStringLiteral("&Save"), this);
    save_->setObjectName(QStringLiteral("BitBtn1"));
    save_->resize(ButtonSize);
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, &QDialog::accept);

    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("BitBtn2"));
    cancel_->resize(ButtonSize);
    cancel_->setAutoDefault(false);
    cancel_->move(CancelLeft, 0);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void StrategyCardWindow::createTestPanel() {
    testPanel_ = new QWidget(this);
    testPanel_->setObjectName(QStringLiteral("CardTest"));
    auto* layout = new QGridLayout(testPanel_);
    layout->setContentsMargins(CancelLeft, 4, SaveRightGap, 0);
    layout->setVerticalSpacing(2);

    test_ = new QPushButton(QString::fromLatin1(TestCaption), testPanel_);
    test_->setObjectName(QStringLiteral("TestCard"));
    test_->setToolTip(QString::fromLatin1(TestTip));
    test_->setAutoDefault(false);
    connect(test_, &QPushButton::clicked, this, &StrategyCardWindow::onTestClicked);
    legend_ = new QLabel(testPanel_);
    legend_->setObjectName(QStringLiteral("MarkLegend"));
    legend_->setToolTip(QString::fromLatin1(LegendTip));

    progress_ = new QProgressBar(testPanel_);
    progress_->setObjectName(QStringLiteral("TestProgress"));
    progress_->setRange(0, ProgressSteps);
    progress_->setTextVisible(false);
    auto label = [this](const char* name, const char* tip) {
        auto* shown = new QLabel(testPanel_);
        shown->setObjectName(QString::fromLatin1(name));
        if (tip != nullptr)
            shown->setToolTip(QString::fromLatin1(tip));
        return shown;
    };
    deals_ = label("TestDeals", nullptr);
    cardResult_ = label("CardResult", ResultTip);
    hintsResult_ = label("HintsResult", ResultTip);
    difference_ = label("TestDifference", nullptr);
    QFont bold = difference_->font();
    bold.setBold(true);
    difference_->setFont(bold);
    difference_->setWordWrap(true);

    layout->addWidget(test_, 0, 0);
    layout->addWidget(legend_, 0, 1, 1, 2);
    layout->addWidget(progress_, 1, 0, 1, 2);
    layout->addWidget(deals_, 1, 2);
    layout->addWidget(cardResult_, 2, 0, 1, 2);
    layout->addWidget(hintsResult_, 2, 2);
    layout->addWidget(difference_, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    showResultLines(false);
}

bool StrategyCardWindow::EditCard(StrategyCard& card, const HouseRules& rules, QWidget* parent,
                                  const std::function<void(int)>& help) {
    StrategyCardWindow window(card, rules, parent);
    window.helpRequested = help;
    window.setWindowModality(Qt::WindowModal); // the help window stays usable beside it
    return window.exec() == QDialog::Accepted;
}

// ---- The card on the grid

void StrategyCardWindow::showCard() {
    shownTitle_ = decodeTitle(card_.titleText());
    title_->setText(shownTitle_);
    for (int row = 1; row <= CardRows; ++row) {
        for (int column = 1; column <= CardColumns; ++column)
            showCell(column, row);
    }
    showMarks();
}

void StrategyCardWindow::showMarks() {
    const CardAdvice advice = CompareWithHints(rules_, card_);
    int marked = 0;
    for (int row = 1; row <= CardRows; ++row) {
        for (int column = 1; column <= CardColumns; ++column) {
            const CellAdvice& cell = advice[StrategyCard::cellIndex(column, row)];
            QTableWidgetItem* item = grid_->item(row - 1, column - 1);
            item->setData(DiffersRole, cell.Differs);
            item->setToolTip(cell.Differs
                                 ? QString::fromLatin1(HintsPlayTip).arg(labelOf(cell.HintCode))
                                 : QString());
            marked += cell.Differs ? 1 : 0;
        }
    }
    legend_->setText(QString::fromUtf8(LegendText).arg(marked));
}

void StrategyCardWindow::showCell(int column, int row) {
    QTableWidgetItem* item = grid_->item(row - 1, column - 1);
    const uint8_t code = card_.cell(column, row);
    item->setText(labelOf(code));
    item->setData(CodeRole, code);
}

void StrategyCardWindow::onCellChosen(int gridRow, int gridColumn) {
    const int column = gridColumn + 1;
    const int row = gridRow + 1;
    if (!ClickCell(card_, column, row))
        return;
    showCell(column, row);
    showMarks();
    // Figures of the card as it was no longer say anything about it.
    if (testing_)
        stopTest(QString::fromLatin1(CardChanged));
    else if (!deals_->isHidden())
        deals_->setText(QString::fromLatin1(CardChanged));
}

// ---- The card test

void StrategyCardWindow::onTestClicked() {
    if (testing_)
        stopTest(QString::fromLatin1(StoppedAfter).arg(count(testedDeals_)));
    else
        startTest();
}

void StrategyCardWindow::setTesting(bool testing) {
    testing_ = testing;
    test_->setText(QString::fromLatin1(testing ? StopCaption : TestCaption));
}

void StrategyCardWindow::showResultLines(bool shown) {
    for (QWidget* line : {static_cast<QWidget*>(progress_), static_cast<QWidget*>(deals_),
                          static_cast<QWidget*>(cardResult_), static_cast<QWidget*>(hintsResult_),
                          static_cast<QWidget*>(difference_)})
        line->setVisible(shown);
    placeControls();
}

void StrategyCardWindow::startTest() {
    setTesting(true);
    progress_->setValue(0);
    testedDeals_ = 0;
    testClock_.start();
    deals_->setText(QString::fromLatin1(DealsPlayed).arg(count(0), count(testPlan_.Deals)));
    cardResult_->clear();
    hintsResult_->clear();
    difference_->clear();
    showResultLines(true);
    // The worker plays copies: the grid may change while it runs.
    const StrategyCard card = card_;
    const HouseRules rules = rules_;
    const SimulationPlan plan = testPlan_;
    job_.start(
        [this, card, rules, plan](const std::atomic<bool>& stop, const FiguresJob::Post& post) {
            const CardTestOutcome outcome = TestStrategyCard(
                rules, card, plan,
                [this, &post](const CardTest& figures) {
                    post([this, figures] { showTestFigures(figures); });
                },
                stop);
            post([this, outcome] { testEnded(outcome); });
        },
        [this] {
            setTesting(false);
            deals_->setText(QString::fromLatin1(TestFailed));
        });
}

void StrategyCardWindow::stopTest(const QString& why) {
    job_.cancel();
    setTesting(false);
    deals_->setText(why);
}

void StrategyCardWindow::showTestFigures(const CardTest& figures) {
    testedDeals_ = figures.deals();
    const int64_t planned = std::max<int64_t>(testPlan_.Deals, 1);
    progress_->setValue(static_cast<int>(ProgressSteps * figures.deals() / planned));
    deals_->setText(
        QString::fromLatin1(DealsPlayed).arg(count(figures.deals()), count(testPlan_.Deals)));
    const RatioEstimate card = EstimatePerUnit(figures.Card);
    const RatioEstimate hints = EstimatePerUnit(figures.Hints);
    cardResult_->setText(
        QString::fromLatin1(CardResult).arg(PercentWithInterval(card.PerUnit, card.HalfWidth)));
    hintsResult_->setText(
        QString::fromLatin1(HintsResult).arg(PercentWithInterval(hints.PerUnit, hints.HalfWidth)));
    difference_->setText(DifferenceInWords(EstimatePerUnit(figures.Difference)));
}

void StrategyCardWindow::testEnded(const CardTestOutcome& outcome) {
    setTesting(false);
    if (!outcome.Playable) {
        deals_->setText(QString::fromLatin1(NothingToTest));
        return;
    }
    showTestFigures(outcome.Figures);
    if (outcome.End != RunEnd::Stopped) {
        progress_->setValue(ProgressSteps);
        const double seconds = static_cast<double>(testClock_.elapsed()) / 1000.0;
        deals_->setText(
            QString::fromLatin1(TestedOver)
                .arg(count(outcome.Figures.deals()), QLocale().toString(seconds, 'f', 1)));
    }
}

QString StrategyCardWindow::DifferenceInWords(const RatioEstimate& difference) {
    const double apart = std::abs(difference.PerUnit);
    const QString figure = PercentWithInterval(apart, difference.HalfWidth);
    if (apart == 0 && difference.HalfWidth == 0)
        return QString::fromLatin1(PlaysAsHints);
    if (apart <= difference.HalfWidth)
        return QString::fromLatin1(Level).arg(figure);
    return QString::fromLatin1(difference.PerUnit < 0 ? LosesMore : WinsMore).arg(figure);
}

bool StrategyCardWindow::eventFilter(QObject* watched, QEvent* event) {
    // Space steps the current cell on, as a click does, for the keyboard's player.
    if (watched == grid_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        onCellChosen(grid_->currentRow(), grid_->currentColumn());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Closing

void StrategyCardWindow::done(int result) {
    // A test stops with its window, its threads joined before the window goes.
    job_.stop();
    setTesting(false);
    storeTitle();
    QDialog::done(result);
}

void StrategyCardWindow::storeTitle() {
    if (title_->text() == shownTitle_)
        KeepTitleAsRead(card_);
    else
        card_.setTitle(title_->text().toStdString());
}

// ---- Size and place

bool StrategyCardWindow::event(QEvent* event) {
    // The test panel grows and shrinks with its lines: the grid gives way.
    if (event->type() == QEvent::LayoutRequest && testPanel_ != nullptr)
        placeControls();
    return QDialog::event(event);
}

void StrategyCardWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isMinimized())
        return;
    if (width() < MinimumWidth) {
        resize(MinimumWidth, height()); // comes back here at the snapped size
        return;
    }
    placeControls();
}

void StrategyCardWindow::placeControls() {
    const int panelHeight = testPanel_->sizeHint().height();
    const int gridHeight = height() - BelowGrid - panelHeight;
    grid_->setGeometry(0, 0, width(), gridHeight);
    testPanel_->setGeometry(0, gridHeight, width(), panelHeight);
    const int buttonTop = height() - ButtonSize.height() - ButtonBottomGap;
    save_->move(width() - ButtonSize.width() - SaveRightGap, buttonTop);
    cancel_->move(cancel_->x(), buttonTop);
    const int cancelLeft = cancel_->x();
    const int saveRight = save_->x() + save_->width();
    title_->move(cancelLeft + (saveRight - cancelLeft) / 2 - title_->width() / 2,
                 buttonTop + TitleBelowButtonTop);
    cornerTimer_->start();
}

void StrategyCardWindow::paintCorner() {
    cornerTimer_->stop();
    const int frame = grid_->frameWidth();
    corner_->move(frame, frame);
    corner_->raise();
    corner_->show();
    corner_->update();
}

void StrategyCardWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    cornerTimer_->start();
}

void StrategyCardWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace dealmoor
