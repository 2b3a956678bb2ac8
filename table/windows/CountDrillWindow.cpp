#include "table/windows/CountDrillWindow.h"

#include "table/CountingTexts.h"
#include "table/DrillTableView.h"
#include "table/Keyboard.h"
#include "table/ModalOverlay.h"
#include "table/Painting.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace dealmoor {

namespace {

// The drills as the window offers them, in the order of their buttons.
struct DrillChoice {
    CountingDrill drill;
    const char* name;
    const char* caption;
};
constexpr std::array<DrillChoice, 3> DrillChoices{{
    {CountingDrill::DrillRunning, "DrillRunning",
     QT_TRANSLATE_NOOP("dealmoor::CountDrillWindow", "&Running count")},
    {CountingDrill::DrillTrue, "DrillTrue",
     QT_TRANSLATE_NOOP("dealmoor::CountDrillWindow", "&True count")},
    {CountingDrill::DrillDecks, "DrillDecks",
     QT_TRANSLATE_NOOP("dealmoor::CountDrillWindow", "D&ecks left")},
}};

constexpr Tenths StartingPace = 20; // two cards a second
constexpr QSize WindowSize{760, 640};

std::size_t indexOf(CountingDrill drill) {
    return static_cast<std::size_t>(drill);
}

} // namespace

CountDrillWindow::CountDrillWindow(std::function<int()> shoeCards, CountingSystem system,
                                   const std::string& programDir, QWidget* parent)
    : QDialog(parent), shoeCards_(std::move(shoeCards)) {
    setObjectName(QStringLiteral("CountDrillForm"));
    setWindowTitle(tr("Count Drill"));
    setSizeGripEnabled(true);
    // The cards at twice their table size come from the sheets' twins.
    sheets_.Load(programDir, 2);
    nextSeed = [] { return QRandomGenerator::global()->generate(); };
    createControls(programDir);
    resize(WindowSize);
    system_->setCurrentIndex(system == CountingSystem::HiOpt2 ? 1 : 0);
    SetHelpContext(this, HelpCountDrill);
    onDrillChosen();
}

CountDrillWindow::~CountDrillWindow() = default;

void CountDrillWindow::createControls(const std::string& programDir) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createOptions());

    table_ = new DrillTableView(sheets_, this);
    layout->addWidget(table_, 1);

    auto* answerRow = new QHBoxLayout;
    question_ = new QLabel(this);
    question_->setObjectName(QStringLiteral("DrillQuestion"));
    answer_ = new QLineEdit(this);
    answer_->setObjectName(QStringLiteral("DrillAnswer"));
    question_->setBuddy(answer_);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("DrillResult"));
    result_->setWordWrap(true);
    // Room for two lines, so the felt never moves when a result comes or goes.
    result_->setMinimumHeight(2 * result_->fontMetrics().lineSpacing());
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answerRow->addWidget(question_);
    answerRow->addWidget(answer_);
    answerRow->addStretch();
    layout->addLayout(answerRow);
    layout->addWidget(result_);

    figuresLine_ = new QLabel(this);
    figuresLine_->setObjectName(QStringLiteral("DrillFigures"));
    figuresLine_->setWordWrap(true);
    layout->addWidget(figuresLine_);

    auto* buttons = new QHBoxLayout;
    start_ = new QPushButton(tr("&Start"), this);
    start_->setObjectName(QStringLiteral("StartDrill"));
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName(QStringLiteral("HelpDrill"));
    SetHelpGlyph(help, programDir);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("CloseDrill"));
    for (QPushButton* button : {start_, help, close})
        button->setAutoDefault(false); // Enter starts and answers, wherever the focus is
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(start_, &QPushButton::clicked, this, &CountDrillWindow::onStartClicked);
    connect(help, &QPushButton::clicked, this, [this] {
        if (helpRequested)
            helpRequested(HelpCountDrill);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("DrillTimer"));
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &CountDrillWindow::onTimer);
}

