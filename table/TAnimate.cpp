#include "table/TAnimate.h"

#include "engine/Deal.h"
#include "engine/Faces.h"
#include "engine/Game.h"
#include "engine/GameControl.h"
#include "engine/Shoe.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "setup/Characters.h"
#include "setup/DataFolder.h"
#include "setup/SettingsFile.h"
#include "setup/SoundDefaults.h"
#include "setup/TWagerFrm.h"
#include "strategy/CardCount.h"
#include "strategy/ComputerPlayer.h"
#include "strategy/StrategyFile.h"
#include "strategy/THitStandForm.h"
#include "table/HelpViewer.h"
#include "table/ModalOverlay.h"
#include "table/Painting.h"
#include "table/SoundPlayers.h"
#include "table/TableCanvas.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace dealmoor {

namespace {

// The window's caption until the first deal names the table and the hand.
const char* const StartCaption = "Dealmoor (32-bit)";
const char* const CardCountTitle = "Card Count";
const char* const HelpFolder = "help/";
// The window's size when it is not maximised.
constexpr QSize NormalWindowSize{1024, 768};

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

int ClampSpeed(int speed) {
    return std::clamp(speed, 0, 3);
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TAnimate::TAnimate(Game& game, QWidget* parent)
    : QMainWindow(parent), game_(game), sounds_(std::make_unique<SoundPlayers>(game.Settings)) {
    setObjectName(QStringLiteral("Animate"));
    // The sprite sheets are part of the window, like its other pictures.
    sheets_.Load(QString::fromStdString(ProgramDir()));
    createControls();
    createMenus();
    createTimers();
    FormCreate();
}

TAnimate::~TAnimate() = default;

void TAnimate::createControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    canvas_ = new TableCanvas(game_, sheets_, client);

    auto makeButton = [client](std::string_view caption) {
        auto* button = new QPushButton(FromView(caption), client);
        button->setFocusPolicy(Qt::StrongFocus);
        button->hide(); // shown by the layout when the window is wide enough
        return button;
    };
    Button6 = makeButton(DealCaption);
    Button6->setDefault(true);
    Button6->show();
    Button2 = makeButton("&New Game");
    Button2->setEnabled(false); // the new game window comes later
    Button3 = makeButton(SpeedCaptions[0]);
    Button4 = makeButton("E&xit");
    BitBtn1 = makeButton("&Help");
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    Button1 = makeButton("&Catalog");

    connect(Button6, &QPushButton::clicked, this, &TAnimate::Button6Click);
    connect(Button3, &QPushButton::clicked, this, &TAnimate::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn1, &QPushButton::clicked, this, &TAnimate::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &TAnimate::Button1Click);

    for (int seat = 1; seat <= MaxSeats; ++seat) {
        Panels[seat] = new SeatPanelView(seat, client);
        connect(Panels[seat], &SeatPanelView::clicked, this, &TAnimate::Image1Click);
    }

    // F1 anywhere in the table window: every control here has the window's topic.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TAnimate::BitBtn1Click);
}

void TAnimate::createMenus() {
    auto item = [this](QMenu* menu, const char* caption, auto handler) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto toggle = [this](QMenu* menu, const char* caption, bool TableSettings::*flag) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, flag](bool checked) { game_.Settings.*flag = checked; });
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    New1 = file->addAction(QStringLiteral("&New Game"));
    New1->setEnabled(false); // the new game window comes later
    file->addSeparator();
    Exit1 = item(file, "E&xit Program", &QWidget::close);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu* hints = options->addMenu(QStringLiteral("Hints"));
    On1 = toggle(hints, "On", &TableSettings::Hints);
    QMenu* sound = options->addMenu(QStringLiteral("Soun&d"));
    SoundOn1 = toggle(sound, "Sound On", &TableSettings::SoundOn);
    sound->addSeparator();
    BlackjackSound1 = toggle(sound, "Blackjack Sound", &TableSettings::BlackjackSoundOn);
    CardDealSound1 = toggle(sound, "Card Deal Sound", &TableSettings::CardSoundOn);
    LoseSound1 = toggle(sound, "Lose Sound", &TableSettings::LoseSoundOn);
    Shuffle1 = toggle(sound, "Shuffle Sound", &TableSettings::ShuffleSoundOn);
    WinSound1 = toggle(sound, "Win Sound", &TableSettings::WinSoundOn);
    sound->addSeparator();
    ChangeSounds1 = sound->addAction(QStringLiteral("Change Sounds"));
    ChangeSounds1->setEnabled(false); // the sound choice window comes later
    QMenu* speed = options->addMenu(QStringLiteral("&Speed"));
    auto* speeds = new QActionGroup(this);
    const char* const speedNames[] = {"&Very Fast", "&Fast", "&Medium", "&Slow"};
    for (int s = 0; s < 4; ++s) {
        SpeedItems[s] = speed->addAction(QString::fromLatin1(speedNames[s]));
        SpeedItems[s]->setCheckable(true);
        speeds->addAction(SpeedItems[s]);
        connect(SpeedItems[s], &QAction::triggered, this, [this, s] { SetSpeed(s); });
    }
    StrategyCards1 = options->addAction(QStringLiteral("Strategy &Cards"));
    StrategyCards1->setEnabled(false); // the strategy card window comes later

    QMenu* autoDeal = menuBar()->addMenu(QStringLiteral("&Auto Deal"));
    AutoDeal2 = autoDeal->addAction(QStringLiteral("Auto Deal"));
    AutoDeal2->setCheckable(true);
    connect(AutoDeal2, &QAction::triggered, this, &TAnimate::AutoDeal2Click);

    CardCount1 = menuBar()->addAction(QStringLiteral("C&ard Count"));
    connect(CardCount1, &QAction::triggered, this, &TAnimate::CardCount1Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    About1 = item(help, "&About", &TAnimate::ShowProductInformation);
    help->addSeparator();
    Manual1 = help->addAction(QStringLiteral("&Manual Contents"));
    connect(Manual1, &QAction::triggered, this, [this] { Help().ShowContents(); });
    CountingCards1 = help->addAction(QStringLiteral("C&ounting Cards"));
    connect(CountingCards1, &QAction::triggered, this,
            [this] { Help().ShowTopic(HelpCountingCards); });
    Troubleshooting1 = help->addAction(QStringLiteral("&Troubleshooting"));
    connect(Troubleshooting1, &QAction::triggered, this,
            [this] { Help().ShowTopic(HelpTroubleshooting); });
    help->addSeparator();
    Catalog1 = item(help, "&Catalog", &TAnimate::ShowProductInformation);
    freeCD1 = item(help, "&Free CD", &TAnimate::ShowProductInformation);
    SecureOnlineOrders1 = item(help, "&Secure Online Orders", &TAnimate::ShowProductInformation);
}

