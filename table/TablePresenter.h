#pragma once
// The deal's host on the screen: every wait, picture, sound and modal window of
// a deal goes through here. It paces the deal (Pause keeps the window alive),
// draws on the table's canvas and seat panels, plays the five sounds as the
// sound switches allow, runs the Thinking and auto-deal timers, and asks the
// bet and decision windows for the two answers the engine applies.

#include "engine/Counting.h"
#include "engine/Game.h"
#include "engine/TableHost.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QEventLoop;
class QTimer;
class QWidget;

namespace dealmoor {

struct SpriteSheets;
struct TableSettings;
class BetWindow;
class DecisionWindow;
class SeatPanelView;
class SoundPlayers;
class TableCanvas;

class TablePresenter : public QObject, public TableHost {
    Q_OBJECT
public:
    // `window` shows the caption.
    TablePresenter(Game& game, const TableSettings& settings, const SpriteSheets& sheets,
                   QWidget& window, TableCanvas& canvas,
                   const std::array<SeatPanelView*, MaxSeats + 1>& panels);
    ~TablePresenter() override;

    // The two modal windows of a deal, created once after the table window.
    // Until they exist a human seat sits the deal out and stands.
    void createDealWindows(const std::function<void(int)>& showHelp);
    // The decision window, once made; its advice shows on the table's hint line.
    DecisionWindow* decisionWindow() const { return decisionWindow_; }

    // The whole table: dealer at rest, the current seat's face, every panel.
    void repaintTable();
    // The bet or decision window that is open follows the seat view to its new
    // place and size (the window was resized or zoomed).
    void placeDealWindows();

    // What each seat won or lost in the deal just over (nothing for a seat
    // that sat it out, or for all before the first deal of a game): between
    // deals each panel's result line says it.
    using SettledNets = std::array<std::optional<double>, MaxSeats + 1>;
    void showSettledDeal(const SettledNets& nets);
    const SettledNets& settledDeal() const { return settled_; }

    // The program is closing: every wait of the running deal ends at once and
    // the deal's next call to this host calls the deal off (DealCalledOff).
    void callOffDeal();
    // Whether the deal (or a new game's shuffle) is waiting in one of this
    // host's calls right now.
    bool waiting() const { return waits_ > 0; }
    SoundPlayers& sounds() { return *sounds_; }
    // Fires 200 ms after a deal armed it; the table window deals on it.
    QTimer& autoDealTimer() { return *autoModeTimer_; }

    // The counts the last deal stored, taken once: the table's count check asks
    // about them after the deal, even when its end shuffled the shoe since.
    std::optional<StoredCounts> takeReportedCounts() { return std::exchange(reported_, {}); }

    // TableHost
    void Pause(double seconds) override;
    double AskBet(int seat, BetKind kind) override;
    Decision AskDecision(int seat, int hand, const DecisionOffer& offered) override;
    void DrawDealer(DealerPose pose) override;
    void SetFace(int seat, int frame) override;
    void SeatPanel(int seat, PanelColour colour) override;
    void ShowBalloon(std::string_view first, std::string_view second) override;
    void DealAnimation() override;
    void WriteTableText(TableText text, bool secondHand) override;
    void PlayCardSound() override;
    void PlayWinSound() override;
    void PlayLoseSound() override;
    void PlayBlackjackSound() override;
    bool PlayShuffleSound() override;
    void SetCaption(std::string_view caption) override;
    void ShowShuffling() override;
    void SetThinkingTimer(bool enabled) override;
    void ArmAutoDealTimer() override;
    bool CaptionShowsCounts() const override;
    void CountsReported() override;

private:
    // The waiting human seat's face changes every 2 seconds.
    void onThinkingTick();
    // Every call of the deal passes here: once the deal is called off, it ends.
    void goOnUnlessCalledOff() const;

    Game& game_;
    const TableSettings& settings_;
    const SpriteSheets& sheets_;
    QWidget& window_;
    TableCanvas& canvas_;
    std::array<SeatPanelView*, MaxSeats + 1> panels_;
    std::unique_ptr<SoundPlayers> sounds_;
    QTimer* thinking_;      // "Thinking"
    QTimer* autoModeTimer_; // "AutoModeTimer"
    BetWindow* betWindow_ = nullptr;
    DecisionWindow* decisionWindow_ = nullptr;
    bool callingOff_ = false;
    int waits_ = 0; // nested waits of the deal right now
    SettledNets settled_{};
    std::optional<StoredCounts> reported_;
    std::array<PanelColour, MaxSeats + 1> panelColours_{}; // as each panel was drawn last
    QEventLoop* pauseLoop_ = nullptr; // the innermost pause, quit to call the deal off
};

} // namespace dealmoor
