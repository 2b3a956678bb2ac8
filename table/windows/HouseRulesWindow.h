#pragma once
// The house rules window ("RulesFrm"): six framed groups of option buttons,
// each showing the value of one rule as its caption. The window edits a working
// copy of the live rules, read when it opens; OK commits the copy and starts the
// deal counter again, Cancel and the close box leave the live rules as they are.
//
// Under the buttons a line gives the house edge of the working copy with basic
// strategy (the hints' play), measured on worker threads: a moment after each
// change the run for the rules before it is dropped and a new one starts,
// refining its figure until the interval is narrow enough. A click never waits
// for it, and the run stops when the window closes.

#include "engine/HouseRules.h"
#include "setup/RuleCaptions.h"
#include "strategy/Evaluation.h"
#include "table/FiguresJob.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace dealmoor {

struct Game;

// Help topic of the house rules window and all its controls.
inline constexpr int HelpHouseRules = 41020;

class HouseRulesWindow : public QDialog {
    Q_OBJECT
public:
    // `programDir`: where the Help buttons' glyph lies (the running program's folder when empty).
    HouseRulesWindow(Game& game, QWidget* parent = nullptr, const std::string& programDir = {});

    // Opens a help topic (F1 and the groups' Help buttons); the caller sets it.
    std::function<void(int)> helpRequested;

    // The rules as the buttons show them, not yet in play.
    const HouseRules& workingCopy() const { return working_; }

    // How far the house edge is measured: at most plan.Deals deals, until the
    // interval's half-width is `precision` (by default up to 40,000,000 deals,
    // to within 0.05%).
    void setEdgePlan(const SimulationPlan& plan, double precision);
    // Whether the house edge is being measured or waits to be.
    bool measuringEdge() const;
    // Whether a measurement, stopped or not, still has a thread.
    bool edgeThreadsLeft() const { return job_.running() || job_.stopping() > 0; }

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls(const std::string& programDir);
    // Every option button's caption from the working copy.
    void refreshCaptions();
    void onOptionClicked(int button); // Button1..Button14 but 5 and 12
    void onInsurancePaysClicked();    // Button5 "Pays 2-1"
    void onStandardRulesClicked();    // Button12 "Use Standard Rules"
    void onOkClicked();               // BitBtn8
    void requestHelp();
    // The working copy changed: the edge shown is no longer its own.
    void rulesChanged();
    void measureEdge();
    void showEdge(const HouseEdge& figures);

    Game& game_;
    HouseRules working_;
    SimulationPlan edgePlan_;
    double edgePrecision_ = HouseEdgePrecision;
    FiguresJob job_;
    QLabel* edge_ = nullptr;                                  // the house edge with basic strategy
    QTimer* edgeDelay_ = nullptr;                             // a run starts once the clicks pause
    std::array<QPushButton*, RuleButtonCount + 1> options_{}; // Button1..Button14
};

} // namespace dealmoor