void TAnimate::createTimers() {
    Thinking = new QTimer(this);
    Thinking->setInterval(ThinkingTimerMs);
    connect(Thinking, &QTimer::timeout, this, &TAnimate::ThinkingTimer);
    AutoModeTimer = new QTimer(this);
    AutoModeTimer->setInterval(AutoDealTimerMs);
    connect(AutoModeTimer, &QTimer::timeout, this, &TAnimate::AutoModeTimerTimer);
}

// The start-up, in its order: later steps overwrite what earlier ones set.
void TAnimate::FormCreate() {
    TableSettings& settings = game_.Settings;
    setUpdatesEnabled(false);
    setWindowTitle(QString::fromLatin1(StartCaption));

    settings.WindowsDir = WindowsDir();
    settings.ProgramDir = ProgramDir();
    help_ = std::make_unique<HelpViewer>(QString::fromStdString(settings.ProgramDir + HelpFolder));

    game_.CurrentSeat = 1;
    game_.DealInProgress = false; // BaseCaption keeps the name a new Game starts with

    ReadHouseRules(game_, SettingsPath(game_));
    ShuffleShoe(game_, nullptr); // quietly, before the window shows

    game_.Speed = 1;
    game_.SeatCount = MaxSeats;

    InitCharacters(game_);
    LoadSeatCards(game_, settings.ProgramDir);

    for (int slot = 0; slot < HandSlots; ++slot)
        ClearHand(game_, slot);

    game_.Seats[1].Human = true;
    game_.Seats[1].Name = DefaultHumanName;

    game_.AutoDealsLeft = 0;
    game_.TotalHands = 0;
    settings.SoundOn = true;

    SetDefaultSoundFiles(settings);

    if (ChooseDataDir(game_))
        CopyShippedCards(game_);

    settings.WinSoundOn = settings.CardSoundOn = settings.LoseSoundOn = true;
    settings.BlackjackSoundOn = settings.ShuffleSoundOn = true;
    settings.Maxed = true;
    settings.Hints = true;

    ReadGameSettings(game_, SettingsPath(game_));

    game_.CountedCards = 0;
    game_.HiOpt1Count = 0;
    game_.HiOpt2Count = 0;

    SetSoundChecks();

    // Always maximised, whatever the settings remember; where no window manager
    // maximises it, the window still opens at a size the table fits in.
    const QRect desktop = screen()->availableGeometry();
    resize(desktop.size().boundedTo(NormalWindowSize));
    move(desktop.center() - rect().center());
    setWindowState(windowState() | Qt::WindowMaximized);
    ApplyLayout();

    SetSpeed(game_.Speed);

    ReadPlayers(game_, SettingsPath(game_));
    LoadSeatCards(game_, settings.DataDir);

    canvas_->LoadCharacterSheets(QString::fromStdString(settings.ProgramDir));
    ShowSeatPanels();
    canvas_->SetFace(1, 0);
    Button1->setText(QStringLiteral("&Catalog"));

    RepaintTable(); // the first paint shows the seats just read
    setUpdatesEnabled(true);
}