QWidget* CountDrillWindow::createOptions() {
    auto* options = new QWidget(this);
    auto* grid = new QGridLayout(options);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* drills = new QButtonGroup(options);
    auto* drillRow = new QHBoxLayout;
    for (std::size_t i = 0; i < DrillChoices.size(); ++i) {
        drills_[i] = new QRadioButton(tr(DrillChoices[i].caption), options);
        drills_[i]->setObjectName(QString::fromLatin1(DrillChoices[i].name));
        drills->addButton(drills_[i]);
        drillRow->addWidget(drills_[i]);
    }
    drills_[0]->setChecked(true);
    // Connected once the whole window is there: a choice stops the round and shows the drill.
    for (QRadioButton* choice : drills_) {
        connect(choice, &QRadioButton::toggled, this, [this](bool on) {
            if (on && timer_ != nullptr)
                onDrillChosen();
        });
    }
    drillRow->addStretch();
    auto* systemLabel = new QLabel(tr("S&ystem:"), options);
    system_ = new QComboBox(options);
    system_->setObjectName(QStringLiteral("DrillSystem"));
    system_->addItem(SystemName(CountingSystem::HiOpt1));
    system_->addItem(SystemName(CountingSystem::HiOpt2));
    systemLabel->setBuddy(system_);
    drillRow->addWidget(systemLabel);
    drillRow->addWidget(system_);
    grid->addLayout(drillRow, 0, 0, 1, 8);

    auto* paceLabel = new QLabel(tr("&Pace:"), options);
    pace_ = new QDoubleSpinBox(options);
    pace_->setObjectName(QStringLiteral("DrillPace"));
    pace_->setRange(MinDrillPace / 10.0, MaxDrillPace / 10.0);
    pace_->setSingleStep(0.5);
    pace_->setDecimals(1);
    pace_->setValue(StartingPace / 10.0);
    pace_->setSuffix(tr(" cards a second"));
    paceLabel->setBuddy(pace_);
    auto* groupLabel = new QLabel(tr("Cards at a ti&me:"), options);
    groupSize_ = new QSpinBox(options);
    groupSize_->setObjectName(QStringLiteral("DrillGroup"));
    groupSize_->setRange(1, MaxCardsAtATime);
    groupLabel->setBuddy(groupSize_);
    auto* decksLabel = new QLabel(tr("Dec&ks:"), options);
    decks_ = new QSpinBox(options);
    decks_->setObjectName(QStringLiteral("DrillDecksCount"));
    decks_->setRange(MinDrillDecks, MaxDrillDecks);
    decksLabel->setBuddy(decks_);
    randomStop_ = new QCheckBox(tr("Stop at a rand&om point"), options);
    randomStop_->setObjectName(QStringLiteral("DrillRandomStop"));
    randomStop_->setChecked(true); // a whole run of decks always counts to zero
    grid->addWidget(paceLabel, 1, 0);
    grid->addWidget(pace_, 1, 1);
    grid->addWidget(groupLabel, 1, 2);
    grid->addWidget(groupSize_, 1, 3);
    grid->addWidget(decksLabel, 1, 4);
    grid->addWidget(decks_, 1, 5);
    grid->addWidget(randomStop_, 1, 6);
    grid->setColumnStretch(7, 1);
    return options;
}

CountingDrill CountDrillWindow::drill() const {
    for (std::size_t i = 0; i < DrillChoices.size(); ++i) {
        if (drills_[i]->isChecked())
            return DrillChoices[i].drill;
    }
    return CountingDrill::DrillRunning;
}

CountingSystem CountDrillWindow::system() const {
    return system_->currentIndex() == 1 ? CountingSystem::HiOpt2 : CountingSystem::HiOpt1;
}

Tenths CountDrillWindow::pace() const {
    return static_cast<Tenths>(std::lround(pace_->value() * TenthsPerUnit));
}

uint32_t CountDrillWindow::seed() {
    return nextSeed ? nextSeed() : 0;
}

