#include "table/windows/CountCheckWindow.h"

#include "table/CountingTexts.h"
#include "table/Keyboard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace dealmoor {

namespace {

struct RowName {
    CountingDrill drill;
    const char* answer;
    const char* verdict;
};
constexpr std::array<RowName, 3> RowNames{{
    {CountingDrill::CheckRunning, "RunningAnswer", "RunningVerdict"},
    {CountingDrill::CheckTrue, "TrueAnswer", "TrueVerdict"},
    {CountingDrill::CheckDecks, "DecksAnswer", "DecksVerdict"},
}};

const QColor FrameEdge{0x3c, 0x3c, 0x3c};
const QColor FrameLight{0xff, 0xff, 0xff};

QString verdictText(const CountingRound& round) {
    const CountQuestion question = QuestionOf(round.Drill);
    const QString right = ValueText(round.RightValue, question);
    const QString seconds = SecondsText(round.Milliseconds / 1000.0);
    switch (round.Verdict) {
    case Verdict::Right:
        return CountCheckWindow::tr("Right: %1 (%2)").arg(right, seconds);
    case Verdict::Wrong:
        return CountCheckWindow::tr("Wrong: it is %1 (%2)").arg(right, seconds);
    case Verdict::Skipped:
        break;
    }
    return CountCheckWindow::tr("Skipped: it is %1").arg(right);
}

} // namespace

CountCheckWindow::CountCheckWindow(QWidget* parent) : OverlayDialog(parent) {
    setObjectName(QStringLiteral("CountCheck"));
    setAccessibleName(tr("Count check"));
    createControls();
    SetHelpContext(this, HelpCountPractice);
    hide();
}

void CountCheckWindow::createControls() {
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("CheckHeading"));
    heading_->setWordWrap(true);
    layout->addWidget(heading_);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        row.drill = RowNames[i].drill;
        const CountQuestion question = QuestionOf(row.drill);
        row.label = new QLabel(QuestionLabel(question), this);
        row.answer = new QLineEdit(this);
        row.answer->setObjectName(QString::fromLatin1(RowNames[i].answer));
        PrepareAnswerField(row.answer, question);
        row.answer->setAccessibleName(QuestionLabel(question).remove(QLatin1Char('&')));
        row.label->setBuddy(row.answer);
        row.verdict = new QLabel(this);
        row.verdict->setObjectName(QString::fromLatin1(RowNames[i].verdict));
        row.verdict->setMinimumWidth(row.verdict->fontMetrics().horizontalAdvance(
            tr("Wrong: it is %1 (%2)").arg(QStringLiteral("\u2212888.8"), SecondsText(88.8))));
        const int line = static_cast<int>(i);
        grid->addWidget(row.label, line, 0);
        grid->addWidget(row.answer, line, 1);
        grid->addWidget(row.verdict, line, 2);
    }
    layout->addLayout(grid);

    auto* keys = new QLabel(tr("Enter answers and goes on; Esc skips the check."), this);
    keys->setObjectName(QStringLiteral("CheckKeys"));
    QFont small = keys->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    keys->setFont(small);
    layout->addWidget(keys);

    auto* buttons = new QHBoxLayout;
    help_ = new QPushButton(tr("&Help"), this);
    help_->setObjectName(QStringLiteral("CheckHelp"));
    skip_ = new QPushButton(tr("S&kip"), this);
    skip_->setObjectName(QStringLiteral("CheckSkip"));
    goOn_ = new QPushButton(tr("&Go On"), this);
    goOn_->setObjectName(QStringLiteral("CheckGoOn"));
    for (QPushButton* button : {help_, skip_, goOn_})
        button->setAutoDefault(false); // Enter belongs to the questions
    buttons->addWidget(help_);
    buttons->addStretch();
    buttons->addWidget(skip_);
    buttons->addWidget(goOn_);
    layout->addLayout(buttons);

    connect(help_, &QPushButton::clicked, this, [this] { requestHelp(HelpCountPractice); });
    connect(skip_, &QPushButton::clicked, this, &CountCheckWindow::onSkipClicked);
    connect(goOn_, &QPushButton::clicked, this, &CountCheckWindow::finish);
}