void TAnimate::SetSoundChecks() {
    const TableSettings& s = game_.Settings;
    SoundOn1->setChecked(s.SoundOn);
    BlackjackSound1->setChecked(s.BlackjackSoundOn);
    LoseSound1->setChecked(s.LoseSoundOn);
    WinSound1->setChecked(s.WinSoundOn);
    Shuffle1->setChecked(s.ShuffleSoundOn);
    CardDealSound1->setChecked(s.CardSoundOn);
    On1->setChecked(s.Hints);
}

void TAnimate::ShowSeatPanels() {
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        Panels[seat]->pictureVisible = seat <= game_.SeatCount;
        Panels[seat]->update();
    }
}

void TAnimate::CreateDecisionWindow() {
    decisionWindow_ = new THitStandForm(game_, sheets_, canvas_);
    decisionWindow_->helpRequested = [this](int context) { Help().ShowTopic(context); };
}

void TAnimate::CreateBetWindow() {
    betWindow_ = new TWagerFrm(game_, sheets_, canvas_);
    betWindow_->helpRequested = [this](int context) { Help().ShowTopic(context); };
}

HelpViewer& TAnimate::Help() {
    return *help_;
}

// ---- Layout and painting

LayoutControls TAnimate::layoutControls() const {
    LayoutControls c;
    c.canvas = canvas_;
    c.Button6 = Button6;
    c.Button4 = Button4;
    c.Button2 = Button2;
    c.Button3 = Button3;
    c.Button1 = Button1;
    c.BitBtn1 = BitBtn1;
    for (int seat = 1; seat <= MaxSeats; ++seat)
        c.panels[seat] = Panels[seat];
    return c;
}

void TAnimate::ApplyLayout() {
    const QSize outer = frameGeometry().size();
    canvas_->setGeometry(centralWidget()->rect());
    dealmoor::ApplyLayout(ComputeLayout(outer.width(), outer.height()), layoutControls());
}

void TAnimate::RepaintTable() {
    canvas_->PaintTable(); // also turns CurrentSeat 0 into 1
    for (int seat = 1; seat <= MaxSeats; ++seat)
        SeatPanel(seat, seat == game_.CurrentSeat ? PanelColour::Highlight : PanelColour::Release);
}

