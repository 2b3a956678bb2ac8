#pragma once
// The table window ("Animate"): the dealer view, the seat view and the six
// seat panels, the menus and buttons that drive the game, and its layout by
// size. It shows the Game and the settings record it is handed; what a button
// or a menu item does to the game is asked of the engine, and a deal's
// pictures, sounds and questions go through the TablePresenter it owns.

#include "engine/Counting.h"
#include "engine/Game.h"
#include "setup/CountPractice.h"
#include "setup/SettingsStore.h"
#include "setup/Zoom.h"
#include "strategy/StatisticsStore.h"
#include "strategy/TableStatistics.h"
#include "table/SpriteSheets.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace dealmoor {

struct TableSettings;
class CountCheckWindow;
class CountDrillWindow;
class FileChooser;
class HelpViewer;
class StrategyCardCommand;
class SeatPanelView;
class StatisticsWindow;
class TableCanvas;
class TablePresenter;
struct LayoutControls;

// Captions of the speed button, by Speed.
inline constexpr std::array<const char*, SpeedCount> SpeedCaptions = {
    "&Speed: Very Fast", "&Speed: Fast", "&Speed: Medium", "&Speed: Slow"};

class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window over a game the session has started: check marks from
    // the settings, maximised and laid out, speed shown, the seated characters'
    // pictures loaded and the table painted.
    TableWindow(Game& game, TableSettings& settings, QWidget* parent = nullptr);
    ~TableWindow() override;

    // The bet and decision windows, created once after the table window.
    void createDealWindows();
    // Where the settings are kept: after every deal, on every change, at closing.
    // Without a store nothing is written.
    void setStore(SettingsStore* store) { store_ = store; }
    // Where the statistics are kept: every deal the table plays is noted in
    // them. Without a store they are kept for this run only.
    void setStatisticsStore(StatisticsStore* store) { statisticsStore_ = store; }
    TableStatistics& statistics();
    // Tells the player, once, that the settings folder cannot keep anything.
    void reportSettingsProblem(const std::string& problem);

    // Closing without a question: a deal in progress is called off, its stakes
    // returned, the table saved as it stood before it (a logout, a shutdown, an
    // interrupt from the terminal).
    void closeQuietly();

    void setSpeed(Speed speed);
    // Shows the table at a percentage of its size, or ZoomToFit; kept in the settings.
    void setZoom(int zoom);
    // Screen pixels per table pixel now (the fitting size's own when fitting).
    double zoom() const { return zoom_; }
    // Places the views, buttons and panels for the window's size and zoom.
    void applyLayout();
    // The whole table: dealer at rest, the current seat's face, every panel.
    void repaintTable();

    TablePresenter& presenter() { return *presenter_; }
    HelpViewer& help() { return *help_; }
    TableCanvas& canvas() { return *canvas_; }
    // The pictures the table is drawn from, at the size of art its screen and zoom call for.
    const SpriteSheets& sheets() const { return sheets_; }

    // The file dialogs the Strategy Cards and Change Sounds commands ask
    // through; the real dialogs unless a test hands in its own.
    void setFileChooser(std::unique_ptr<FileChooser> files);
    // The strategy card window over `card`, with F1 help; true when closed with
    // Save. The player set-up window's Strategy buttons edit a seat's card
    // through this too.
    bool editCard(StrategyCard& card);

    // The settings file's message when it could not be written at closing ("" when it was).
    const std::string& lastSaveError() const { return lastSaveError_; }

    // The question asked when the player closes during a deal.
    static const char* const LeaveTheTableQuestion;
    // The question Card Count asks first while the player practises with the counts hidden.
    static const char* const ShowCountsQuestion;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    // The line under the table that shows the hand's total and the hint while a
    // human seat decides.
    void createHintLine();
    void showAdvice(const QString& handTotal, const QString& hint);
    void createZoomMenu(QMenu* options);
    void createCountingMenu(QMenu* options);
    // Layout and a fresh paint of the whole table, after a new size, zoom or screen.
    void relayout();
    // The sheets drawn for the canvas's density, loaded when it calls for the other size.
    void loadSheets();
    // Buttons, panels and the windows over the seat view grow with the zoom: their font and glyph.
    void zoomControls();
    void showStartUp();
    void setSoundChecks();
    void showZoomCheck();
    void showSeatPanels();
    // The Deal button's caption and the Auto Deal tick follow automatic dealing.
    void showAutoDeal();
    // A setting changed: the settings file follows.
    void settingChanged();
    // One deal on the table, noted in the statistics.
    void playDealWithStatistics();
    // A deal ended: the statistics, their window and the seat panels follow.
    void dealEnded();
    // New Game was confirmed: the current game's figures start again.
    void startGameFigures();
    void refreshStatisticsWindow();
    // The settings file written at closing, asking again when it cannot be: true
    // when the window may close.
    bool saveForClosing();
    // The player is asked whether to leave in the middle of a deal.
    bool leaveInTheMiddleOfADeal();
    // Closes as soon as the called-off deal has unwound.
    void closeOnceCalm();
    LayoutControls layoutControls() const;

    void onDealClicked();    // Button6 "&Deal": one deal; during automatic dealing, stops it
    void onNewGameChosen();  // New1: the player set-up, then a fresh game
    void onNewGameClicked(); // Button2: New Game once the player confirms
    // Runs a deal with New Game switched off, unless a deal runs already.
    void runDeal(const std::function<void()>& deal);
    void setNewGameEnabled(bool enabled);
    void onSpeedClicked(); // Button3: the next speed in the cycle
    void onCatalogClicked();
    void onHelpClicked(); // BitBtn1: the table window's topic
    // F1: the topic of the control that has the focus, also in the bet and
    // decision windows over the seat view.
    void onHelpKey();
    void onAutoDealToggled(bool on);
    void onAutoDealTimer();
    void onSeatPanelClicked(int seat); // Image1Click: the seat's name and money
    void onCardCountChosen();
    void onStrategyCardsChosen();    // StrategyCards1: open, edit and save a card file
    void onChangeSoundsChosen();     // ChangeSounds1: the sound choice window
    void onStatisticsChosen();       // Statistics1: the statistics window, beside the table
    void onPractiseToggled(bool on); // PractiseCount1
    void onCountPracticeChosen();    // CountPractice1: the practice's settings
    void onCountDrillsChosen();      // CountDrills1: the Count Drill window, beside the table
    void practiceChanged(const CountPractice& practice);
    // Between deals the caption shows the last deal's counts, or the cards
    // dealt alone while the practice hides them.
    void showCountsCaption();
    // After a deal that stored `counts`: the table checks the player's count
    // when the practice says it is time.
    void checkTheCountIfDue(const StoredCounts& counts);
    void runCountCheck(const StoredCounts& counts);
    void placeCountCheck();
    // Checks and drill rounds go into the statistics and their file.
    void recordCounting(const std::vector<CountingRound>& rounds);
    // Card Count while the counts are hidden: true when the player wants them shown.
    bool showCountsWhilePractising();
    void showProductInformation();

    Game& game_;
    TableSettings& settings_;
    SpriteSheets sheets_;
    SettingsStore* store_ = nullptr;
    StatisticsStore* statisticsStore_ = nullptr;
    TableStatistics unsavedStatistics_; // without a store
    QPointer<StatisticsWindow> statisticsWindow_;
    QPointer<CountDrillWindow> drillWindow_;
    CountCheckWindow* countCheck_ = nullptr; // made at the first check, over the table
    CheckSchedule checkSchedule_;
    RandomSource checkRandom_; // the checks at random
    std::string lastSaveError_;
    bool closeQuietly_ = false;   // no questions: the desktop or a signal closes the game
    bool closeAfterDeal_ = false; // closing waits for the called-off deal to unwind
    std::unique_ptr<HelpViewer> help_;
    std::unique_ptr<FileChooser> files_;
    std::unique_ptr<StrategyCardCommand> cardCommand_;
    TableCanvas* canvas_ = nullptr;
    TablePresenter* presenter_ = nullptr;

    QPushButton* dealButton_ = nullptr;    // Button6 "&Deal"
    QPushButton* newGameButton_ = nullptr; // Button2 "&New Game"
    QPushButton* speedButton_ = nullptr;   // Button3
    QPushButton* exitButton_ = nullptr;    // Button4 "E&xit"
    QPushButton* helpButton_ = nullptr;    // BitBtn1
    QPushButton* catalogButton_ = nullptr; // Button1 "&Catalog"
    std::array<SeatPanelView*, MaxSeats + 1> panels_{};
    QLabel* handTotal_ = nullptr; // HandTotal: "Your hand: 16"
    QLabel* hintLine_ = nullptr;  // HintLine: the decision window's hint

    QAction* newGame_ = nullptr; // New1
    QAction* hints_ = nullptr;   // On1
    QAction* soundOn_ = nullptr; // SoundOn1
    QAction* blackjackSound_ = nullptr;
    QAction* cardDealSound_ = nullptr;
    QAction* loseSound_ = nullptr;
    QAction* shuffleSound_ = nullptr;
    QAction* winSound_ = nullptr;
    std::array<QAction*, SpeedCount> speedItems_{};      // VeryFast1, Fast1, Medium1, Slow1
    QAction* autoDeal_ = nullptr;                        // AutoDeal2
    std::array<QAction*, ZoomSteps.size()> zoomItems_{}; // Zoom100 .. Zoom200
    QAction* zoomFit_ = nullptr;                         // ZoomFit
    QAction* practise_ = nullptr;                        // PractiseCount1

    double zoom_ = 1;
    double controlsZoom_ = 1;    // the zoom the buttons' font and glyph were last sized for
    bool followsScreen_ = false; // a move to another screen lays the table out again
};

} // namespace dealmoor