void CountCheckWindow::placeOver(const QRect& area) {
    adjustSize();
    const QSize size = sizeHint().expandedTo(minimumSizeHint());
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

std::vector<CountingRound> CountCheckWindow::ask(const StoredCounts& counts, CountingSystem system,
                                                 bool askTrueCount, CalendarDay today) {
    right_ = RightAnswers(counts, system);
    system_ = system;
    today_ = today;
    asked_ = askTrueCount ? static_cast<int>(rows_.size()) : 1;
    current_ = 0;
    rounds_.clear();
    calledOff_ = false;
    heading_->setText(
        tr("<b>Count check</b> \u2014 %1. What is your count now?").arg(SystemName(system)));
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const Row& row = rows_[static_cast<std::size_t>(i)];
        const bool shown = i < asked_;
        row.label->setVisible(shown);
        row.answer->setVisible(shown);
        row.verdict->setVisible(shown);
        row.answer->clear();
        row.answer->setEnabled(false);
        row.verdict->clear();
    }
    goOn_->setEnabled(false);
    skip_->setEnabled(true);
    askNext();
    RunOverlayModal(this);
    if (calledOff_)
        return {};
    return rounds_;
}

void CountCheckWindow::callOff() {
    calledOff_ = true;
    if (isVisible())
        done(QDialog::Rejected);
}

void CountCheckWindow::askNext() {
    if (current_ >= asked_) {
        skip_->setEnabled(false);
        goOn_->setEnabled(true);
        goOn_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QLineEdit* answer = rows_[static_cast<std::size_t>(current_)].answer;
    answer->setEnabled(true);
    answer->setFocus(Qt::OtherFocusReason);
    clock_.start();
}

void CountCheckWindow::grade(std::optional<Tenths> answer) {
    const Row& row = rows_[static_cast<std::size_t>(current_)];
    const CountingRound round = GradedRound(today_, system_, row.drill, 0, answer,
                                            right_.of(QuestionOf(row.drill)), clock_.elapsed());
    rounds_.push_back(round);
    row.answer->setEnabled(false);
    row.verdict->setText(
        QStringLiteral("<span style=\"color:%1\">%2</span>")
            .arg(VerdictColour(round.Verdict), verdictText(round).toHtmlEscaped()));
    row.verdict->setAccessibleName(verdictText(round));
    ++current_;
}

void CountCheckWindow::onEnter() {
    if (current_ >= asked_) {
        finish();
        return;
    }
    const CountQuestion question = QuestionOf(rows_[static_cast<std::size_t>(current_)].drill);
    const std::optional<Tenths> answer =
        ReadTypedAnswer(rows_[static_cast<std::size_t>(current_)].answer->text(), question);
    if (!answer)
        return; // nothing, or no number yet: the question waits
    grade(answer);
    askNext();
}

void CountCheckWindow::onSkipClicked() {
    // Every question still open is skipped, and the table goes on at once.
    while (current_ < asked_)
        grade(std::nullopt);
    finish();
}

void CountCheckWindow::finish() {
    if (current_ >= asked_)
        done(QDialog::Accepted);
}

void CountCheckWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        onEnter();
        return;
    case Qt::Key_Escape:
        event->accept();
        onSkipClicked(); // once all is graded, it goes on as Enter does
        return;
    default:
        break;
    }
    OverlayDialog::keyPressEvent(event);
}

} // namespace dealmoor

namespace dealmoor {

void CountCheckWindow::paintEvent(QPaintEvent* event) {
    OverlayDialog::paintEvent(event);
    // A dark edge with a light line inside it, so the question stands out from the table.
    QPainter painter(this);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(FrameEdge, 1));
    painter.drawRect(edge);
    painter.setPen(QPen(FrameLight, 1));
    painter.drawRect(edge.adjusted(1, 1, -1, -1));
}

} // namespace dealmoor