void TAnimate::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyLayout();
    // The views may have moved: nothing of the old arrangement stays on the table.
    canvas_->surface().fill(canvas_->palette().color(canvas_->backgroundRole()));
    RepaintTable();
}

void TAnimate::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere a control does not take it deals, as with a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Button6->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- The deal's host

void TAnimate::Pause(double seconds) {
    // The speed is read once: a change during this pause applies to the next one.
    const int wait = PauseMilliseconds(seconds, game_.Speed);
    const uint64_t end = TickCountMs() + static_cast<uint64_t>(std::max(wait, 0));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Waits for events with a timeout: the window stays alive, the CPU stays idle.
    for (uint64_t now = TickCountMs(); now < end; now = TickCountMs()) {
        timer.start(static_cast<int>(end - now));
        loop.exec();
    }
    if (wait <= 0)
        QCoreApplication::processEvents();
}

void TAnimate::ShowBetWindow() {
    if (betWindow_ == nullptr) {
        // No bet window: the seat sits the deal out, or takes no insurance.
        Seat& seat = game_.Seats[game_.CurrentSeat];
        (game_.InsuranceOffer ? seat.InsuranceBet : seat.Bet) = 0;
        return;
    }
    betWindow_->placeOver(canvas_->SeatArea);
    betWindow_->runModal();
}

void TAnimate::ShowDecisionWindow() {
    if (decisionWindow_ == nullptr) {
        ChooseStand(game_, CurrentHandSlot(game_)); // no decision window: the seat stands
        return;
    }
    decisionWindow_->placeOver(canvas_->SeatArea);
    decisionWindow_->runModal();
}

void TAnimate::DrawDealer(int pose) {
    canvas_->DrawDealer(pose);
}

void TAnimate::SetFace(int seat, int frame) {
    canvas_->SetFace(seat, frame);
}

void TAnimate::SeatPanel(int seat, PanelColour colour) {
    if (seat < 1 || seat > MaxSeats)
        return;
    SeatPanelView* panel = Panels[seat];
    const QColor fill = colour == PanelColour::Highlight ? PanelYellow : PanelWhite;
    DrawSeatPanel(panel->picture(), Panels[1]->size(), game_, sheets_, seat, fill,
                  frameGeometry().width());
    panel->update();
}

void TAnimate::ShowBalloon(std::string_view first, std::string_view second) {
    canvas_->ShowBalloon(first, second);
}

void TAnimate::DealAnimation() {
    DrawDealer(DealerReachAcross);
    Pause(0.05);
    DrawDealer(DealerReachDown);
    Pause(0.05);
    PlayCardSound();
    DrawDealer(DealerHandOpen);
    Pause(0.05);
    DrawDealer(DealerReachAcross);
}

void TAnimate::WriteTableText(TableText text, bool secondHand) {
    canvas_->WriteTableText(text, secondHand);
}

void TAnimate::PlayCardSound() {
    sounds_->PlayCardSound();
}
void TAnimate::PlayWinSound() {
    sounds_->PlayWinSound();
}
void TAnimate::PlayLoseSound() {
    sounds_->PlayLoseSound();
}
void TAnimate::PlayBlackjackSound() {
    sounds_->PlayBlackjackSound();
}
void TAnimate::PlayShuffleSound() {
    sounds_->PlayShuffleSound();
}

void TAnimate::SetCaption(std::string_view caption) {
    setWindowTitle(FromView(caption));
}

void TAnimate::ShowShuffling() {
    canvas_->ShowShuffling();
}

void TAnimate::SetThinkingTimer(bool enabled) {
    if (enabled)
        Thinking->start();
    else
        Thinking->stop();
}

void TAnimate::ArmAutoDealTimer() {
    AutoModeTimer->start();
}

// ---- Handlers

void TAnimate::Button6Click() {
    // Pressed while automatic deals run: this deal is the last one.
    if (AutoDealStopRequested(game_, Button6->text().toStdString())) {
        Button6->setText(FromView(StopAutoDeal(game_)));
        AutoDeal2->setChecked(false);
    }
    dealmoor::Button6Click(game_, *this);
}

