#include "setup/RuleCaptions.h"

#include <array>
#include <vector>

namespace dealmoor {

namespace {

// Every caption the option buttons show, each in one place.
constexpr const char* DoubleNineToEleven = "Double on 9, 10, or 11 only";
constexpr const char* DoubleTenOrEleven = "Double on 10 or 11 only";
constexpr const char* DoubleAnyTwo = "Double on any two cards";
constexpr const char* NoDoubleAfterSplit = "No Doubling after Splitting";
constexpr const char* CanDoubleAfterSplit = "Can Double after Splitting";
constexpr const char* SplitAcesOneCard = "Split Aces get only one card";
constexpr const char* SplitAcesHit = "Hitting allowed on Split Aces";
constexpr const char* SplitAnyTens = "Split any Face Cards (or 10)";
constexpr const char* SplitPairsOnly = "Split only actual pairs";
constexpr const char* InsurancePays = "Pays 2-1";
constexpr const char* InsuranceHalf = "Bet up to 1/2 of table bet";
constexpr const char* InsuranceAny = "Bet any amount";
constexpr const char* NoSurrender = "No Surrender";
constexpr const char* SurrenderLate = "Surrender";
constexpr const char* SurrenderEarly = "Early Surrender";
constexpr const char* HitsSoft17 = "Dealer hits soft 17s";
constexpr const char* StandsOn17 = "Dealer stands on all 17s";
constexpr const char* Limit5To500 = "Table Limit $5 to $500";
constexpr const char* Limit25To1000 = "Table Limit $25 to $1000";
constexpr const char* Limit1ToUnlimited = "Table Limit $1 to $Unlimited";
constexpr const char* Limit1To150 = "Table Limit $1 to $150";
constexpr const char* Limit2To250Click = "Table Limit $2 - $250";
constexpr const char* Limit1To200 = "Table Limit $1 to $200";
constexpr const char* Limit2To250 = "Table Limit $2 to $250";
constexpr const char* Limit100To5000 = "Table Limit $100 to $5000";
constexpr const char* Blackjack3To2 = "Blackjack pays 3-2";
constexpr const char* Blackjack2To1 = "Blackjack pays 2-1";
constexpr const char* NoSpecials = "No Special Payoffs";
constexpr const char* Sevens = "7-7-7 pays 2-1";
constexpr const char* SixSevenEight = "6-7-8 pays 2-1";
constexpr const char* SixCards = "6 Cards/Automatic Win";
constexpr const char* UseStandardRules = "Use Standard Rules";
constexpr const char* OneDeck = "Single Deck";
constexpr const char* TwoDecks = "Two-Deck Shoe";
constexpr const char* FourDecks = "Four-Deck Shoe";
constexpr const char* SixDecks = "Six-Deck Shoe";
constexpr const char* EightDecks = "Eight-Deck Shoe";
constexpr const char* CardsFaceUp = "Players' Cards Face-Up";
constexpr const char* CardsFaceDown = "Players' Cards Face-Down";

// Above this maximum the table has no real limit.
constexpr double UnlimitedAbove = 10000.0;

using Setter = void (*)(HouseRules&);
using Test = bool (*)(const HouseRules&);

struct CycleEntry {
    const char* caption;
    Setter set;
};

struct RefreshTest {
    Test matches;
    const char* caption;
};

struct RuleButton {
    std::vector<CycleEntry> cycle;    // in click order
    std::vector<RefreshTest> refresh; // in order: a later match overwrites an earlier one
    const char* design = nullptr;     // the first entry of the cycle unless given
};

// The window sets at most one special payoff.
void onlySpecial(HouseRules& r, bool sevens, bool sixSevenEight, bool sixCards) {
    r.Special777 = sevens;
    r.Special678 = sixSevenEight;
    r.Special6Cards = sixCards;
}

void doubling(HouseRules& r, int32_t min, int32_t max) {
    r.DoubleMin = min;
    r.DoubleMax = max;
}

void limits(HouseRules& r, double min, double max) {
    r.TableMin = min;
    r.TableMax = max;
}

using Buttons = std::array<RuleButton, RuleButtonCount + 1>;

Buttons makeButtons() {
    Buttons b;
    b[1] = {{{DoubleNineToEleven, [](HouseRules& r) { doubling(r, 9, 11); }},
             {DoubleTenOrEleven, [](HouseRules& r) { doubling(r, 10, 11); }},
             {DoubleAnyTwo, [](HouseRules& r) { doubling(r, 1, 21); }}},
            {{[](const HouseRules& r) { return r.DoubleMin == 9; }, DoubleNineToEleven},
             {[](const HouseRules& r) { return r.DoubleMin == 10; }, DoubleTenOrEleven},
             {[](const HouseRules& r) { return r.DoubleMin == 1; }, DoubleAnyTwo}}};
    b[2] = {{{NoDoubleAfterSplit, [](HouseRules& r) { r.DoubleAfterSplit = false; }},
             {CanDoubleAfterSplit, [](HouseRules& r) { r.DoubleAfterSplit = true; }}},
            {{[](const HouseRules& r) { return !r.DoubleAfterSplit; }, NoDoubleAfterSplit},
             {[](const HouseRules& r) { return r.DoubleAfterSplit; }, CanDoubleAfterSplit}}};
    b[3] = {{{SplitAcesOneCard, [](HouseRules& r) { r.HitSplitAces = false; }},
             {SplitAcesHit, [](HouseRules& r) { r.HitSplitAces = true; }}},
            {{[](const HouseRules& r) { return !r.HitSplitAces; }, SplitAcesOneCard},
             {[](const HouseRules& r) { return r.HitSplitAces; }, SplitAcesHit}}};
    b[4] = {{{SplitAnyTens, [](HouseRules& r) { r.SplitAnyFaceCard = true; }},
             {SplitPairsOnly, [](HouseRules& r) { r.SplitAnyFaceCard = false; }}},
            {{[](const HouseRules& r) { return r.SplitAnyFaceCard; }, SplitAnyTens},
             {[](const HouseRules& r) { return !r.SplitAnyFaceCard; }, SplitPairsOnly}}};
    b[InsurancePaysButton] = {{}, {}, InsurancePays};
    b[6] = {{{InsuranceHalf, [](HouseRules& r) { r.InsuranceAnyAmount = false; }},
             {InsuranceAny, [](HouseRules& r) { r.InsuranceAnyAmount = true; }}},
            {{[](const HouseRules& r) { return !r.InsuranceAnyAmount; }, InsuranceHalf},
             {[](const HouseRules& r) { return r.InsuranceAnyAmount; }, InsuranceAny}}};
    // Early surrender is shown, but only the settings file sets it.
    b[7] = {
        {{NoSurrender, [](HouseRules& r) { r.LateSurrender = false; }},
         {SurrenderLate, [](HouseRules& r) { r.LateSurrender = true; }}},
        {{[](const HouseRules& r) { return r.EarlySurrender; }, SurrenderEarly},
         {[](const HouseRules& r) { return r.LateSurrender; }, SurrenderLate},
         {[](const HouseRules& r) { return !r.EarlySurrender && !r.LateSurrender; }, NoSurrender}}};
    b[8] = {{{HitsSoft17, [](HouseRules& r) { r.HitSoft17 = true; }},
             {StandsOn17, [](HouseRules& r) { r.HitSoft17 = false; }}},
            {{[](const HouseRules& r) { return r.HitSoft17; }, HitsSoft17},
             {[](const HouseRules& r) { return !r.HitSoft17; }, StandsOn17}}};
    // The maximum is tested first, then the minimum, so a known minimum wins.
    b[9] = {{{Limit5To500, [](HouseRules& r) { limits(r, 5, 500); }},
             {Limit25To1000, [](HouseRules& r) { limits(r, 25, 1000); }},
             {Limit1ToUnlimited, [](HouseRules& r) { limits(r, 1, UnlimitedTableMax); }},
             {Limit1To150, [](HouseRules& r) { limits(r, 1, 150); }},
             {Limit2To250Click, [](HouseRules& r) { limits(r, 2, 250); }}},
            {{[](const HouseRules& r) { return r.TableMax > UnlimitedAbove; }, Limit1ToUnlimited},
             {[](const HouseRules& r) { return r.TableMax == 200; }, Limit1To200},
             {[](const HouseRules& r) { return r.TableMax == 150; }, Limit1To150},
             {[](const HouseRules& r) { return r.TableMin == 2; }, Limit2To250},
             {[](const HouseRules& r) { return r.TableMin == 5; }, Limit5To500},
             {[](const HouseRules& r) { return r.TableMin == 25; }, Limit25To1000},
             {[](const HouseRules& r) { return r.TableMin == 100; }, Limit100To5000}}};
    b[10] = {{{Blackjack3To2, [](HouseRules& r) { r.BlackjackPays = 1.5; }},
              {Blackjack2To1, [](HouseRules& r) { r.BlackjackPays = 2.0; }}},
             {{[](const HouseRules& r) { return r.BlackjackPays == 2.0; }, Blackjack2To1},
              {[](const HouseRules& r) { return r.BlackjackPays != 2.0; }, Blackjack3To2}}};
    b[11] = {
        {{NoSpecials, [](HouseRules& r) { onlySpecial(r, false, false, false); }},
         {Sevens, [](HouseRules& r) { onlySpecial(r, true, false, false); }},
         {SixSevenEight, [](HouseRules& r) { onlySpecial(r, false, true, false); }},
         {SixCards, [](HouseRules& r) { onlySpecial(r, false, false, true); }}},
        {{[](const HouseRules& r) { return r.Special777; }, Sevens},
         {[](const HouseRules& r) { return r.Special678; }, SixSevenEight},
         {[](const HouseRules& r) { return r.Special6Cards; }, SixCards},
         {[](const HouseRules& r) { return !r.Special777 && !r.Special678 && !r.Special6Cards; },
          NoSpecials}}};
    b[StandardRulesButton] = {{}, {}, UseStandardRules};
    b[13] = {{{OneDeck, [](HouseRules& r) { r.Cards = 52; }},
              {TwoDecks, [](HouseRules& r) { r.Cards = 104; }},
              {FourDecks, [](HouseRules& r) { r.Cards = 208; }},
              {SixDecks, [](HouseRules& r) { r.Cards = 312; }},
              {EightDecks, [](HouseRules& r) { r.Cards = 416; }}},
             {{[](const HouseRules& r) { return r.Cards == 52; }, OneDeck},
              {[](const HouseRules& r) { return r.Cards == 104; }, TwoDecks},
              {[](const HouseRules& r) { return r.Cards == 208; }, FourDecks},
              {[](const HouseRules& r) { return r.Cards == 312; }, SixDecks},
              {[](const HouseRules& r) { return r.Cards == 416; }, EightDecks}},
             FourDecks};
    b[14] = {{{CardsFaceUp, [](HouseRules& r) { r.FaceUp = true; }},
              {CardsFaceDown, [](HouseRules& r) { r.FaceUp = false; }}},
             {{[](const HouseRules& r) { return r.FaceUp; }, CardsFaceUp},
              {[](const HouseRules& r) { return !r.FaceUp; }, CardsFaceDown}}};
    return b;
}

const RuleButton* ruleButton(int button) {
    static const Buttons buttons = makeButtons();
    if (button < 1 || button > RuleButtonCount) {
        return nullptr;
    }
    return &buttons[static_cast<std::size_t>(button)];
}

} // namespace

bool HasCaptionCycle(int button) {
    const RuleButton* b = ruleButton(button);
    return b != nullptr && !b->cycle.empty();
}

std::string DesignCaption(int button) {
    const RuleButton* b = ruleButton(button);
    if (b == nullptr) {
        return "";
    }
    return b->design != nullptr ? b->design : b->cycle.front().caption;
}

std::string ClickRuleCaption(int button, const std::string& caption, HouseRules& working) {
    if (!HasCaptionCycle(button)) {
        return caption;
    }
    const std::vector<CycleEntry>& cycle = ruleButton(button)->cycle;
    // The caption is compared with the entries in order; the last entry, and
    // any caption the cycle does not hold, lead back to the first.
    std::size_t next = 0;
    for (std::size_t i = 0; i + 1 < cycle.size(); ++i) {
        if (caption == cycle[i].caption) {
            next = i + 1;
            break;
        }
    }
    cycle[next].set(working);
    return cycle[next].caption;
}

std::string RefreshRuleCaption(int button, const HouseRules& rules, const std::string& caption) {
    const RuleButton* b = ruleButton(button);
    std::string shown = caption;
    if (b == nullptr) {
        return shown;
    }
    for (const RefreshTest& test : b->refresh) {
        if (test.matches(rules)) {
            shown = test.caption;
        }
    }
    return shown;
}

void CommitHouseRules(Game& game, const HouseRules& working) {
    game.HouseRules = working;
    game.TotalHands = 0;
}

} // namespace dealmoor
