#include "table/TableWindow.h"

#include "engine/Deal.h"
#include "engine/GameControl.h"
#include "engine/Shoe.h"
#include "setup/TableSettings.h"
#include "strategy/CardCount.h"
#include "table/CountingTexts.h"
#include "table/DesktopIdentity.h"
#include "table/FileChooser.h"
#include "table/FilePaths.h"
#include "table/HelpViewer.h"
#include "table/Keyboard.h"
#include "table/Layout.h"
#include "table/ModalOverlay.h"
#include "table/MoneyText.h"
#include "table/Painting.h"
#include "table/SoundPlayers.h"
#include "table/StrategyCardCommand.h"
#include "table/TableCanvas.h"
#include "table/TablePresenter.h"
#include "table/windows/CountCheckWindow.h"
#include "table/windows/CountDrillWindow.h"
#include "table/windows/CountPracticeWindow.h"
#include "table/windows/DecisionWindow.h"
#include "table/windows/PlayerSetupWindow.h"
#include "table/windows/SoundWindow.h"
#include "table/windows/StatisticsWindow.h"
#include "table/windows/StrategyCardWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace dealmoor {

namespace {

// The window's caption until the first deal names the table and the hand.
const char* const StartCaption = "Dealmoor (32-bit)";
const char* const CardCountTitle = "Card Count";
const char* const HelpFolder = "help/";
// The window's size when it is not maximised.
constexpr QSize NormalWindowSize{1024, 768};

// How often a closing window looks whether the called-off deal has unwound.
constexpr int CalmCheckMs = 10;

// The Deal button's two captions: dealing by hand, or automatic dealing on.
const char* const DealCaption = "&Deal";
const char* const AutoDealOffCaption = "Auto &Deal Off";

const char* const NewGameQuestion = "Are you sure you want to quit this game and start a new one?";

// Keys of the menu commands a player reaches most from the keyboard; the
// menu bar's Alt+A is shared by Auto Deal and Card Count.
constexpr QKeyCombination SoundOnKey = Qt::CTRL | Qt::Key_M;
constexpr QKeyCombination AutoDealKey = Qt::CTRL | Qt::Key_A;
constexpr QKeyCombination CardCountKey = Qt::CTRL | Qt::Key_K;

// The hint line holds two lines of text, so the longest hint fits in a window
// of ordinary width and the table above never moves when a hint comes or goes.
constexpr int HintLines = 2;
constexpr int HintLineMargin = 4;

// Texts of the seat information message.
const char* const InfoName = "Name:  ";
const char* const InfoCredits = "Credits:  ";
const char* const InfoBorrowed = "Borrowed: ";
const char* const InfoWinnings = "Winnings: ";
constexpr int MessageMax = 255;

// Everything the product information items and the Catalog button show.
const char* const ProductInformationTitle = "About Dealmoor";
const char* const ProductInformationText =
    "<h3>Dealmoor 1.3</h3>"
    "<p>A blackjack table for one player: a dealer who deals every card by hand, up to six "
    "seats played by you or by the house's regulars, house rules of your choice, strategy "
    "cards to study and edit, and a card counter's view of the shoe.</p>"
    "<p>Dealmoor is made by Orvanel.</p>";

struct SpeedItem {
    const char* name;
    const char* caption;
};
constexpr std::array<SpeedItem, SpeedCount> SpeedItems = {
    {{"VeryFast1", "&Very Fast"}, {"Fast1", "&Fast"}, {"Medium1", "&Medium"}, {"Slow1", "&Slow"}}};

int indexOf(Speed speed) {
    return static_cast<int>(speed);
}

// The speed button steps Very Fast, Fast, Medium, Slow and round again.
Speed nextSpeed(Speed speed) {
    return static_cast<Speed>((indexOf(speed) + 1) % SpeedCount);
}

QAction* namedAction(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The zoom sizes' items: "Zoom125" shows "125%".
QAction* zoomStepAction(QMenu* menu, int percent) {
    const std::string name = "Zoom" + std::to_string(percent);
    const std::string caption = std::to_string(percent) + "%";
    return namedAction(menu, name.c_str(), caption.c_str());
}

} // namespace

const char* const TableWindow::LeaveTheTableQuestion =
    "Leave the table? The deal in progress will be called off and its stakes returned.";
const char* const TableWindow::ShowCountsQuestion =
    QT_TRANSLATE_NOOP("dealmoor::TableWindow", "Show the counts? You are practising.");

TableWindow::TableWindow(Game& game, TableSettings& settings, QWidget* parent)
    : QMainWindow(parent), game_(game), settings_(settings) {
    setObjectName(QStringLiteral("Animate"));
    setWindowIcon(ApplicationIcon(settings_.ProgramDir));
    // The sprite sheets are part of the window, like its other pictures; the
    // layout loads them again when its zoom calls for the other size.
    sheets_.Load(settings_.ProgramDir, SheetScaleFor(devicePixelRatio()));
    help_ = std::make_unique<HelpViewer>(settings_.ProgramDir + HelpFolder);
    files_ = std::make_unique<DialogFileChooser>();
    cardCommand_ = std::make_unique<StrategyCardCommand>(
        game_, settings_, [this](StrategyCard& card) { return editCard(card); }, this);
    createControls();
    presenter_ = new TablePresenter(game_, settings_, sheets_, *this, *canvas_, panels_);
    connect(&presenter_->autoDealTimer(), &QTimer::timeout, this, &TableWindow::onAutoDealTimer);
    createMenus();
    showStartUp();
}

TableWindow::~TableWindow() = default;

void TableWindow::createControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    canvas_ = new TableCanvas(game_, sheets_, client);

