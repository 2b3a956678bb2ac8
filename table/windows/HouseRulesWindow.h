#pragma once
// The house rules window ("RulesFrm"): six framed groups of option buttons,
// each showing the value of one rule as its caption. The window edits a working
// copy of the live rules, read when it opens; OK commits the copy and starts the
// deal counter again, Cancel and the close box leave the live rules as they are.

#include "engine/HouseRules.h"
#include "setup/RuleCaptions.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QPushButton;

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

    Game& game_;
    HouseRules working_;
    std::array<QPushButton*, RuleButtonCount + 1> options_{}; // Button1..Button14
};

} // namespace dealmoor