const CountingFigures& CountDrillWindow::figures(CountingDrill drill) const {
    return figures_[indexOf(drill)];
}

void CountDrillWindow::onDrillChosen() {
    stop();
    const bool running = drill() == CountingDrill::DrillRunning;
    for (QWidget* option : std::initializer_list<QWidget*>{pace_, groupSize_, decks_, randomStop_})
        option->setVisible(running);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->buddy() == pace_ || label->buddy() == groupSize_ || label->buddy() == decks_)
            label->setVisible(running);
    }
    PrepareAnswerField(answer_, QuestionOf(drill()));
    // The drills' own letters go to the choices above; Enter reaches the answer.
    question_->setText(QuestionLabel(QuestionOf(drill())).remove(QLatin1Char('&')));
    answer_->setAccessibleName(question_->text().remove(QLatin1Char(':')));
    result_->clear();
    table_->showDeck({tr("Press Enter to start")});
    showFigures();
}

void CountDrillWindow::setState(State state) {
    state_ = state;
    const bool playing = this->playing();
    for (QWidget* option : std::initializer_list<QWidget*>{
             drills_[0], drills_[1], drills_[2], system_, pace_, groupSize_, decks_, randomStop_})
        option->setEnabled(!playing);
    answer_->setEnabled(state == State::Asking);
    start_->setText(playing ? tr("S&top") : tr("&Start"));
}

void CountDrillWindow::onStartClicked() {
    if (playing())
        stop();
    else
        start();
}

void CountDrillWindow::start() {
    answer_->clear();
    result_->clear();
    if (drill() == CountingDrill::DrillRunning)
        startRunningCount();
    else
        startTray();
}

void CountDrillWindow::stop() {
    timer_->stop();
    if (playing()) {
        table_->showDeck({tr("Stopped"), tr("Press Enter to start again")});
        result_->clear();
    }
    setState(State::Idle);
}

void CountDrillWindow::startRunningCount() {
    run_ = MakeRunningDrill(seed(), decks_->value(), groupSize_->value(), randomStop_->isChecked());
    roundPace_ = pace();
    group_ = 0;
    setState(State::Turning);
    answer_->setFocus(Qt::OtherFocusReason);
    onTimer();
}

void CountDrillWindow::onTimer() {
    if (state_ != State::Turning)
        return;
    if (group_ >= run_.groups()) {
        ask();
        return;
    }
    const std::size_t start = run_.groupStart(group_);
    const std::size_t size = run_.groupSize(group_);
    table_->showCards(
        std::vector<Card>(run_.Cards.begin() + static_cast<std::ptrdiff_t>(start),
                          run_.Cards.begin() + static_cast<std::ptrdiff_t>(start + size)));
    ++group_;
    timer_->start(GroupMilliseconds(roundPace_, size));
}

void CountDrillWindow::startTray() {
    tray_ = MakeTrayProblem(seed(), shoeCards_ ? shoeCards_() : CardsPerDeck);
    const QString shoe = tr("Dealt from %1").arg(ShoeText(tray_.ShoeCards));
    if (drill() == CountingDrill::DrillTrue) {
        right_ = tray_.rightTrueCount(system());
        table_->showTray(tray_.CardsGone,
                         {tr("Running count %1")
                              .arg(ValueText(tray_.running(system()) * TenthsPerUnit,
                                             CountQuestion::RunningCount)),
                          shoe, tr("What is the true count?")});
    } else {
        right_ = tray_.rightDecksLeft();
        table_->showTray(tray_.CardsGone, {tr("How many decks are left?"), shoe});
    }
    roundPace_ = 0;
    setState(State::Asking);
    answer_->setFocus(Qt::OtherFocusReason);
    clock_.start();
}

void CountDrillWindow::ask() {
    right_ = run_.rightCount(system()) * TenthsPerUnit;
    table_->showLine(run_.StopAfter < run_.Cards.size() ? tr("Stop! What is the running count?")
                                                        : tr("What is the running count?"));
    setState(State::Asking);
    answer_->setFocus(Qt::OtherFocusReason);
    clock_.start();
}

