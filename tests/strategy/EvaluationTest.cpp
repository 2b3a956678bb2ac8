// A strategy card against the hints on the same shoes, the house edge of a set
// of rules, and the cells where a card parts from the hints.

#include "strategy/Evaluation.h"
#include "engine/HouseRules.h"
#include "engine/StrategyCard.h"
#include "strategy/StrategyFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

HouseRules standardRules() {
    HouseRules rules;
    ApplyStandardRules(rules);
    return rules;
}

// The card that plays every cell as the hints do under `rules`.
StrategyCard hintsCard(const HouseRules& rules) {
    const CardAdvice advice = CompareWithHints(rules, StrategyCard{});
    StrategyCard card;
    for (std::size_t i = 0; i < CardCells; ++i) {
        card.Cells[i] = advice[i].HintCode;
    }
    return card;
}

constexpr int HardElevenRow = 28;
constexpr int HardTenRow = 29;
constexpr int PairOfFivesRow = 7;
constexpr int SoftEighteenRow = 13;
constexpr int TenColumn = 9;
constexpr int AceColumn = 10;

SimulationPlan planOf(int64_t deals, unsigned threads, uint32_t seed = 20240611) {
    SimulationPlan plan;
    plan.Deals = deals;
    plan.Threads = threads;
    plan.Seed = seed;
    plan.ChunkDeals = 10'000;
    return plan;
}

// ---- A card against the hints ------------------------------------------------------

