#include "table/TablePresenter.h"

#include "engine/Deal.h"
#include "engine/GameControl.h"
#include "engine/SeatDisplay.h"
#include "platform/Clock.h"
#include "setup/TableSettings.h"
#include "table/SoundPlayers.h"
#include "table/TableCanvas.h"
#include "table/windows/BetWindow.h"
#include "table/windows/DecisionWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include <algorithm>
#include <utility>

namespace dealmoor {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isSeat(int seat) {
    return seat >= 1 && seat <= MaxSeats;
}

} // namespace

TablePresenter::TablePresenter(Game& game, const TableSettings& settings,
                               const SpriteSheets& sheets, QWidget& window, TableCanvas& canvas,
                               const std::array<SeatPanelView*, MaxSeats + 1>& panels)
    : QObject(&window), game_(game), settings_(settings), sheets_(sheets), window_(window),
      canvas_(canvas), panels_(panels), sounds_(std::make_unique<SoundPlayers>(settings)) {
    // The timers belong to the table window, where the description names them.
    thinking_ = new QTimer(&window);
    thinking_->setObjectName(QStringLiteral("Thinking"));
    thinking_->setInterval(ThinkingTimerMs);
    connect(thinking_, &QTimer::timeout, this, &TablePresenter::onThinkingTick);
    autoModeTimer_ = new QTimer(&window);
    autoModeTimer_->setObjectName(QStringLiteral("AutoModeTimer"));
    autoModeTimer_->setInterval(AutoDealTimerMs);
}

TablePresenter::~TablePresenter() = default;

void TablePresenter::createDealWindows(const std::function<void(int)>& showHelp) {
    decisionWindow_ = new DecisionWindow(game_, sheets_, settings_, &canvas_);
    decisionWindow_->helpRequested = showHelp;
    betWindow_ = new BetWindow(game_, sheets_, settings_.ProgramDir, &canvas_);
    betWindow_->helpRequested = showHelp;
}

void TablePresenter::placeDealWindows() {
    if (betWindow_ != nullptr && betWindow_->isVisible())
        betWindow_->placeOver(canvas_.SeatArea, canvas_.zoom());
    if (decisionWindow_ != nullptr && decisionWindow_->isVisible())
        decisionWindow_->placeOver(canvas_.SeatArea, canvas_.zoom());
}

void TablePresenter::repaintTable() {
    canvas_.PaintTable();
    const int shown = canvas_.shownSeat();
    for (int seat = 1; seat <= MaxSeats; ++seat)
        SeatPanel(seat, seat == shown ? PanelColour::Highlight : PanelColour::Release);
}

namespace {

// Counts a wait of the deal for as long as it lasts.
class Waiting {
public:
    explicit Waiting(int& waits) : waits_(waits) { ++waits_; }
    ~Waiting() { --waits_; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    int& waits_;
};

} // namespace

void TablePresenter::callOffDeal() {
    callingOff_ = true;
    if (pauseLoop_ != nullptr)
        pauseLoop_->quit();
    // A message the deal's windows are showing goes too, then the windows.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
            box->done(QMessageBox::Ok);
    }
    for (QDialog* window :
         {static_cast<QDialog*>(betWindow_), static_cast<QDialog*>(decisionWindow_)}) {
        if (window != nullptr && window->isVisible())
            window->done(QDialog::Rejected);
    }
}

void TablePresenter::goOnUnlessCalledOff() const {
    if (callingOff_)
        throw DealCalledOff{};
}

void TablePresenter::Pause(double seconds) {
    goOnUnlessCalledOff();
    const Waiting waiting(waits_);
    // The speed is read once: a change during this pause applies to the next one.
    const int wait = PauseMilliseconds(seconds, game_.Speed);
    // Counted in microseconds: whole milliseconds from a cut-off start could end a moment early.
    const uint64_t end = TickCountUs() + 1000 * static_cast<uint64_t>(std::max(wait, 0));
    QEventLoop loop;
    QEventLoop* const outer = std::exchange(pauseLoop_, &loop);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Waits for events with a timeout: the window stays alive, the CPU stays idle.
    for (uint64_t now = TickCountUs(); now < end && !callingOff_; now = TickCountUs()) {
        timer.start(static_cast<int>((end - now + 999) / 1000));
        loop.exec();
    }
    if (wait <= 0)
        QCoreApplication::processEvents();
    pauseLoop_ = outer;
    goOnUnlessCalledOff();
}

