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

#include <algorithm>

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

void TablePresenter::repaintTable() {
    canvas_.PaintTable();
    const int shown = canvas_.shownSeat();
    for (int seat = 1; seat <= MaxSeats; ++seat)
        SeatPanel(seat, seat == shown ? PanelColour::Highlight : PanelColour::Release);
}

void TablePresenter::Pause(double seconds) {
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

double TablePresenter::AskBet(int seat, BetKind kind) {
    if (betWindow_ == nullptr)
        return 0; // no bet window: the seat sits the deal out, or takes no insurance
    betWindow_->placeOver(canvas_.SeatArea);
    return betWindow_->ask(seat, kind);
}

Decision TablePresenter::AskDecision(int /*seat*/, int hand, const DecisionOffer& offered) {
    if (decisionWindow_ == nullptr)
        return Decision::Stand;
    decisionWindow_->placeOver(canvas_.SeatArea);
    return decisionWindow_->ask(hand, offered);
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
    SeatPanelView* panel = panels_[seat];
    const QColor fill = colour == PanelColour::Highlight ? PanelYellow : PanelWhite;
    DrawSeatPanel(panel->picture(), panels_[1]->size(), game_, sheets_, seat, fill,
                  window_.frameGeometry().width());
    panel->update();
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
    return sounds_->PlayShuffleSound();
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

void TablePresenter::onThinkingTick() {
    const int frame = NextThinkingFace(game_);
    if (frame > 0)
        SetFace(game_.CurrentSeat, frame);
}

} // namespace dealmoor