// Standing on every hard 11 is a plain mistake: played on the same shoes as the
// hints, the card's loss shows with the right sign in an interval far tighter
// than either result's own.
TEST(CardTest, DifferenceOfABadCellHasTheRightSignAndATighterInterval) {
    const HouseRules rules = standardRules();
    StrategyCard card = hintsCard(rules);
    for (int column = 1; column <= CardColumns; ++column) {
        card.cell(column, HardElevenRow) = ActionStand;
    }
    std::atomic<bool> stop{false};
    int reports = 0;
    const CardTestOutcome outcome = TestStrategyCard(
        rules, card, planOf(100'000, 2), [&](const CardTest&) { ++reports; }, stop);

    ASSERT_TRUE(outcome.Playable);
    EXPECT_EQ(outcome.End, RunEnd::Complete);
    const CardTest& figures = outcome.Figures;
    EXPECT_EQ(figures.deals(), 100'000);
    EXPECT_EQ(reports, 10) << "one report for every chunk";
    const RatioEstimate byCard = EstimatePerUnit(figures.Card);
    const RatioEstimate byHints = EstimatePerUnit(figures.Hints);
    const RatioEstimate difference = EstimatePerUnit(figures.Difference);
    EXPECT_LT(difference.PerUnit + difference.HalfWidth, 0) << "the card loses more, surely";
    EXPECT_NEAR(difference.PerUnit, byCard.PerUnit - byHints.PerUnit, 1e-12);
    EXPECT_LT(difference.HalfWidth, byCard.HalfWidth / 2);
    EXPECT_LT(difference.HalfWidth, byHints.HalfWidth / 2);
}

// With four decks or more the hints go by the total alone, so their own card,
// played against them, never differs by a cent. (With fewer decks some hints
// go by the very cards, such as a pair of sevens in a single deck, which no
// card can follow.)
TEST(CardTest, TheHintsOwnCardMatchesTheHintsDealForDeal) {
    HouseRules anyTwo = standardRules();
    anyTwo.Cards = 416;
    anyTwo.DoubleMin = 2;
    anyTwo.DoubleMax = 21;
    anyTwo.DoubleAfterSplit = true;
    anyTwo.HitSoft17 = false;
    for (const HouseRules& rules : {standardRules(), anyTwo}) {
        std::atomic<bool> stop{false};
        const CardTestOutcome outcome =
            TestStrategyCard(rules, hintsCard(rules), planOf(20'000, 2), nullptr, stop);
        EXPECT_EQ(outcome.Figures.Difference.NetSq, 0);
        EXPECT_EQ(outcome.Figures.Card.Net, outcome.Figures.Hints.Net);
    }
}

TEST(CardTest, FiguresDependOnTheSeedAloneNotOnTheThreads) {
    StrategyCard card;
    FillDefaultTable(card);
    std::atomic<bool> stop{false};
    const CardTest one =
        TestStrategyCard(standardRules(), card, planOf(30'000, 1), nullptr, stop).Figures;
    const CardTest three =
        TestStrategyCard(standardRules(), card, planOf(30'000, 3), nullptr, stop).Figures;
    EXPECT_EQ(one.Card.Net, three.Card.Net);
    EXPECT_EQ(one.Card.NetSq, three.Card.NetSq);
    EXPECT_EQ(one.Difference.NetSq, three.Difference.NetSq);
    const CardTest otherSeed =
        TestStrategyCard(standardRules(), card, planOf(30'000, 2, 7), nullptr, stop).Figures;
    EXPECT_NE(one.Card.NetSq, otherSeed.Card.NetSq);
}

TEST(CardTest, StopsAtTheFlagAndKeepsWhatWasAddedUp) {
    StrategyCard card;
    FillDefaultTable(card);
    std::atomic<bool> stop{false};
    const CardTestOutcome outcome = TestStrategyCard(
        standardRules(), card, planOf(10'000'000, 2), [&](const CardTest&) { stop.store(true); },
        stop);
    EXPECT_EQ(outcome.End, RunEnd::Stopped);
    EXPECT_GE(outcome.Figures.deals(), 10'000);
    EXPECT_LT(outcome.Figures.deals(), 10'000'000);
    EXPECT_EQ(outcome.Figures.deals() % 10'000, 0) << "a cut chunk never counts";
}

TEST(CardTest, RulesThatTakeNoStakePlayNothing) {
    HouseRules rules = standardRules();
    rules.TableMin = 50;
    rules.TableMax = 10;
    std::atomic<bool> stop{false};
    StrategyCard card;
    FillDefaultTable(card);
    const CardTestOutcome outcome = TestStrategyCard(rules, card, planOf(1000, 1), nullptr, stop);
    EXPECT_FALSE(outcome.Playable);
    EXPECT_EQ(outcome.Figures.deals(), 0);
    EXPECT_FALSE(MeasureHouseEdge(rules, planOf(1000, 1), 0.001, nullptr, stop).Playable);
}

// ---- The house edge ------------------------------------------------------------------

TEST(HouseEdge, RefinesUntilItsIntervalIsNarrowEnough) {
    std::atomic<bool> stop{false};
    std::vector<HouseEdge> reports;
    const double precision = 0.01;
    const HouseEdgeOutcome outcome = MeasureHouseEdge(
        standardRules(), planOf(50'000'000, 2), precision,
        [&](const HouseEdge& soFar) { reports.push_back(soFar); }, stop);
    EXPECT_EQ(outcome.End, RunEnd::Settled);
    ASSERT_GE(reports.size(), 2u);
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GT(reports[i].deals(), reports[i - 1].deals());
    }
    EXPECT_LE(outcome.Figures.edge().HalfWidth, precision);
    EXPECT_GT(reports[reports.size() - 2].edge().HalfWidth, precision)
        << "it stops at the first figure narrow enough";
    // Basic strategy under the standard rules: the house keeps well under 2%.
    EXPECT_GT(outcome.Figures.edge().PerUnit, -0.02);
    EXPECT_LT(outcome.Figures.edge().PerUnit, 0.02);
}

TEST(HouseEdge, IsThePlayersResultTurnedAround) {
    HouseEdge figures;
    figures.Hints.add(10, -1);
    figures.Hints.add(10, -2);
    figures.Hints.add(10, 1.5);
    const RatioEstimate player = EstimatePerUnit(figures.Hints);
    EXPECT_DOUBLE_EQ(figures.edge().PerUnit, -player.PerUnit);
    EXPECT_DOUBLE_EQ(figures.edge().HalfWidth, player.HalfWidth);
}

// ---- Cells that part from the hints -----------------------------------------------

struct RulesCase {
    std::string name;
    int cards;
    int doubleMin;
    int doubleMax;
    bool doubleAfterSplit;
};

TEST(CompareWithHints, TheHintsOwnCardPartsNowhere) {
    const std::vector<RulesCase> cases = {
        {"standard", 208, 9, 11, false},
        {"one deck", 52, 9, 11, false},
        {"two decks, after splits", 104, 9, 11, true},
        {"any two cards", 416, 2, 21, true},
        {"ten and eleven", 312, 10, 11, false},
    };
    for (const RulesCase& c : cases) {
        HouseRules rules = standardRules();
        rules.Cards = c.cards;
        rules.DoubleMin = c.doubleMin;
        rules.DoubleMax = c.doubleMax;
        rules.DoubleAfterSplit = c.doubleAfterSplit;
        const CardAdvice advice = CompareWithHints(rules, hintsCard(rules));
        for (std::size_t i = 0; i < CardCells; ++i) {
            EXPECT_FALSE(advice[i].Differs) << c.name << ", cell " << i;
        }
    }
}

TEST(CompareWithHints, MarksEveryCellWhereTheCardPlaysOtherwise) {
    const HouseRules rules = standardRules();
    StrategyCard card = hintsCard(rules);
    for (int column = 1; column <= CardColumns; ++column) {
        card.cell(column, HardElevenRow) = ActionStand;
    }
    const CardAdvice advice = CompareWithHints(rules, card);
    int marked = 0;
    for (int column = 1; column <= CardColumns; ++column) {
        for (int row = 1; row <= CardRows; ++row) {
            const bool differs = advice[StrategyCard::cellIndex(column, row)].Differs;
            EXPECT_EQ(differs, row == HardElevenRow) << "column " << column << " row " << row;
            marked += differs ? 1 : 0;
        }
    }
    EXPECT_EQ(marked, CardColumns);
}

// Codes that play alike under the rules are alike: 'd' where no double is
// allowed stands like 'S'; 'D' where it is allowed doubles, unlike 'H'.
TEST(CompareWithHints, CodesAreComparedByHowTheyPlay) {
    struct Case {
        std::string what;
        int doubleMax;
        int row;
        int column;
        uint8_t code;
        bool differs;
        uint8_t hintCode;
    };
    const std::vector<Case> cases = {
        {"soft 18 against a 3, doubling on 9..11 only", 11, SoftEighteenRow, 2, 'd', false, 'S'},
        {"soft 18 against a 3, doubling on anything", 21, SoftEighteenRow, 2, 'S', true, 'd'},
        {"soft 18 against a 3, doubling on anything", 21, SoftEighteenRow, 2, 'd', false, 'd'},
        {"hard 11 against a ten", 11, HardElevenRow, TenColumn, 'd', true, 'D'},
        {"hard 11 against a ten", 11, HardElevenRow, TenColumn, 'D', false, 'D'},
        {"hard 11 against an ace, four decks", 11, HardElevenRow, AceColumn, 'H', false, 'H'},
        {"hard 10 against a ten", 11, HardTenRow, TenColumn, 'D', true, 'H'},
        {"fives are never split nor doubled by the hints", 11, PairOfFivesRow, 1, 'D', true, 'H'},
        {"fives split by the card", 11, PairOfFivesRow, 1, 'P', true, 'H'},
        {"split aces, whatever the second letter", 11, 1, AceColumn, 'p', false, 'P'},
    };
    for (const Case& c : cases) {
        HouseRules rules = standardRules();
        rules.DoubleMin = 9;
        rules.DoubleMax = c.doubleMax;
        if (c.doubleMax == 21) {
            rules.DoubleMin = 2;
        }
        StrategyCard card = hintsCard(rules);
        card.cell(c.column, c.row) = c.code;
        const CellAdvice cell =
            CompareWithHints(rules, card)[StrategyCard::cellIndex(c.column, c.row)];
        EXPECT_EQ(cell.Differs, c.differs) << c.what << " with " << c.code;
        EXPECT_EQ(cell.HintCode, c.hintCode) << c.what;
    }
}

TEST(CompareWithHints, ACodeOutsideTheSixStandsAndIsComparedSo) {
    const HouseRules rules = standardRules();
    StrategyCard card = hintsCard(rules);
    constexpr int HardSeventeenRow = 22;
    constexpr int HardSixteenRow = 23;
    card.cell(1, HardSeventeenRow) = 'x';
    card.cell(TenColumn, HardSixteenRow) = 'x';
    const CardAdvice advice = CompareWithHints(rules, card);
    EXPECT_FALSE(advice[StrategyCard::cellIndex(1, HardSeventeenRow)].Differs)
        << "stands, as hinted";
    EXPECT_TRUE(advice[StrategyCard::cellIndex(TenColumn, HardSixteenRow)].Differs)
        << "stands where the hint hits";
}

} // namespace
} // namespace dealmoor