double TablePresenter::AskBet(int seat, BetKind kind) {
    goOnUnlessCalledOff();
    if (betWindow_ == nullptr)
        return 0; // no bet window: the seat sits the deal out, or takes no insurance
    const Waiting waiting(waits_);
    betWindow_->placeOver(canvas_.SeatArea, canvas_.zoom());
    const double amount = betWindow_->ask(seat, kind);
    goOnUnlessCalledOff();
    return amount;
}

Decision TablePresenter::AskDecision(int /*seat*/, int hand, const DecisionOffer& offered) {
    goOnUnlessCalledOff();
    if (decisionWindow_ == nullptr)
        return Decision::Stand;
    const Waiting waiting(waits_);
    decisionWindow_->placeOver(canvas_.SeatArea, canvas_.zoom());
    const Decision answer = decisionWindow_->ask(hand, offered);
    goOnUnlessCalledOff();
    return answer;
}

void TablePresenter::DrawDealer(DealerPose pose) {
    canvas_.DrawDealer(pose);
}

void TablePresenter::SetFace(int seat, int frame) {
    canvas_.SetFace(seat, frame);
}

void TablePresenter::SeatPanel(int seat, PanelColour colour) {
    if (!isSeat(seat))
        return;
    panelColours_[seat] = colour;
    SeatPanelView* panel = panels_[seat];
    const QColor fill = colour == PanelColour::Highlight ? PanelYellow : PanelWhite;
    // While a deal runs the panel shows its stakes and outcomes as they come.
    const std::optional<double> settled = game_.DealInProgress ? std::nullopt : settled_[seat];
    DrawSeatPanel(panel->picture(), panels_[1]->tableSize(), game_, sheets_, seat, fill,
                  canvas_.windowWidth(), canvas_.deviceScale(), settled);
    panel->update();
}

void TablePresenter::showSettledDeal(const SettledNets& nets) {
    settled_ = nets;
    for (int seat = 1; seat <= MaxSeats; ++seat)
        SeatPanel(seat, panelColours_[seat]);
}

void TablePresenter::ShowBalloon(std::string_view first, std::string_view second) {
    canvas_.ShowBalloon(first, second);
}

void TablePresenter::DealAnimation() {
    DrawDealer(DealerPose::ReachAcross);
    Pause(0.05);
    DrawDealer(DealerPose::ReachDown);
    Pause(0.05);
    PlayCardSound();
    DrawDealer(DealerPose::HandOpen);
    Pause(0.05);
    DrawDealer(DealerPose::ReachAcross);
}

void TablePresenter::WriteTableText(TableText text, bool secondHand) {
    canvas_.WriteTableText(text, secondHand);
}

void TablePresenter::PlayCardSound() {
    sounds_->PlayCardSound();
}
void TablePresenter::PlayWinSound() {
    sounds_->PlayWinSound();
}
void TablePresenter::PlayLoseSound() {
    sounds_->PlayLoseSound();
}
void TablePresenter::PlayBlackjackSound() {
    sounds_->PlayBlackjackSound();
}
bool TablePresenter::PlayShuffleSound() {
    goOnUnlessCalledOff();
    const Waiting waiting(waits_);
    const bool sounded = sounds_->PlayShuffleSound();
    goOnUnlessCalledOff();
    return sounded;
}

void TablePresenter::SetCaption(std::string_view caption) {
    window_.setWindowTitle(fromView(caption));
}

void TablePresenter::ShowShuffling() {
    canvas_.ShowShuffling();
}

void TablePresenter::SetThinkingTimer(bool enabled) {
    if (enabled)
        thinking_->start();
    else
        thinking_->stop();
}

void TablePresenter::ArmAutoDealTimer() {
    autoModeTimer_->start();
}

bool TablePresenter::CaptionShowsCounts() const {
    return !CountsHidden(settings_.Practice);
}

void TablePresenter::CountsReported() {
    reported_ = StoredCountsOf(game_);
}

void TablePresenter::onThinkingTick() {
    const int frame = NextThinkingFace(game_);
    if (frame > 0)
        SetFace(game_.CurrentSeat, frame);
}

} // namespace dealmoor