    auto makeButton = [client](const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromLatin1(caption), client);
        button->setObjectName(QString::fromLatin1(name));
        button->setFocusPolicy(Qt::StrongFocus);
        button->hide(); // shown by the layout when the window is wide enough
        return button;
    };
    dealButton_ = makeButton("Button6", DealCaption);
    dealButton_->setDefault(true);
    dealButton_->show();
    newGameButton_ = makeButton("Button2", "&New Game");
    speedButton_ = makeButton("Button3", SpeedCaptions[0]);
    exitButton_ = makeButton("Button4", "E&xit");
    helpButton_ = makeButton("BitBtn1", "&Help");
    SetHelpGlyph(helpButton_, settings_.ProgramDir);
    catalogButton_ = makeButton("Button1", "&Catalog");

    connect(dealButton_, &QPushButton::clicked, this, &TableWindow::onDealClicked);
    connect(newGameButton_, &QPushButton::clicked, this, &TableWindow::onNewGameClicked);
    connect(speedButton_, &QPushButton::clicked, this, &TableWindow::onSpeedClicked);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    KeepLiveDuringOverlay(exitButton_); // the table can be left from any prompt
    connect(helpButton_, &QPushButton::clicked, this, &TableWindow::onHelpClicked);
    connect(catalogButton_, &QPushButton::clicked, this, &TableWindow::onCatalogClicked);

    for (int seat = 1; seat <= MaxSeats; ++seat) {
        panels_[seat] = new SeatPanelView(seat, client);
        panels_[seat]->setObjectName(QStringLiteral("Panel%1").arg(seat));
        connect(panels_[seat], &SeatPanelView::clicked, this, &TableWindow::onSeatPanelClicked);
        // A seat's message is a key away too: Tab to the panel, then Space or Enter.
        // (Focus is taken here so the Tab order below can name the panel; the
        // seats not in play give it up again as the table is shown.)
        panels_[seat]->setFocusPolicy(Qt::StrongFocus);
        panels_[seat]->installEventFilter(this);
        MarkFocus(panels_[seat]);
    }
    // The buttons as they read under the views, then the panels from the top.
    SetTabOrder({exitButton_, newGameButton_, speedButton_, helpButton_, catalogButton_,
                 dealButton_, panels_[1], panels_[2], panels_[3], panels_[4], panels_[5],
                 panels_[6]});
    createHintLine();

    // Every control here has the window's topic; the bet and decision windows
    // that open over the seat view carry their own.
    SetHelpContext(this, HelpTableWindow);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TableWindow::onHelpKey);
}

void TableWindow::createHintLine() {
    QStatusBar* line = statusBar();
    line->setObjectName(QStringLiteral("StatusLine"));
    line->setSizeGripEnabled(false);
    // It takes no input, and it speaks most while a prompt holds the rest of the table.
    KeepLiveDuringOverlay(line);
    handTotal_ = new QLabel(line);
    handTotal_->setObjectName(QStringLiteral("HandTotal"));
    QFont bold = handTotal_->font();
    bold.setBold(true);
    handTotal_->setFont(bold);
    handTotal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hintLine_ = new QLabel(line);
    hintLine_->setObjectName(QStringLiteral("HintLine"));
    hintLine_->setWordWrap(true);
    hintLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hintLine_->setTextInteractionFlags(Qt::NoTextInteraction);
    handTotal_->setContentsMargins(2 * HintLineMargin, 0, 0, 0);
    line->addWidget(handTotal_);
    line->addWidget(hintLine_, 1);
    line->setFixedHeight(HintLines * hintLine_->fontMetrics().lineSpacing() + 2 * HintLineMargin);
}

