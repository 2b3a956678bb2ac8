#pragma once
// The decision window's advice: an action and the reason for it, worked out
// from the hand, the dealer's up card and the house rules alone (never from a
// strategy card, never from the count).

#include "engine/HandRules.h"

#include <string>
#include <string_view>

namespace dealmoor {

enum class HintAction { Hit, Stand, Double, Split };

// "Hit", "Stand", "Double" or "Split", as the hint words it.
std::string_view HintActionWord(HintAction action);

struct Advice {
    HintAction action = HintAction::Stand;
    std::string explanation; // the reason, starting "you should ..."
};

// Advice for a hand slot of CurrentSeat, given which choices are offered.
Advice AdviseHand(const Game& game, int slot, const DecisionOffer& offer);
// The action of that advice alone, without putting its reason into words.
HintAction AdvisedAction(const Game& game, int slot, const DecisionOffer& offer);

// The hint text the decision window shows for a hand slot.
std::string BuildHint(const Game& game, int slot, const DecisionOffer& offer);

// The hand's total as the hint line shows it beside the hint: "Your hand: 16",
// or "Your hand: soft 17" while an ace still counts eleven.
std::string HandTotalText(const Hand& hand);

// What playing the advice means for a hand offered `offer`: advice to double a
// hand that may not double is taken as a hit, advice to split one that may not
// split as a stand.
Decision HintDecision(HintAction action, const DecisionOffer& offer);

// CurrentSeat's current hand played as the hint advises.
Decision DecideByHint(const Game& game);
// The same, given what the hand is offered now (OfferFor).
Decision DecideByHint(const Game& game, const DecisionOffer& offer);

} // namespace dealmoor
