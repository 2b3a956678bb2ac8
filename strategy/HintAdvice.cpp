#include "strategy/HintAdvice.h"

#include "engine/Game.h"

#include <array>
#include <string>

namespace dealmoor {

namespace {

constexpr size_t HintActionMax = 26;   // "Hint:  You should " and the action
constexpr size_t HintPreambleMax = 65; // ... up to "the current rule settings, "
constexpr size_t HintExplanationMax = 200;
constexpr size_t HintMax = 255;

constexpr const char* HintStart = "Hint:  You should ";
constexpr const char* HintMiddle = ".  Based on the current rule settings, ";

// A two-card hand of 11 in a two-deck game against an ace: only (6,5) or (7,4) doubles.
constexpr int NoDoubleFloor = 99;
constexpr int FloorAboveEleven = 12;

// Advice before its words are joined: the action and the pieces its reason is
// made of, all fixed texts, so that playing by the hints never builds a string.
// A double on a range of hard totals names the range and the up card instead.
struct Reason {
    HintAction action = HintAction::Stand;
    std::array<std::string_view, 3> parts{};
    int doubleFloor = 0; // the range starts here; 0 when the reason is the parts
    int upCard = 0;

    std::string words() const;
};

Reason because(HintAction action, std::string_view text) {
    return {action, {text}};
}

bool singleDeck(const Game& game) {
    return game.HouseRules.Cards == CardsPerDeck;
}
bool sixDecksOrMore(const Game& game) {
    return game.HouseRules.Cards >= 4 * CardsPerDeck;
}

bool firstCardsAre(const Hand& hand, int first, int second) {
    return hand.Ranks[0] == first && hand.Ranks[1] == second;
}

// --- Hard totals ----------------------------------------------------------------

struct HardBand {
    int hitUpTo; // hit on this hard total or less, stand above it
    const char* hitText;
    const char* standText;
};

const HardBand& hardBand(int d) {
    static const HardBand LowCards = {
        12, "you should hit on a hard total of 12 or less when the dealer's up card is 2 or 3.",
        "you should stand on a hard total of 13 or more when the dealer's up card is 2 or 3."};
    static const HardBand BustCards = {
        11, "you should hit on a hard total of 11 or less when the dealer's up card is 4, 5 or 6.",
        "you should stand on a hard total of 12 or more when the dealer's up card is 4, 5 or 6."};
    static const HardBand HighCards = {
        16, "you should hit on a hard total of 16 or less when the dealer's up card is 7 or more.",
        "you should stand on a hard total of 17 or more when the dealer's up card is 7 or more."};
    if (d <= 3) {
        return LowCards;
    }
    return d <= 6 ? BustCards : HighCards;
}

Reason hardAdvice(const Game& game, const Hand& hand, int d) {
    if (singleDeck(game)) {
        if (firstCardsAre(hand, 7, 7) && d == 10) {
            return because(HintAction::Stand,
                           "you should stand when you have two Sevens against a dealer's 10 "
                           "in a single-deck game.");
        }
        if (firstCardsAre(hand, 4, 4) && (d == 5 || d == 6)) {
            return because(HintAction::Double,
                           "you should double-down with (4,4) when the dealer shows a 5 or "
                           "6 in a single-deck game only.");
        }
    }
    const HardBand& band = hardBand(d);
    if (hand.Total <= band.hitUpTo) {
        return because(HintAction::Hit, band.hitText);
    }
    return because(HintAction::Stand, band.standText);
}

// --- Soft totals ----------------------------------------------------------------

struct SoftBand {
    int hitUpTo; // hit on this soft total or less, stand above it
    const char* hitText;
    const char* standText;
};

const SoftBand& softBand(const Game& game, int d) {
    static const SoftBand UpToEight = {
        17, "you should hit on a soft hand of 17 or less when the dealer's up card is 8 or less.",
        "you should stand on a soft hand of 18 or more when the dealer's up card is 8 or less."};
    static const SoftBand NineOrTen = {
        18, "you should hit on a soft hand of 18 or less when the dealer's up card is 9 or 10.",
        "you should stand on a soft hand of 19 or more when the dealer's up card is 9 or 10."};
    static const SoftBand AceSingleDeck = {
        17, "you should hit on a soft hand of 17 or less when the dealer's up card is an Ace.",
        "you should stand on a soft hand of 18 or more when the dealer's up card is an Ace."};
    static const SoftBand AceSeveralDecks = {
        18, "you should hit on a soft hand of 18 or less when the dealer's up card is an Ace.",
        "you should stand on a soft hand of 19 or more when the dealer's up card is an Ace."};
    if (d <= 8) {
        return UpToEight;
    }
    if (d <= 10) {
        return NineOrTen;
    }
    return singleDeck(game) ? AceSingleDeck : AceSeveralDecks;
}

Reason softAdvice(const Game& game, const Hand& hand, int d) {
    const SoftBand& band = softBand(game, d);
    if (hand.Total <= band.hitUpTo) {
        return because(HintAction::Hit, band.hitText);
    }
    return because(HintAction::Stand, band.standText);
}

// --- Doubling -------------------------------------------------------------------

enum class Decks { Single, Several, Any };

struct SoftDouble {
    Decks decks;
    int d;
    int lowest;
    int highest;
    const char* text;
};

constexpr std::array<SoftDouble, 7> SoftDoubles = {{
    {Decks::Single, 2, 17, 17,
     "you should double-down against a Dealer Two when you have a Soft 17"},
    {Decks::Any, 3, 17, 18,
     "you should double-down against a Dealer Three when you have a Soft 17 or 18"},
    {Decks::Single, 4, 13, 18,
     "you should double-down against a Dealer Four when you have a Soft 13-18"},
    {Decks::Several, 4, 15, 18,
     "you should double-down against a Dealer Four when you have a Soft 15-18"},
    {Decks::Any, 5, 13, 18,
     "you should double-down against a Dealer Five when you have a Soft 13-18"},
    {Decks::Single, 6, 13, 19,
     "you should double-down against a Dealer Six when you have a Soft 13-19"},
    {Decks::Several, 6, 13, 18,
     "you should double-down against a Dealer Six when you have a Soft 13-18"},
}};

bool decksMatch(const Game& game, Decks decks) {
    return decks == Decks::Any || (decks == Decks::Single) == singleDeck(game);
}

std::string_view dealerName(int d) {
    static constexpr std::array<std::string_view, 12> Names = {
        "", "", "a 2", "a 3", "a 4", "a 5", "a 6", "a 7", "an 8", "a 9", "a 10", "an Ace"};
    return d >= 0 && d < static_cast<int>(Names.size()) ? Names[static_cast<size_t>(d)] : "";
}

// The lowest hard total worth doubling against the up card, before the house minimum.
int tableDoubleFloor(const Game& game, const Hand& hand, int d) {
    switch (d) {
    case 2:
        return sixDecksOrMore(game) ? 10 : 9;
    case 3:
    case 4:
        return 9;
    case 5:
    case 6:
        return singleDeck(game) ? 8 : 9;
    case 7:
    case 8:
    case 9:
        return 10;
    case 10:
        return 11;
    case 11:
        if (sixDecksOrMore(game)) {
            return FloorAboveEleven;
        }
        if (singleDeck(game)) {
            return 11;
        }
        return hand.Ranks[0] >= 4 && hand.Ranks[0] <= 7 ? NoDoubleFloor : FloorAboveEleven;
    default:
        return FloorAboveEleven;
    }
}

int doubleFloor(const Game& game, const Hand& hand, int d) {
    // A house minimum of 1 reads as 8.
    const int houseMinimum = game.HouseRules.DoubleMin == 1 ? 8 : game.HouseRules.DoubleMin;
    const int floor = tableDoubleFloor(game, hand, d);
    return floor < FloorAboveEleven && floor < houseMinimum ? houseMinimum : floor;
}

Reason doubleAdvice(const Game& game, const Hand& hand, int d) {
    if (hand.SoftAces > 0) {
        for (const SoftDouble& row : SoftDoubles) {
            if (decksMatch(game, row.decks) && row.d == d && row.lowest <= hand.Total &&
                hand.Total <= row.highest) {
                return because(HintAction::Double, row.text);
            }
        }
        return softAdvice(game, hand, d);
    }
    if (hand.Total > 11) {
        return hardAdvice(game, hand, d);
    }
    const int floor = doubleFloor(game, hand, d);
    if (floor <= hand.Total && hand.Total <= 11) {
        Reason reason{HintAction::Double};
        reason.doubleFloor = floor;
        reason.upCard = d;
        return reason;
    }
    if (hand.Total == 11 && floor == NoDoubleFloor && d == 11) {
        return because(HintAction::Double,
                       "you should double-down when you have (6,5) or (7,4) when the "
                       "dealer's up card is an ace.");
    }
    return hardAdvice(game, hand, d);
}

std::string Reason::words() const {
    if (doubleFloor == 0) {
        std::string text;
        for (std::string_view part : parts) {
            text += part;
        }
        return text;
    }
    const std::string range = doubleFloor == 11 ? "11" : std::to_string(doubleFloor) + "-11";
    return "you should double-down on " + range + " when the dealer's up card is " +
           std::string(dealerName(upCard)) + ".";
}

// --- Splitting ------------------------------------------------------------------

struct SplitRule {
    bool split;
    std::string_view lead;  // why to split, or what follows the hard-total reason
    std::string_view range; // the pair and the up cards it splits against, if any
};

// The usual pair rule: split within a range of up cards, else say which range.
SplitRule onlyWhen(bool split, std::string_view pairAndRange) {
    return {split, split ? "you should split " : "  You should only split ", pairAndRange};
}

SplitRule never(std::string_view otherwise) {
    return {false, otherwise, ""};
}

SplitRule splitRule(const Game& game, int rank, int d) {
    const bool single = singleDeck(game);
    const bool afterSplit = game.HouseRules.DoubleAfterSplit;
    switch (rank) {
    case 1:
    case 8:
        return {true,
                "you should always split Aces and Eights no matter what the dealer's up card is.",
                ""};
    case 2:
        if (afterSplit) {
            return onlyWhen(d <= 7, "Twos when the dealer's up card is Seven or less.");
        }
        if (single) {
            return onlyWhen(d >= 3 && d <= 7, "Twos when the dealer's up card is Three to Seven.");
        }
        return onlyWhen(d >= 4 && d <= 7, "Twos when the dealer's up card is Four to Seven.");
    case 3:
        if (afterSplit && single) {
            return onlyWhen(d >= 3 && d <= 7,
                            "Threes when the dealer's up card is Three to Seven.");
        }
        if (afterSplit) {
            return onlyWhen(d <= 7, "Threes when the dealer's up card is Seven or less.");
        }
        return onlyWhen(d >= 4 && d <= 7, "Threes when the dealer's up card is Four to Seven.");
    case 4:
        if (!afterSplit) {
            return never("  You should never split Fours.");
        }
        if (single) {
            return onlyWhen(d >= 4 && d <= 6, "Fours when the dealer's up card is Four to Six.");
        }
        return onlyWhen(d == 5 || d == 6, "Fours when the dealer's up card is Five or Six.");
    case 6:
        if (d >= 7) {
            return never(
                "  You should never split Sixes when the dealer's up card is Seven or more.");
        }
        if (single || afterSplit) {
            return onlyWhen(true, "Sixes when the dealer's up card is Six or less.");
        }
        return onlyWhen(d >= 3, "Sixes when the dealer's up card is Three to Six.");
    case 7:
        return onlyWhen(d <= 7, "Sevens when the dealer's up card is Seven or less.");
    case 9:
        return onlyWhen(d <= 6 || d == 8 || d == 9,
                        "Nines when the dealer's up card is less than Ten (except Seven).");
    case 5:
    case 10:
    case 11:
    case 12:
    case 13:
        return never("  You should never split Fives or Tens.");
    default:
        return never("");
    }
}

Reason splitAdvice(const Game& game, const Hand& hand, int d) {
    const SplitRule rule = splitRule(game, hand.Ranks[0], d);
    if (rule.split) {
        return {HintAction::Split, {rule.lead, rule.range}};
    }
    Reason reason = hardAdvice(game, hand, d);
    reason.parts[1] = rule.lead;
    reason.parts[2] = rule.range;
    return reason;
}

Reason reasonFor(const Game& game, int slot, const DecisionOffer& offer) {
    const Hand& hand = game.Hands[slot];
    const int d = DealerUpCardValue(game);
    if (offer.Split) {
        return splitAdvice(game, hand, d);
    }
    if (offer.Double) {
        return doubleAdvice(game, hand, d);
    }
    if (hand.SoftAces > 0) {
        return softAdvice(game, hand, d);
    }
    return hardAdvice(game, hand, d);
}

} // namespace

std::string_view HintActionWord(HintAction action) {
    switch (action) {
    case HintAction::Hit:
        return "Hit";
    case HintAction::Stand:
        return "Stand";
    case HintAction::Double:
        return "Double";
    case HintAction::Split:
        break;
    }
    return "Split";
}

Advice AdviseHand(const Game& game, int slot, const DecisionOffer& offer) {
    const Reason reason = reasonFor(game, slot, offer);
    return {reason.action, reason.words()};
}

HintAction AdvisedAction(const Game& game, int slot, const DecisionOffer& offer) {
    return reasonFor(game, slot, offer).action;
}

std::string BuildHint(const Game& game, int slot, const DecisionOffer& offer) {
    const Advice advice = AdviseHand(game, slot, offer);
    const std::string action =
        (HintStart + std::string(HintActionWord(advice.action))).substr(0, HintActionMax);
    const std::string preamble = (action + HintMiddle).substr(0, HintPreambleMax);
    return (preamble + advice.explanation.substr(0, HintExplanationMax)).substr(0, HintMax);
}

std::string HandTotalText(const Hand& hand) {
    return std::string("Your hand: ") + (hand.SoftAces > 0 ? "soft " : "") +
           std::to_string(hand.Total);
}

Decision HintDecision(HintAction action, const DecisionOffer& offer) {
    switch (action) {
    case HintAction::Split:
        return offer.Split ? Decision::Split : Decision::Stand;
    case HintAction::Double:
        return offer.Double ? Decision::Double : Decision::Hit;
    case HintAction::Hit:
        return Decision::Hit;
    case HintAction::Stand:
        break;
    }
    return Decision::Stand;
}

Decision DecideByHint(const Game& game) {
    return DecideByHint(game, OfferFor(game));
}

Decision DecideByHint(const Game& game, const DecisionOffer& offer) {
    if (game.CurrentSeat < 1 || game.CurrentSeat > MaxSeats) {
        return Decision::Stand;
    }
    const int slot = CurrentHandSlot(game);
    if (game.Hands[slot].CardCount >= MaxHandCards) {
        return Decision::Stand; // no room for an eighth card
    }
    return HintDecision(AdvisedAction(game, slot, offer), offer);
}

} // namespace dealmoor