void TableWindow::showAdvice(const QString& handTotal, const QString& hint) {
    handTotal_->setText(handTotal);
    hintLine_->setText(hint);
    // Where a narrow window cuts the hint short, the whole of it is a hover away.
    hintLine_->setToolTip(hint);
}

void TableWindow::createMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
        QAction* action = namedAction(menu, name, caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto toggle = [this](QMenu* menu, const char* name, const char* caption,
                         bool TableSettings::*flag) {
        QAction* action = namedAction(menu, name, caption);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, flag](bool checked) {
            settings_.*flag = checked;
            settingChanged();
        });
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    newGame_ = item(file, "New1", "&New Game", &TableWindow::onNewGameChosen);
    file->addSeparator();
    KeepLiveDuringOverlay(item(file, "Exit1", "E&xit Program", &QWidget::close));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu* hints = options->addMenu(QStringLiteral("Hints"));
    hints->setObjectName(QStringLiteral("Hints1"));
    hints_ = toggle(hints, "On1", "On", &TableSettings::Hints);
    QMenu* sound = options->addMenu(QStringLiteral("Soun&d"));
    soundOn_ = toggle(sound, "SoundOn1", "Sound On", &TableSettings::SoundOn);
    soundOn_->setShortcut(SoundOnKey);
    KeepLiveDuringOverlay(soundOn_); // the table can be hushed at any prompt
    sound->addSeparator();
    blackjackSound_ =
        toggle(sound, "BlackjackSound1", "Blackjack Sound", &TableSettings::BlackjackSoundOn);
    cardDealSound_ =
        toggle(sound, "CardDealSound1", "Card Deal Sound", &TableSettings::CardSoundOn);
    loseSound_ = toggle(sound, "LoseSound1", "Lose Sound", &TableSettings::LoseSoundOn);
    shuffleSound_ = toggle(sound, "Shuffle1", "Shuffle Sound", &TableSettings::ShuffleSoundOn);
    winSound_ = toggle(sound, "WinSound1", "Win Sound", &TableSettings::WinSoundOn);
    sound->addSeparator();
    item(sound, "ChangeSounds1", "Change Sounds", &TableWindow::onChangeSoundsChosen);
    QMenu* speed = options->addMenu(QStringLiteral("&Speed"));
    auto* speeds = new QActionGroup(this);
    for (int s = 0; s < SpeedCount; ++s) {
        speedItems_[s] = namedAction(speed, SpeedItems[s].name, SpeedItems[s].caption);
        speedItems_[s]->setCheckable(true);
        speeds->addAction(speedItems_[s]);
        connect(speedItems_[s], &QAction::triggered, this,
                [this, s] { setSpeed(static_cast<Speed>(s)); });
    }
    item(options, "StrategyCards1", "Strategy &Cards", &TableWindow::onStrategyCardsChosen);
    item(options, "Statistics1", "S&tatistics", &TableWindow::onStatisticsChosen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    createZoomMenu(options);
    createCountingMenu(options);

    QMenu* autoDeal = menuBar()->addMenu(QStringLiteral("&Auto Deal"));
    autoDeal_ = namedAction(autoDeal, "AutoDeal2", "Auto Deal");
    autoDeal_->setCheckable(true);
    autoDeal_->setShortcut(AutoDealKey);
    connect(autoDeal_, &QAction::triggered, this, &TableWindow::onAutoDealToggled);

    QAction* cardCount = menuBar()->addAction(QStringLiteral("C&ard Count"));
    cardCount->setObjectName(QStringLiteral("CardCount1"));
    cardCount->setShortcut(CardCountKey);
    connect(cardCount, &QAction::triggered, this, &TableWindow::onCardCountChosen);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    item(help, "About1", "&About", &TableWindow::showProductInformation);
    help->addSeparator();
    item(help, "Manual1", "&Manual Contents", [this] { help_->ShowContents(); });
    item(help, "CountingCards1", "C&ounting Cards",
         [this] { help_->ShowTopic(HelpCountingCards); });
    item(help, "Troubleshooting1", "&Troubleshooting",
         [this] { help_->ShowTopic(HelpTroubleshooting); });
    help->addSeparator();
    item(help, "Catalog1", "&Catalog", &TableWindow::showProductInformation);
    item(help, "freeCD1", "&Free CD", &TableWindow::showProductInformation);
    item(help, "SecureOnlineOrders1", "&Secure Online Orders",
         &TableWindow::showProductInformation);
}

