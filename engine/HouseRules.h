#pragma once
// The house rules: how the table plays. One live record for the program; the
// house rules window edits a working copy and commits it whole.

#include <cstdint>

namespace dealmoor {

// "Unlimited" table maximum as stored in the settings file.
inline constexpr double UnlimitedTableMax = 100000000.0;

struct HouseRules {
    int32_t Cards = 208;             // cards in the shoe: 52 per deck (52..416)
    bool HitSoft17 = true;           // dealer draws on a soft 17
    bool Split = false;              // carried through the settings file; play ignores it
    bool HitSplitAces = false;       // split aces may take more than one card
    bool SplitAnyFaceCard = true;    // any two ten-valued cards form a pair
    int32_t DoubleMin = 9;           // lowest two-card total that may double
    int32_t DoubleMax = 11;          // highest two-card total that may double
    int32_t DoubleMaxCards = 2;      // carried through the settings file; play ignores it
    bool DoubleAfterSplit = false;   // a split hand may double
    bool EarlySurrender = false;     // shown by the rules window; play ignores it
    bool LateSurrender = false;      // surrender offered after the dealer's blackjack check
    bool InsuranceAnyAmount = false; // insurance up to the table maximum, not half the bet
    bool Special777 = false;         // 7-7-7 pays 2 to 1
    bool Special678 = false;         // 6-7-8 pays 2 to 1
    bool Special6Cards = false;      // six cards without busting win at once
    bool FaceUp = false;             // players' first two cards are dealt face up
    double BlackjackPays = 1.5;      // multiple of the bet paid on a player blackjack
    double TableMin = 5.0;
    double TableMax = 500.0;

    bool operator==(const HouseRules&) const = default;
};

// The smallest table minimum the game plays with: every stake is worth something.
inline constexpr double LowestTableMin = 0.50;
// What a blackjack may pay, besides the stake: from even money to 3 to 1.
inline constexpr double LowestBlackjackPays = 1.0;
inline constexpr double HighestBlackjackPays = 3.0;

// The standard rules: what a first run plays and what "Use Standard Rules" restores.
void ApplyStandardRules(HouseRules& rules);

// Brings the money rules of a record read from a file within the range where
// the rules hold: a table minimum of at least 0.50 (below the largest money
// amount), a maximum no lower than the minimum, and a blackjack payoff
// between 1 and 3.
void KeepMoneyRulesInRange(HouseRules& rules);

} // namespace dealmoor
