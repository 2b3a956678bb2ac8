// The house rules window's captions without a window: each option button's
// cycle and the fields every caption sets, the refresh from a rules record with
// its odd cases, and what OK commits.

#include "setup/RuleCaptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dealmoor {
namespace {

// One click: the caption it leads to and the rules the working copy then holds.
struct Step {
    std::string caption;
    HouseRules after;
};

// Clicks a button from its design caption through `steps`, checking each.
void ExpectCycle(int button, const std::vector<Step>& steps) {
    HouseRules working;
    std::string caption = DesignCaption(button);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("Button" + std::to_string(button) + " click " + std::to_string(i + 1));
        caption = ClickRuleCaption(button, caption, working);
        EXPECT_EQ(caption, steps[i].caption);
        EXPECT_EQ(working, steps[i].after);
    }
}

TEST(RuleCaptions, FiveClicksOnTheTableLimitComeBackToFiveToFiveHundred) {
    auto limits = [](double min, double max) {
        HouseRules rules;
        rules.TableMin = min;
        rules.TableMax = max;
        return rules;
    };
    ExpectCycle(9, {{"Table Limit $25 to $1000", limits(25, 1000)},
                    {"Table Limit $1 to $Unlimited", limits(1, 100000000.0)},
                    {"Table Limit $1 to $150", limits(1, 150)},
                    {"Table Limit $2 - $250", limits(2, 250)},
                    {"Table Limit $5 to $500", limits(5, 500)}});
}

TEST(RuleCaptions, TheDeckButtonStartsAtFourDecksAndGoesRound) {
    auto decks = [](int32_t cards) {
        HouseRules rules;
        rules.Cards = cards;
        return rules;
    };
    EXPECT_EQ(DesignCaption(13), "Four-Deck Shoe");
    ExpectCycle(13, {{"Six-Deck Shoe", decks(312)},
                     {"Eight-Deck Shoe", decks(416)},
                     {"Single Deck", decks(52)},
                     {"Two-Deck Shoe", decks(104)},
                     {"Four-Deck Shoe", decks(208)}});
}

TEST(RuleCaptions, DoublingGoesFromNineToElevenToAnyTwoCards) {
    auto doubling = [](int32_t min, int32_t max) {
        HouseRules rules;
        rules.DoubleMin = min;
        rules.DoubleMax = max;
        return rules;
    };
    ExpectCycle(1, {{"Double on 10 or 11 only", doubling(10, 11)},
                    {"Double on any two cards", doubling(1, 21)},
                    {"Double on 9, 10, or 11 only", doubling(9, 11)}});
}

TEST(RuleCaptions, SpecialPayoffsAreExclusive) {
    // The settings file may switch on all three; a click leaves exactly one.
    HouseRules working;
    working.Special777 = working.Special678 = working.Special6Cards = true;
    struct Expected {
        const char* caption;
        bool sevens, sixSevenEight, sixCards;
    };
    const std::vector<Expected> steps = {{"7-7-7 pays 2-1", true, false, false},
                                         {"6-7-8 pays 2-1", false, true, false},
                                         {"6 Cards/Automatic Win", false, false, true},
                                         {"No Special Payoffs", false, false, false}};
    std::string caption = "No Special Payoffs";
    for (const Expected& e : steps) {
        SCOPED_TRACE(e.caption);
        caption = ClickRuleCaption(11, caption, working);
        EXPECT_EQ(caption, e.caption);
        EXPECT_EQ(working.Special777, e.sevens);
        EXPECT_EQ(working.Special678, e.sixSevenEight);
        EXPECT_EQ(working.Special6Cards, e.sixCards);
    }
}