void CountDrillWindow::answer() {
    const std::optional<Tenths> given = ReadTypedAnswer(answer_->text(), QuestionOf(drill()));
    if (!given)
        return; // no number yet: the question waits
    const CountingRound round =
        GradedRound(Today(), system(), drill(), roundPace_, given, right_, clock_.elapsed());
    figures_[indexOf(round.Drill)].add(round);
    setState(State::Answered);
    showResult(round);
    showFigures();
    if (roundPlayed)
        roundPlayed(round);
}

void CountDrillWindow::showResult(const CountingRound& round) {
    const CountQuestion question = QuestionOf(round.Drill);
    const QString right = ValueText(round.RightValue, question);
    const QString verdict = QStringLiteral("<b style=\"color:%1\">%2</b> ")
                                .arg(VerdictColour(round.Verdict),
                                     round.Verdict == Verdict::Right ? tr("Right:") : tr("Wrong:"));
    QString text =
        verdict + (round.Verdict == Verdict::Right
                       ? tr("%1.").arg(right)
                       : tr("you said %1, it is %2 (%3 off).")
                             .arg(ValueText(*round.Answer, question), right,
                                  ValueText(round.error(), question).remove(QLatin1Char('+'))));
    switch (round.Drill) {
    case CountingDrill::DrillRunning:
        text += QLatin1Char(' ') + tr("%1 cards at %2 a second, %3 a card.")
                                       .arg(run_.StopAfter)
                                       .arg(PaceText(round.Pace),
                                            SecondsText(GroupMilliseconds(round.Pace, 1) / 1000.0));
        table_->showDeck({tr("The count was %1").arg(right), tr("Press Enter for the next round")});
        break;
    case CountingDrill::DrillTrue:
        text += QLatin1Char(' ') +
                tr("%1 cards were dealt from %2: %3 decks are left.")
                    .arg(tray_.CardsGone)
                    .arg(ShoeText(tray_.ShoeCards),
                         ValueText(tray_.rightDecksLeft(), CountQuestion::DecksLeft));
        break;
    case CountingDrill::DrillDecks:
        text +=
            QLatin1Char(' ') +
            tr("%1 cards were dealt from %2.").arg(tray_.CardsGone).arg(ShoeText(tray_.ShoeCards));
        break;
    default:
        break;
    }
    text += QLatin1Char(' ') + tr("Answered in %1.").arg(SecondsText(round.Milliseconds / 1000.0));
    result_->setText(text);
    start_->setFocus(Qt::OtherFocusReason);
}

void CountDrillWindow::showFigures() {
    const CountingFigures& f = figures(drill());
    const QString none = QStringLiteral("\u2014");
    const auto number = [](double value) { return QLocale().toString(value, 'f', 1); };
    const bool paced = HasPace(drill()) && f.BestCleanPace > 0;
    figuresLine_->setText(
        tr("Rounds %1 \u00b7 Right %2 \u00b7 Average error %3 \u00b7 Average time %4 \u00b7 "
           "Best pace with no error %5")
            .arg(f.Rounds)
            .arg(f.Right)
            .arg(f.answered() > 0 ? number(f.meanError()) : none,
                 f.answered() > 0 ? SecondsText(f.meanSeconds()) : none,
                 paced ? tr("%1 cards a second").arg(PaceText(f.BestCleanPace)) : none));
}

void CountDrillWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (state_ == State::Asking)
            answer();
        else if (!playing())
            start();
        return;
    case Qt::Key_Escape:
        if (playing()) {
            event->accept();
            stop();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void CountDrillWindow::closeEvent(QCloseEvent* event) {
    stop();
    QDialog::closeEvent(event);
}

void CountDrillWindow::hideEvent(QHideEvent* event) {
    // However the window goes (closed, rejected by Esc, its table closing), the drill stops.
    stop();
    QDialog::hideEvent(event);
}

} // namespace dealmoor
