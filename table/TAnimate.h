#pragma once
// The table window: the dealer view, the seat view, the six seat panels, the
// menus and buttons that drive the game, and the timers. Creating it runs the
// program's start-up; closing it saves the settings. It is the deal's host:
// every wait, picture, sound and modal window of a deal goes through it.

#include "engine/TableHost.h"
#include "table/Layout.h"
#include "table/SpriteSheets.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QPushButton;
class QTimer;

namespace dealmoor {

struct Game;
class HelpViewer;
class SoundPlayers;
class TableCanvas;
class SeatPanelView;
class THitStandForm;
class TWagerFrm;

// Captions of the speed button, by Speed 0..3.
inline constexpr std::array<const char*, 4> SpeedCaptions = {"&Speed: Very Fast", "&Speed: Fast",
                                                             "&Speed: Medium", "&Speed: Slow"};

class TAnimate : public QMainWindow, public TableHost {
    Q_OBJECT
public:
    // Runs the whole start-up: settings, shoe, characters, cards, layout.
    explicit TAnimate(Game& game, QWidget* parent = nullptr);
    ~TAnimate() override;

    // The two modal windows of a deal, created once after the table window.
    void CreateDecisionWindow();
    void CreateBetWindow();

    // TableHost
    void Pause(double seconds) override;
    void ShowBetWindow() override;
    void ShowDecisionWindow() override;
    void DrawDealer(int pose) override;
    void SetFace(int seat, int frame) override;
    void SeatPanel(int seat, PanelColour colour) override;
    void ShowBalloon(std::string_view first, std::string_view second) override;
    void DealAnimation() override;
    void WriteTableText(TableText text, bool secondHand) override;
    void PlayCardSound() override;
    void PlayWinSound() override;
    void PlayLoseSound() override;
    void PlayBlackjackSound() override;
    void PlayShuffleSound() override;
    void SetCaption(std::string_view caption) override;
    void ShowShuffling() override;
    void SetThinkingTimer(bool enabled) override;
    void ArmAutoDealTimer() override;

    // Places the views, buttons and panels for the window's size, then repaints.
    void ApplyLayout();
    // The whole table: dealer at rest, the current seat's face, every panel.
    void RepaintTable();

    // Handlers, named after their controls.
    void Button6Click(); // "&Deal": one deal; during automatic dealing, stops it
    void Button3Click(); // speed: the next speed in the cycle
    void Button1Click(); // "&Catalog"
    void BitBtn1Click(); // help on the table window
    void AutoDeal2Click(bool checked);
    void AutoModeTimerTimer();
    void ThinkingTimer();
    void Image1Click(int tag); // any seat panel: the seat's name and money
    void CardCount1Click();
    void SetSpeed(int speed); // the speed menu items
    void ShowProductInformation();

    // The settings file's message when it could not be written at closing ("" when it was).
    const std::string& lastSaveError() const { return lastSaveError_; }

    HelpViewer& Help();
    SoundPlayers& Sounds() { return *sounds_; }
    TableCanvas& Canvas() { return *canvas_; }
    const SpriteSheets& Sheets() const { return sheets_; }

    // Buttons.
    QPushButton* Button6 = nullptr;         // "&Deal"
    QPushButton* Button2 = nullptr;         // "&New Game"
    QPushButton* Button3 = nullptr;         // speed
    QPushButton* Button4 = nullptr;         // "E&xit"
    QPushButton* BitBtn1 = nullptr;         // help
    QPushButton* Button1 = nullptr;         // "&Catalog"
    std::array<SeatPanelView*, 7> Panels{}; // 1..6

    // Menu items.
    QAction* New1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* On1 = nullptr; // hints
    QAction* SoundOn1 = nullptr;
    QAction* BlackjackSound1 = nullptr;
    QAction* CardDealSound1 = nullptr;
    QAction* LoseSound1 = nullptr;
    QAction* Shuffle1 = nullptr;
    QAction* WinSound1 = nullptr;
    QAction* ChangeSounds1 = nullptr;
    std::array<QAction*, 4> SpeedItems{}; // VeryFast1, Fast1, Medium1, Slow1
    QAction* StrategyCards1 = nullptr;
    QAction* AutoDeal2 = nullptr;
    QAction* CardCount1 = nullptr;
    QAction* About1 = nullptr;
    QAction* Manual1 = nullptr;
    QAction* CountingCards1 = nullptr;
    QAction* Troubleshooting1 = nullptr;
    QAction* Catalog1 = nullptr;
    QAction* freeCD1 = nullptr;
    QAction* SecureOnlineOrders1 = nullptr;

    QTimer* Thinking = nullptr;
    QTimer* AutoModeTimer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void createControls();
    void createMenus();
    void createTimers();
    void SetSoundChecks();
    void ShowSeatPanels();
    bool SaveSettings();
    LayoutControls layoutControls() const;

    Game& game_;
    SpriteSheets sheets_;
    TableCanvas* canvas_ = nullptr;
    std::unique_ptr<SoundPlayers> sounds_;
    std::unique_ptr<HelpViewer> help_;
    THitStandForm* decisionWindow_ = nullptr;
    TWagerFrm* betWindow_ = nullptr;
    std::string lastSaveError_;
};

} // namespace dealmoor
