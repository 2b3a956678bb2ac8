#include "table/windows/HouseRulesWindow.h"

#include "engine/Game.h"
#include "table/Keyboard.h"
#include "table/ModalOverlay.h"
#include "table/MoneyText.h"
#include "table/Painting.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

namespace dealmoor {

namespace {

const char* const WindowTitle = "House Rules";
const char* const Introduction =
    "Click the buttons below to alter the house rules for the upcoming game.  This allows you "
    "to play with rules exactly like those played at your favorite casino or according to the "
    "rules played at home games with friends.";
const char* const InsuranceNeverChanges = "This value never changes.  Insurance always pays 2-1.";
const char* const HelpCaption = "Help";
const char* const CancelCaption = "Cancel";
const char* const OkCaption = "OK";

const char* const EdgeLine = "House edge with basic strategy: %1";
const char* const EdgeComputing = "computing\u2026";
const char* const PlayersEdge = "%1, in the player's favour";
const char* const EdgeUnmeasurable = "no stake can be placed under these rules";
const char* const EdgeFailed = "could not be measured";
const char* const EdgeTip =
    "What the house keeps per unit of initial bet from a player who follows the hints (basic "
    "strategy) under these rules, with its 95% interval, measured by playing them over and over "
    "on this computer";
// The clicks of a player stepping a button through its choices end before a run starts.
constexpr int EdgeDelayMs = 300;
constexpr int64_t EdgeDeals = 40'000'000;
constexpr uint32_t EdgeSeed = 1997;

// Six framed groups, in reading order, each with its option buttons and a Help button.
struct RuleGroup {
    const char* heading;
    const char* helpName;
    std::array<int, 3> buttons; // 0 ends the list
};
constexpr std::array<RuleGroup, 6> RuleGroups = {{
    {"Doubling Down", "BitBtn1", {1, 2, 0}},
    {"Splitting Pairs", "BitBtn2", {3, 4, 0}},
    {"Insurance", "BitBtn3", {InsurancePaysButton, 6, 0}},
    {"Miscellaneous", "BitBtn4", {7, 8, 0}},
    {"Miscellaneous", "BitBtn5", {9, 13, 14}},
    {"Payoffs", "BitBtn6", {10, 11, 0}},
}};
constexpr int GroupColumns = 2;

// Wide enough for the longest caption of every cycle.
constexpr int OptionWidth = 236;
constexpr int BarButtonWidth = 130;
constexpr int OuterMargin = 16;

QString buttonName(int button) {
    return QStringLiteral("Button%1").arg(button);
}

} // namespace

HouseRulesWindow::HouseRulesWindow(Game& game, QWidget* parent, const std::string& programDir)
    : QDialog(parent), game_(game), working_(game.HouseRules), job_(*this) {
    edgePlan_.Deals = EdgeDeals;
    edgePlan_.Seed = EdgeSeed;
    setObjectName(QStringLiteral("RulesFrm"));
    // Modal to the table, not to the help window opened from it.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QString::fromLatin1(WindowTitle));
    createControls(programDir);
    SetHelpContext(this, HelpHouseRules);
    // The captions show the live rules as the window opens; afterwards only
    // clicks and "Use Standard Rules" change them, so nothing the user has
    // chosen is lost when a message box closes.
    refreshCaptions();
    rulesChanged();
}

void HouseRulesWindow::createControls(const std::string& programDir) {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(OuterMargin, OuterMargin, OuterMargin, OuterMargin);
    layout->setSpacing(12);

    auto* introduction = new QLabel(QString::fromLatin1(Introduction), this);
    introduction->setWordWrap(true);
    layout->addWidget(introduction);

    // Headings in bold; the buttons inside the frames keep the plain font.
    QFont headingFont = font();
    headingFont.setBold(true);
    QFont plainFont = font();
    plainFont.setBold(false);
    // Group by group as they read, each group's options before its Help.
    std::vector<QWidget*> order;
    auto* groups = new QGridLayout;
    groups->setHorizontalSpacing(14);
    groups->setVerticalSpacing(10);
    for (std::size_t g = 0; g < RuleGroups.size(); ++g) {
        const RuleGroup& group = RuleGroups[g];
        auto* frame = new QGroupBox(QString::fromLatin1(group.heading), this);
        frame->setFont(headingFont);
        auto* row = new QHBoxLayout(frame);
        auto* options = new QVBoxLayout;
        for (int button : group.buttons) {
            if (button == 0)
                break;
            auto* option = new QPushButton(QString::fromStdString(DesignCaption(button)), frame);
            option->setObjectName(buttonName(button));
            option->setFont(plainFont);
            option->setAutoDefault(false);
            option->setFixedWidth(OptionWidth);
            options->addWidget(option);
            options_[button] = option;
            order.push_back(option);
            if (button == InsurancePaysButton) {
                connect(option, &QPushButton::clicked, this,
                        &HouseRulesWindow::onInsurancePaysClicked);
            } else {
                connect(option, &QPushButton::clicked, this,
                        [this, button] { onOptionClicked(button); });
            }
        }
        options->addStretch();
        row->addLayout(options);
        auto* help = new QPushButton(QString::fromLatin1(HelpCaption), frame);
        SetHelpGlyph(help, programDir);
        help->setObjectName(QString::fromLatin1(group.helpName));
        help->setFont(plainFont);
        help->setAutoDefault(false);
        connect(help, &QPushButton::clicked, this, &HouseRulesWindow::requestHelp);
        row->addWidget(help, 0, Qt::AlignTop);
        order.push_back(help);
        const int index = static_cast<int>(g);
        groups->addWidget(frame, index / GroupColumns, index % GroupColumns);
    }
    layout->addLayout(groups);

    edge_ = new QLabel(this);
    edge_->setObjectName(QStringLiteral("HouseEdge"));
    edge_->setToolTip(QString::fromLatin1(EdgeTip));
    edge_->setAlignment(Qt::AlignCenter);
    QFont edgeFont = edge_->font();
    edgeFont.setBold(true);
    edge_->setFont(edgeFont);
    layout->addWidget(edge_);
    edgeDelay_ = new QTimer(this);
    edgeDelay_->setObjectName(QStringLiteral("HouseEdgeDelay"));
    edgeDelay_->setSingleShot(true);
    edgeDelay_->setInterval(EdgeDelayMs);
    connect(edgeDelay_, &QTimer::timeout, this, &HouseRulesWindow::measureEdge);

    auto* bar = new QHBoxLayout;
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QString::fromLatin1(CancelCaption), this);
    cancel->setObjectName(QStringLiteral("BitBtn7"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* standard =
        new QPushButton(QString::fromStdString(DesignCaption(StandardRulesButton)), this);
    standard->setObjectName(buttonName(StandardRulesButton));
    standard->setAutoDefault(false);
    connect(standard, &QPushButton::clicked, this, &HouseRulesWindow::onStandardRulesClicked);
    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QString::fromLatin1(OkCaption), this);
    ok->setObjectName(QStringLiteral("BitBtn8"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &HouseRulesWindow::onOkClicked);
    for (QPushButton* button : {cancel, standard, ok})
        button->setMinimumWidth(BarButtonWidth);
    bar->addWidget(cancel);
    bar->addStretch();
    bar->addWidget(standard);
    bar->addStretch();
    bar->addWidget(ok);
    layout->addLayout(bar);
    order.insert(order.end(), {cancel, standard, ok});
    SetTabOrder(order);
}

void HouseRulesWindow::refreshCaptions() {
    for (int button = 1; button <= RuleButtonCount; ++button) {
        if (!HasCaptionCycle(button))
            continue;
        QPushButton* option = options_[button];
        option->setText(QString::fromStdString(
            RefreshRuleCaption(button, working_, option->text().toStdString())));
    }
}

void HouseRulesWindow::onOptionClicked(int button) {
    QPushButton* option = options_[button];
    option->setText(
        QString::fromStdString(ClickRuleCaption(button, option->text().toStdString(), working_)));
    rulesChanged();
}

void HouseRulesWindow::onInsurancePaysClicked() {
    ShowInformation(this, QString::fromLatin1(InsuranceNeverChanges));
}

void HouseRulesWindow::onStandardRulesClicked() {
    // Only the working copy: the live rules change on OK.
    ApplyStandardRules(working_);
    refreshCaptions();
    rulesChanged();
}

void HouseRulesWindow::onOkClicked() {
    CommitHouseRules(game_, working_);
    accept();
}

// ---- The house edge

void HouseRulesWindow::setEdgePlan(const SimulationPlan& plan, double precision) {
    edgePlan_ = plan;
    edgePrecision_ = precision;
    rulesChanged();
}

bool HouseRulesWindow::measuringEdge() const {
    return edgeDelay_->isActive() || job_.running();
}

void HouseRulesWindow::rulesChanged() {
    job_.cancel(); // returns at once: the click never waits for the old run
    edge_->setText(QString::fromLatin1(EdgeLine).arg(QString::fromUtf8(EdgeComputing)));
    edgeDelay_->start();
}

void HouseRulesWindow::measureEdge() {
    const HouseRules rules = working_;
    const SimulationPlan plan = edgePlan_;
    const double precision = edgePrecision_;
    job_.start(
        [this, rules, plan, precision](const std::atomic<bool>& stop,
                                       const FiguresJob::Post& post) {
            const HouseEdgeOutcome outcome = MeasureHouseEdge(
                rules, plan, precision,
                [this, &post](const HouseEdge& figures) {
                    post([this, figures] { showEdge(figures); });
                },
                stop);
            if (!outcome.Playable) {
                post([this] {
                    edge_->setText(
                        QString::fromLatin1(EdgeLine).arg(QString::fromLatin1(EdgeUnmeasurable)));
                });
            }
        },
        [this] {
            edge_->setText(QString::fromLatin1(EdgeLine).arg(QString::fromLatin1(EdgeFailed)));
        });
}

void HouseRulesWindow::showEdge(const HouseEdge& figures) {
    const RatioEstimate edge = figures.edge();
    const QString figure = PercentWithInterval(edge.PerUnit, edge.HalfWidth);
    edge_->setText(QString::fromLatin1(EdgeLine).arg(
        edge.PerUnit < 0 ? QString::fromLatin1(PlayersEdge).arg(figure) : figure));
}

void HouseRulesWindow::done(int result) {
    edgeDelay_->stop();
    job_.stop(); // the window is going: its threads are joined now
    QDialog::done(result);
}

void HouseRulesWindow::requestHelp() {
    if (helpRequested)
        helpRequested(HelpHouseRules);
}

void HouseRulesWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace dealmoor