TEST(RuleCaptions, TwoWayButtonsToggleTheirField) {
    struct Case {
        int button;
        const char* design;
        const char* other;
        bool (*field)(const HouseRules&);
        bool designValue;
    };
    const std::vector<Case> cases = {
        {2, "No Doubling after Splitting", "Can Double after Splitting",
         [](const HouseRules& r) { return r.DoubleAfterSplit; }, false},
        {3, "Split Aces get only one card", "Hitting allowed on Split Aces",
         [](const HouseRules& r) { return r.HitSplitAces; }, false},
        {4, "Split any Face Cards (or 10)", "Split only actual pairs",
         [](const HouseRules& r) { return r.SplitAnyFaceCard; }, true},
        {6, "Bet up to 1/2 of table bet", "Bet any amount",
         [](const HouseRules& r) { return r.InsuranceAnyAmount; }, false},
        {7, "No Surrender", "Surrender", [](const HouseRules& r) { return r.LateSurrender; },
         false},
        {8, "Dealer hits soft 17s", "Dealer stands on all 17s",
         [](const HouseRules& r) { return r.HitSoft17; }, true},
        {10, "Blackjack pays 3-2", "Blackjack pays 2-1",
         [](const HouseRules& r) { return r.BlackjackPays == 2.0; }, false},
        {14, "Players' Cards Face-Up", "Players' Cards Face-Down",
         [](const HouseRules& r) { return r.FaceUp; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(DesignCaption(c.button), c.design);
        HouseRules working;
        EXPECT_EQ(ClickRuleCaption(c.button, c.design, working), c.other);
        EXPECT_EQ(c.field(working), !c.designValue);
        EXPECT_EQ(ClickRuleCaption(c.button, c.other, working), c.design);
        EXPECT_EQ(c.field(working), c.designValue);
    }
}

TEST(RuleCaptions, ButtonsWithoutACycleChangeNothing) {
    for (int button : {5, 12}) {
        SCOPED_TRACE(button);
        EXPECT_FALSE(HasCaptionCycle(button));
        HouseRules working;
        EXPECT_EQ(ClickRuleCaption(button, DesignCaption(button), working), DesignCaption(button));
        EXPECT_EQ(working, HouseRules{});
    }
    EXPECT_EQ(DesignCaption(5), "Pays 2-1");
    EXPECT_EQ(DesignCaption(12), "Use Standard Rules");
}

TEST(RuleCaptions, RefreshShowsTheRulesWithItsOddCases) {
    struct Case {
        const char* name;
        void (*rules)(HouseRules&);
        int button;
        const char* shown;
        const char* nextClick; // where one click from the shown caption leads
    };
    const std::vector<Case> cases = {
        {"one to 150", [](HouseRules& r) { r.TableMin = 1, r.TableMax = 150; }, 9,
         "Table Limit $1 to $150", "Table Limit $2 - $250"},
        {"one to 200", [](HouseRules& r) { r.TableMin = 1, r.TableMax = 200; }, 9,
         "Table Limit $1 to $200", "Table Limit $5 to $500"},
        {"100 to 5000 only from the settings file",
         [](HouseRules& r) { r.TableMin = 100, r.TableMax = 5000; }, 9, "Table Limit $100 to $5000",
         "Table Limit $5 to $500"},
        {"the refresh writes 2 to 250 its own way",
         [](HouseRules& r) { r.TableMin = 2, r.TableMax = 250; }, 9, "Table Limit $2 to $250",
         "Table Limit $5 to $500"},
        {"a known minimum wins over an unlimited maximum",
         [](HouseRules& r) { r.TableMin = 5, r.TableMax = 20000; }, 9, "Table Limit $5 to $500",
         "Table Limit $25 to $1000"},
        {"unlimited", [](HouseRules& r) { r.TableMin = 1, r.TableMax = 100000000.0; }, 9,
         "Table Limit $1 to $Unlimited", "Table Limit $1 to $150"},
        {"early surrender", [](HouseRules& r) { r.EarlySurrender = true; }, 7, "Early Surrender",
         "No Surrender"},
        {"late surrender is shown over early",
         [](HouseRules& r) { r.EarlySurrender = r.LateSurrender = true; }, 7, "Surrender",
         "No Surrender"},
        {"a payout of 1.75", [](HouseRules& r) { r.BlackjackPays = 1.75; }, 10,
         "Blackjack pays 3-2", "Blackjack pays 2-1"},
        {"the last special payoff set is shown",
         [](HouseRules& r) { r.Special777 = r.Special678 = true; }, 11, "6-7-8 pays 2-1",
         "6 Cards/Automatic Win"},
        {"standard rules deal face down", [](HouseRules&) {}, 14, "Players' Cards Face-Down",
         "Players' Cards Face-Up"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HouseRules rules;
        c.rules(rules);
        const std::string shown = RefreshRuleCaption(c.button, rules, DesignCaption(c.button));
        EXPECT_EQ(shown, c.shown);
        HouseRules working = rules;
        EXPECT_EQ(ClickRuleCaption(c.button, shown, working), c.nextClick);
    }
}

TEST(RuleCaptions, AClickOnTheSurrenderButtonNeverSetsEarlySurrender) {
    HouseRules working;
    working.EarlySurrender = true;
    std::string caption = RefreshRuleCaption(7, working, DesignCaption(7));
    ASSERT_EQ(caption, "Early Surrender");
    caption = ClickRuleCaption(7, caption, working);
    EXPECT_EQ(caption, "No Surrender");
    EXPECT_TRUE(working.EarlySurrender);
    EXPECT_FALSE(working.LateSurrender);
    EXPECT_EQ(RefreshRuleCaption(7, working, caption), "Early Surrender")
        << "the next opening shows it again";
}

TEST(RuleCaptions, AValueNoTestMatchesKeepsTheCaptionShown) {
    HouseRules odd;
    odd.DoubleMin = 8;
    odd.Cards = 300;
    odd.TableMin = 3;
    odd.TableMax = 300;
    for (int button : {1, 9, 13}) {
        SCOPED_TRACE(button);
        EXPECT_EQ(RefreshRuleCaption(button, odd, "as created"), "as created");
    }
    EXPECT_EQ(RefreshRuleCaption(13, odd, DesignCaption(13)), "Four-Deck Shoe");
}

TEST(RuleCaptions, OkCommitsTheWorkingCopyAndStartsTheCountAgain) {
    Game game;
    game.TotalHands = 12;
    HouseRules working = game.HouseRules;
    working.Cards = 312;
    CommitHouseRules(game, working);
    EXPECT_EQ(game.HouseRules, working);
    EXPECT_EQ(game.TotalHands, 0);

    game.TotalHands = 3;
    CommitHouseRules(game, game.HouseRules); // OK without changes
    EXPECT_EQ(game.TotalHands, 0);
}

} // namespace
} // namespace dealmoor