void TableWindow::createZoomMenu(QMenu* options) {
    QMenu* zoom = options->addMenu(QStringLiteral("&Zoom"));
    zoom->setObjectName(QStringLiteral("Zoom1"));
    QAction* larger = namedAction(zoom, "ZoomIn1", "Zoom &In");
    // Ctrl+plus, also where plus needs Shift (Ctrl+= on the same key).
    larger->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, [this] { setZoom(LargerZoom(zoom_ * NormalZoom)); });
    QAction* smaller = namedAction(zoom, "ZoomOut1", "Zoom &Out");
    smaller->setShortcuts(QKeySequence::ZoomOut);
    connect(smaller, &QAction::triggered, this,
            [this] { setZoom(SmallerZoom(zoom_ * NormalZoom)); });
    zoom->addSeparator();

    auto* sizes = new QActionGroup(this);
    const auto sizeItem = [&](QAction* action, int percent) {
        action->setCheckable(true);
        sizes->addAction(action);
        connect(action, &QAction::triggered, this, [this, percent] { setZoom(percent); });
        return action;
    };
    for (std::size_t i = 0; i < ZoomSteps.size(); ++i)
        zoomItems_[i] = sizeItem(zoomStepAction(zoom, ZoomSteps[i]), ZoomSteps[i]);
    zoomItems_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    zoomFit_ = sizeItem(namedAction(zoom, "ZoomFit", "&Fit to Window"), ZoomToFit);
}

void TableWindow::createCountingMenu(QMenu* options) {
    QMenu* counting = options->addMenu(tr("Co&unting"));
    counting->setObjectName(QStringLiteral("Counting1"));
    practise_ = counting->addAction(tr("&Practise at the Table"));
    practise_->setObjectName(QStringLiteral("PractiseCount1"));
    practise_->setCheckable(true);
    connect(practise_, &QAction::triggered, this, &TableWindow::onPractiseToggled);
    QAction* settings = counting->addAction(tr("Practice &Settings..."));
    settings->setObjectName(QStringLiteral("CountPractice1"));
    connect(settings, &QAction::triggered, this, &TableWindow::onCountPracticeChosen);
    counting->addSeparator();
    QAction* drills = counting->addAction(tr("&Drills..."));
    drills->setObjectName(QStringLiteral("CountDrills1"));
    connect(drills, &QAction::triggered, this, &TableWindow::onCountDrillsChosen);
}

// The window's part of the start-up, after the session has read the settings.
void TableWindow::showStartUp() {
    setUpdatesEnabled(false);
    setWindowTitle(QString::fromLatin1(StartCaption));
    setSoundChecks();
    showZoomCheck();
    practise_->setChecked(settings_.Practice.On);
    checkRandom_.Seed = QRandomGenerator::global()->generate();

    // Always maximised, whatever the settings remember; where no window manager
    // maximises it, the window still opens at a size the table fits in.
    const QRect desktop = screen()->availableGeometry();
    resize(desktop.size().boundedTo(NormalWindowSize));
    move(desktop.center() - rect().center());
    setWindowState(windowState() | Qt::WindowMaximized);
    applyLayout();
    setSpeed(game_.Speed);

    canvas_->LoadCharacterSheets(settings_.ProgramDir);
    showSeatPanels();
    canvas_->SetFace(1, 0);
    repaintTable(); // the first paint shows the seats the session read
    // Space or Enter deals from the start.
    dealButton_->setFocus(Qt::OtherFocusReason);
    setUpdatesEnabled(true);
}

void TableWindow::setSoundChecks() {
    soundOn_->setChecked(settings_.SoundOn);
    blackjackSound_->setChecked(settings_.BlackjackSoundOn);
    loseSound_->setChecked(settings_.LoseSoundOn);
    winSound_->setChecked(settings_.WinSoundOn);
    shuffleSound_->setChecked(settings_.ShuffleSoundOn);
    cardDealSound_->setChecked(settings_.CardSoundOn);
    hints_->setChecked(settings_.Hints);
}

void TableWindow::showSeatPanels() {
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        panels_[seat]->pictureVisible = seat <= game_.SeatCount;
        // Tab reaches a seat in play; an empty seat answers no click and is passed by.
        panels_[seat]->setFocusPolicy(panels_[seat]->pictureVisible ? Qt::StrongFocus
                                                                    : Qt::NoFocus);
        panels_[seat]->update();
    }
}

void TableWindow::createDealWindows() {
    presenter_->createDealWindows([this](int context) { help_->ShowTopic(context); });
    connect(presenter_->decisionWindow(), &DecisionWindow::adviceChanged, this,
            &TableWindow::showAdvice);
}

// ---- Layout and painting

LayoutControls TableWindow::layoutControls() const {
    LayoutControls c;
    c.canvas = canvas_;
    c.Button6 = dealButton_;
    c.Button4 = exitButton_;
    c.Button2 = newGameButton_;
    c.Button3 = speedButton_;
    c.Button1 = catalogButton_;
    c.BitBtn1 = helpButton_;
    c.panels = panels_;
    return c;
}