void TAnimate::AutoDeal2Click(bool checked) {
    // The item has already changed its tick: checked means automatic dealing goes on.
    const AutoDealSwitch result = SwitchAutoDeal(game_, checked);
    Button6->setText(FromView(result.dealCaption));
    if (result.armTimer)
        AutoModeTimer->start();
    else if (!checked)
        AutoModeTimer->stop(); // switched off between two deals: the next one must not start
}

void TAnimate::AutoModeTimerTimer() {
    AutoModeTimer->stop();
    if (CanStartDeal(game_))
        Button6Click();
}

void TAnimate::ThinkingTimer() {
    const int seat = game_.CurrentSeat;
    if (seat < 1 || seat > MaxSeats)
        return;
    SetFace(seat, ThinkingFace(game_.Seats[seat].Number, game_.ThinkingFrame));
    game_.ThinkingFrame = !game_.ThinkingFrame;
}

void TAnimate::SetSpeed(int speed) {
    speed = ClampSpeed(speed);
    game_.Speed = static_cast<uint8_t>(speed);
    SpeedItems[speed]->setChecked(true);
    Button3->setText(QString::fromLatin1(SpeedCaptions[speed]));
}

void TAnimate::Button3Click() {
    // The next speed follows from what the button shows now.
    const QString shown = Button3->text();
    int next = 0;
    for (int s = 0; s < 3; ++s) {
        if (shown == QLatin1String(SpeedCaptions[s]))
            next = s + 1;
    }
    Button3->setText(QString::fromLatin1(SpeedCaptions[next]));
    SpeedItems[next]->trigger();
}

void TAnimate::Button1Click() {
    if (game_.DealInProgress)
        return;
    ShowProductInformation();
}

void TAnimate::BitBtn1Click() {
    Help().ShowTopic(HelpTableWindow);
}

void TAnimate::ShowProductInformation() {
    QMessageBox::about(this, QString::fromLatin1(ProductInformationTitle),
                       QString::fromLatin1(ProductInformationText));
}

void TAnimate::Image1Click(int tag) {
    if (tag < 1 || tag > MaxSeats)
        return;
    const Seat& seat = game_.Seats[tag];
    const QString text =
        QLatin1String(InfoName) + QString::fromStdString(seat.Name) + QStringLiteral("\r\n\r\n") +
        QLatin1String(InfoCredits) + Money(seat.Credits) + QStringLiteral("\r\n\r\n") +
        QLatin1String(InfoBorrowed) + Money(seat.Borrowed) + QStringLiteral("\r\n\r\n") +
        QLatin1String(InfoWinnings) + Money(seat.Credits - seat.Borrowed) + QStringLiteral("\r\n");
    ShowInformation(this, text.left(MessageMax));
}

void TAnimate::CardCount1Click() {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(CardCountTitle),
                    QString::fromStdString(CardCountMessage(game_)),
                    QMessageBox::Ok | QMessageBox::Help, this);
    box.setWindowModality(Qt::WindowModal); // the help window stays usable beside it
    // Help opens the counting topic and leaves the figures on screen.
    while (box.exec() == QMessageBox::Help)
        Help().ShowTopic(HelpCountingCards);
}

// ---- Closing

bool TAnimate::SaveSettings() {
    const std::string path = SettingsPath(game_);
    for (auto write : {WriteGameSettings, WriteHouseRules, WritePlayers}) {
        const WriteResult result = write(game_, path);
        if (!result.ok) {
            lastSaveError_ = result.message;
            return false;
        }
    }
    lastSaveError_.clear();
    return true;
}

void TAnimate::closeEvent(QCloseEvent* event) {
    if (game_.DealInProgress) {
        event->ignore(); // the deal must finish first
        return;
    }
    game_.Settings.Maxed = isMaximized();
    // A settings file that cannot be written is reported, but never keeps the
    // player at the table: the file from the last good closing stays as it was.
    if (!SaveSettings())
        ShowInformation(this, QString::fromStdString(lastSaveError_));
    help_->close();
    event->accept();
}

} // namespace dealmoor
