#pragma once
// The house rules window's option buttons keep their values in their captions.
// A click reads the caption, moves to the next caption of the button's cycle
// and sets the fields that caption stands for in the window's working copy of
// the rules; the decision is made on the caption, never on the fields. When the
// window opens (and after "Use Standard Rules") every caption is refreshed from
// the working copy by a fixed list of tests, some of which produce captions no
// cycle holds; a click on such a caption starts its cycle from the first entry.

#include "engine/Game.h"
#include "engine/HouseRules.h"

#include <string>

namespace dealmoor {

// The option buttons are Button1..Button14 of the window. Button5 always shows
// "Pays 2-1" and Button12 restores the standard rules: neither has a cycle.
inline constexpr int RuleButtonCount = 14;
inline constexpr int InsurancePaysButton = 5;
inline constexpr int StandardRulesButton = 12;

// Whether button n (1..14) cycles through captions.
bool HasCaptionCycle(int button);

// The caption a button is created with.
std::string DesignCaption(int button);

// A click on a cycling button showing `caption`: the next caption of its cycle
// (a caption that is none of the cycle's entries moves to the first entry), whose
// fields are set in `working`. A button without a cycle keeps its caption.
std::string ClickRuleCaption(int button, const std::string& caption, HouseRules& working);

// The caption the refresh gives a button for `rules`; `caption`, the one it
// shows now, when none of the button's tests matches.
std::string RefreshRuleCaption(int button, const HouseRules& rules, const std::string& caption);

// OK: the working copy becomes the live rules, and the deal counter starts
// again so that the new game begins with a fresh shoe and a deal.
void CommitHouseRules(Game& game, const HouseRules& working);

} // namespace dealmoor