void TableWindow::applyLayout() {
    // The table is laid out in table pixels: a window whose client area is the
    // real one divided by the zoom, with the frame and menu bar as they are.
    const QSize client = centralWidget()->size();
    const QSize frame = frameGeometry().size() - client;
    zoom_ = settings_.Zoom == ZoomToFit ? FitZoom(client, frame)
                                        : static_cast<double>(settings_.Zoom) / NormalZoom;
    const QSize table = TableClientSize(client, zoom_) + frame;
    canvas_->setGeometry(centralWidget()->rect());
    canvas_->setScale(zoom_, devicePixelRatio());
    loadSheets();
    zoomControls();
    ApplyLayout(ComputeLayout(table.width(), table.height()), layoutControls(), zoom_);
    presenter_->placeDealWindows();
    if (countCheck_ != nullptr && countCheck_->isVisible())
        placeCountCheck();
}

void TableWindow::loadSheets() {
    const int scale = SheetScaleFor(canvas_->deviceScale());
    if (scale != sheets_.scale)
        sheets_.Load(settings_.ProgramDir, scale);
}

void TableWindow::zoomControls() {
    if (zoom_ == controlsZoom_)
        return;
    controlsZoom_ = zoom_;
    QFont zoomed = font();
    if (zoomed.pointSizeF() > 0)
        zoomed.setPointSizeF(zoomed.pointSizeF() * zoom_);
    else
        zoomed.setPixelSize(qRound(zoomed.pixelSize() * zoom_));
    // The buttons and the windows over the seat view take their font from here.
    centralWidget()->setFont(zoom_ == 1 ? QFont() : zoomed);
    SetHelpGlyph(helpButton_, settings_.ProgramDir, zoom_);
}

void TableWindow::repaintTable() {
    presenter_->repaintTable();
}

void TableWindow::relayout() {
    applyLayout();
    // The views may have moved: nothing of the old arrangement stays on the table.
    canvas_->surface().fill(canvas_->palette().color(canvas_->backgroundRole()));
    repaintTable();
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    relayout();
}

void TableWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A screen of another density calls for the other size of art.
    if (!followsScreen_ && windowHandle() != nullptr) {
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &TableWindow::relayout);
    }
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    // Enter or Space anywhere a control does not take it deals, as with a default button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        dealButton_->click();
        return;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    // Space or Enter on a seat panel does what a click does.
    if (event->type() == QEvent::KeyPress) {
        const auto* panel = qobject_cast<SeatPanelView*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (panel != nullptr && panel->pictureVisible &&
            (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
            onSeatPanelClicked(panel->tag());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Handlers

void TableWindow::showAutoDeal() {
    const bool on = AutoDealOn(game_);
    dealButton_->setText(QString::fromLatin1(on ? AutoDealOffCaption : DealCaption));
    autoDeal_->setChecked(on);
}

void TableWindow::onDealClicked() {
    // Pressed while automatic deals run: this deal is the last one.
    if (AutoDealStopRequested(game_)) {
        StopAutoDeal(game_);
        showAutoDeal();
    }
    runDeal([this] { playDealWithStatistics(); });
}

void TableWindow::playDealWithStatistics() {
    PlayDealWithStatistics(game_, *presenter_, statistics());
}

void TableWindow::runDeal(const std::function<void()>& deal) {
    if (!CanStartDeal(game_))
        return; // the Deal button pressed again while a deal runs
    const int32_t dealsBefore = game_.TotalHands;
    // The running deal never sees its seats or its shoe change under it.
    setNewGameEnabled(false);
    deal();
    setNewGameEnabled(true);
    showAutoDeal();
    const std::optional<StoredCounts> counts = presenter_->takeReportedCounts();
    // A deal taken back (nobody bet) or called off leaves the figures as they were.
    if (game_.TotalHands != dealsBefore && !game_.DealInProgress) {
        dealEnded();
        if (counts)
            checkTheCountIfDue(*counts);
    }
    if (!closeAfterDeal_)
        settingChanged(); // a finished deal moved money: keep it
}

TableStatistics& TableWindow::statistics() {
    return statisticsStore_ != nullptr ? statisticsStore_->statistics() : unsavedStatistics_;
}

void TableWindow::dealEnded() {
    if (statisticsStore_ != nullptr)
        statisticsStore_->dealPlayed();
    TablePresenter::SettledNets nets{};
    if (const DealSummary* deal = statistics().lastDeal()) {
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            if (deal->Seats[seat].Played)
                nets[seat] = deal->Seats[seat].Net;
        }
    }
    presenter_->showSettledDeal(nets);
    refreshStatisticsWindow();
}

void TableWindow::settingChanged() {
    if (store_ != nullptr)
        store_->saveSoon();
}

void TableWindow::setNewGameEnabled(bool enabled) {
    newGameButton_->setEnabled(enabled);
    newGame_->setEnabled(enabled);
}

void TableWindow::onNewGameClicked() {
    if (!CanStartNewGame(game_))
        return;
    const auto answer = QMessageBox::question(this, QString(), QString::fromLatin1(NewGameQuestion),
                                              QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok)
        onNewGameChosen();
}

void TableWindow::onNewGameChosen() {
    if (!CanStartNewGame(game_))
        return;
    // An automatic deal due now waits: no deal may start under the set-up window.
    QTimer& autoDealTimer = presenter_->autoDealTimer();
    const bool autoDealDue = autoDealTimer.isActive();
    autoDealTimer.stop();
    {
        PlayerSetupWindow setup(game_, settings_, sheets_.Heads, this);
        setup.helpRequested = [this](int context) { help_->ShowTopic(context); };
        setup.editCard = [this](StrategyCard& card) { return editCard(card); };
        if (setup.exec() == QDialog::Accepted)
            startGameFigures();
    }
    // The table follows the seats, whether the set-up was confirmed or not.
    ResetForNewGame(game_, *presenter_);
    canvas_->LoadCharacterSheets(settings_.ProgramDir);
    showSeatPanels();
    canvas_->SetFace(1, 0);
    repaintTable();
    settingChanged(); // new seats and rules are kept at once
    // New seats or rules, or nothing dealt yet this run: a fresh shoe and a deal.
    if (NewGameDealsAtOnce(game_)) {
        runDeal([this] {
            if (ShuffleInView(game_, *presenter_))
                playDealWithStatistics();
        });
    } else if (autoDealDue)
        autoDealTimer.start(); // automatic dealing goes on where it was
}

void TableWindow::onAutoDealToggled(bool on) {
    if (SwitchAutoDeal(game_, on))
        presenter_->autoDealTimer().start();
    else if (!on)
        presenter_->autoDealTimer().stop(); // switched off between two deals: no next one
    showAutoDeal();
}

void TableWindow::onAutoDealTimer() {
    presenter_->autoDealTimer().stop();
    if (CanStartDeal(game_))
        onDealClicked();
}

void TableWindow::setSpeed(Speed speed) {
    const bool changed = game_.Speed != speed;
    game_.Speed = speed;
    speedItems_[indexOf(speed)]->setChecked(true);
    speedButton_->setText(QString::fromLatin1(SpeedCaptions[indexOf(speed)]));
    if (changed)
        settingChanged();
}

void TableWindow::setZoom(int zoom) {
    zoom = UsableZoom(zoom);
    const bool changed = settings_.Zoom != zoom;
    settings_.Zoom = zoom;
    showZoomCheck();
    relayout();
    if (changed)
        settingChanged();
}

void TableWindow::showZoomCheck() {
    for (std::size_t i = 0; i < ZoomSteps.size(); ++i)
        zoomItems_[i]->setChecked(ZoomSteps[i] == settings_.Zoom);
    zoomFit_->setChecked(settings_.Zoom == ZoomToFit);
}

void TableWindow::onSpeedClicked() {
    speedItems_[indexOf(nextSpeed(game_.Speed))]->trigger();
}

void TableWindow::onCatalogClicked() {
    if (game_.DealInProgress)
        return;
    showProductInformation();
}

void TableWindow::onHelpClicked() {
    help_->ShowTopic(HelpTableWindow);
}

void TableWindow::onHelpKey() {
    const int context = HelpContextOf(focusWidget());
    help_->ShowTopic(context != 0 ? context : HelpTableWindow);
}

void TableWindow::showProductInformation() {
    QMessageBox::about(this, QString::fromLatin1(ProductInformationTitle),
                       QString::fromLatin1(ProductInformationText));
}

void TableWindow::onSeatPanelClicked(int seat) {
    if (seat < 1 || seat > MaxSeats)
        return;
    const Seat& who = game_.Seats[seat];
    const QString text =
        QLatin1String(InfoName) + QString::fromStdString(who.Name) + QStringLiteral("\r\n\r\n") +
        QLatin1String(InfoCredits) + Money(who.Credits) + QStringLiteral("\r\n\r\n") +
        QLatin1String(InfoBorrowed) + Money(who.Borrowed) + QStringLiteral("\r\n\r\n") +
        QLatin1String(InfoWinnings) + Money(who.Credits - who.Borrowed) + QStringLiteral("\r\n");
    ShowInformation(this, text.left(MessageMax));
}

void TableWindow::onCardCountChosen() {
    if (CountsHidden(settings_.Practice) && !showCountsWhilePractising())
        return;
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(CardCountTitle),
                    QString::fromStdString(CardCountMessage(game_)),
                    QMessageBox::Ok | QMessageBox::Help, this);
    box.setWindowModality(Qt::WindowModal); // the help window stays usable beside it
    AddButtonKeys(&box, {{Qt::Key_F1, box.button(QMessageBox::Help)}});
    // Help (or F1) opens the counting topic and leaves the figures on screen.
    while (box.exec() == QMessageBox::Help)
        help_->ShowTopic(HelpCountingCards);
}

bool TableWindow::showCountsWhilePractising() {
    return QMessageBox::question(this, QString::fromLatin1(CardCountTitle), tr(ShowCountsQuestion),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// ---- Practising the count

void TableWindow::onPractiseToggled(bool on) {
    CountPractice practice = settings_.Practice;
    practice.On = on;
    practiceChanged(practice);
}

void TableWindow::onCountPracticeChosen() {
    CountPracticeWindow window(settings_.Practice, this);
    window.helpRequested = [this](int context) { help_->ShowTopic(context); };
    window.setWindowModality(Qt::WindowModal); // the help window stays usable beside it
    if (window.exec() == QDialog::Accepted && window.practice() != settings_.Practice)
        practiceChanged(window.practice());
}

void TableWindow::practiceChanged(const CountPractice& practice) {
    settings_.Practice = practice;
    practise_->setChecked(practice.On);
    checkSchedule_.restart();
    showCountsCaption();
    settingChanged();
}

void TableWindow::showCountsCaption() {
    // Only a caption that shows a deal's counts follows; the first caption and
    // that of a freshly shuffled shoe hold none.
    if (game_.DealInProgress || game_.CountedCards == 0)
        return;
    const std::string caption =
        CountsHidden(settings_.Practice) ? ShoePositionCaption(game_) : CountsCaption(game_);
    setWindowTitle(QString::fromStdString(caption));
}

void TableWindow::checkTheCountIfDue(const StoredCounts& counts) {
    if (closeAfterDeal_)
        return;
    // A shuffle at the deal's end has cleared the table's counts, not the check's.
    const bool shuffled = game_.CountedCards == 0;
    if (checkSchedule_.dealEnded(settings_.Practice, shuffled, checkRandom_))
        runCountCheck(counts);
}

void TableWindow::placeCountCheck() {
    const Area& dealer = canvas_->DealerArea;
    const Area& seat = canvas_->SeatArea;
    const QRect views(
        QPoint(std::min(dealer.left, seat.left), std::min(dealer.top, seat.top)),
        QPoint(std::max(dealer.right, seat.right) - 1, std::max(dealer.bottom, seat.bottom) - 1));
    countCheck_->placeOver(Zoomed(views, canvas_->zoom()));
}

void TableWindow::runCountCheck(const StoredCounts& counts) {
    // The next automatic deal waits for the player's answers.
    QTimer& autoDealTimer = presenter_->autoDealTimer();
    const bool autoDealDue = autoDealTimer.isActive();
    autoDealTimer.stop();
    if (countCheck_ == nullptr) {
        countCheck_ = new CountCheckWindow(canvas_);
        countCheck_->helpRequested = [this](int context) { help_->ShowTopic(context); };
    }
    placeCountCheck();
    const CountPractice& practice = settings_.Practice;
    recordCounting(countCheck_->ask(counts, practice.System, practice.AskTrueCount, Today()));
    if (autoDealDue && !closeAfterDeal_)
        autoDealTimer.start();
}

void TableWindow::recordCounting(const std::vector<CountingRound>& rounds) {
    if (rounds.empty())
        return;
    for (const CountingRound& round : rounds)
        statistics().counting().add(round);
    if (statisticsStore_ != nullptr)
        statisticsStore_->saveStatisticsSoon();
    refreshStatisticsWindow();
}

void TableWindow::onCountDrillsChosen() {
    if (drillWindow_ == nullptr) {
        drillWindow_ = new CountDrillWindow([this] { return ShoeSize(game_.HouseRules); },
                                            settings_.Practice.System, settings_.ProgramDir, this);
        drillWindow_->roundPlayed = [this](const CountingRound& round) { recordCounting({round}); };
        drillWindow_->helpRequested = [this](int context) { help_->ShowTopic(context); };
    }
    drillWindow_->show();
    drillWindow_->raise();
    drillWindow_->activateWindow();
}

void TableWindow::setFileChooser(std::unique_ptr<FileChooser> files) {
    files_ = std::move(files);
}

bool TableWindow::editCard(StrategyCard& card) {
    return StrategyCardWindow::EditCard(card, game_.HouseRules, this,
                                        [this](int context) { help_->ShowTopic(context); });
}

void TableWindow::onStrategyCardsChosen() {
    cardCommand_->run(*files_);
    settingChanged(); // the window's last answer is a setting too
}

void TableWindow::startGameFigures() {
    statistics().startNewGame();
    if (statisticsStore_ != nullptr)
        statisticsStore_->saveStatisticsSoon();
    presenter_->showSettledDeal({}); // the last deal was another game's
    refreshStatisticsWindow();
}

void TableWindow::refreshStatisticsWindow() {
    // A closed window is brought up to date when it opens again.
    if (statisticsWindow_ != nullptr && statisticsWindow_->isVisible())
        statisticsWindow_->refresh();
}

void TableWindow::onStatisticsChosen() {
    if (statisticsWindow_ == nullptr) {
        statisticsWindow_ = new StatisticsWindow(game_, statistics(), settings_.ProgramDir, this);
        statisticsWindow_->figuresReset = [this] {
            if (statisticsStore_ != nullptr)
                statisticsStore_->saveStatisticsSoon();
        };
        statisticsWindow_->helpRequested = [this](int context) { help_->ShowTopic(context); };
    }
    statisticsWindow_->refresh();
    statisticsWindow_->show();
    statisticsWindow_->raise();
    statisticsWindow_->activateWindow();
}

void TableWindow::onChangeSoundsChosen() {
    SoundWindow window(
        settings_, *files_, [this](const std::string& path) { presenter_->sounds().Preview(path); },
        this);
    window.helpRequested = [this](int context) { help_->ShowTopic(context); };
    window.setWindowModality(Qt::WindowModal); // the help window stays usable beside it
    window.exec();
    settingChanged();
}

// ---- Closing

void TableWindow::reportSettingsProblem(const std::string& problem) {
    ShowInformation(this, QStringLiteral("Dealmoor cannot keep its settings: ") +
                              QString::fromStdString(problem) +
                              QStringLiteral(".\n\nYou can play, but the credits, debts, seats, "
                                             "house rules and options of this session will "
                                             "not be there the next time."));
}

void TableWindow::closeOnceCalm() {
    QTimer::singleShot(CalmCheckMs, this, [this] {
        const bool checking = countCheck_ != nullptr && countCheck_->asking();
        if (game_.DealInProgress || presenter_->waiting() || checking)
            closeOnceCalm();
        else
            close();
    });
}

void TableWindow::closeQuietly() {
    closeQuietly_ = true;
    close();
}

bool TableWindow::leaveInTheMiddleOfADeal() {
    if (closeQuietly_)
        return true;
    return QMessageBox::question(
               this, QStringLiteral("Dealmoor"), QString::fromLatin1(LeaveTheTableQuestion),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool TableWindow::saveForClosing() {
    if (store_ == nullptr)
        return true;
    for (;;) {
        const WriteResult saved = store_->saveNow();
        lastSaveError_ = saved.ok ? std::string() : saved.message;
        if (saved.ok)
            return true;
        if (closeQuietly_)
            return true; // nobody is there to ask; the old file stays as it was
        // The old file stays as it was whatever the player chooses.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Dealmoor"),
                        QString::fromStdString(saved.message), QMessageBox::NoButton, this);
        QPushButton* retry = box.addButton(QStringLiteral("&Retry"), QMessageBox::AcceptRole);
        QPushButton* quit =
            box.addButton(QStringLiteral("&Quit Without Saving"), QMessageBox::DestructiveRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(retry);
        box.exec();
        if (box.clickedButton() == retry)
            continue;
        return box.clickedButton() == quit;
    }
}

void TableWindow::closeEvent(QCloseEvent* event) {
    if (countCheck_ != nullptr && countCheck_->asking()) {
        // The check ends unanswered and records nothing; the window closes after it.
        event->ignore();
        closeAfterDeal_ = true;
        countCheck_->callOff();
        closeOnceCalm();
        return;
    }
    if (game_.DealInProgress || presenter_->waiting()) {
        event->ignore();
        if (!closeAfterDeal_ && leaveInTheMiddleOfADeal()) {
            // The deal unwinds from wherever it waits; the window closes after it.
            closeAfterDeal_ = true;
            presenter_->callOffDeal();
            closeOnceCalm();
        }
        return;
    }
    settings_.Maxed = isMaximized();
    if (!saveForClosing()) {
        event->ignore(); // the player stays at the table
        closeAfterDeal_ = false;
        return;
    }
    // The figures are not worth holding the player up: a failure leaves the old file.
    if (statisticsStore_ != nullptr)
        statisticsStore_->saveStatisticsNow();
    if (statisticsWindow_ != nullptr)
        statisticsWindow_->close();
    if (drillWindow_ != nullptr)
        drillWindow_->close();
    help_->close();
    event->accept();
}

} // namespace dealmoor
