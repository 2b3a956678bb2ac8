// The simulator run as a program on rigged shoes: each scenario fixes the first
// cards of the shoe and checks the credits line of the deal and what the log says.

#include "platform/NumberText.h"
#include "tests/sim/SimProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace dealmoor::testing {
namespace {

struct RiggedCase {
    const char* name;
    std::map<std::string, std::string> settings;
    const char* shoe; // seat's first card, hole card, seat's second card, up card, then draws
    const char* creditsLine;
    std::vector<std::string> logLines;
};

// One computer seat of character 1 betting 10 from 1000 credits, default card.
const std::vector<RiggedCase> RiggedCases = {
    {"BlackjackPaysThreeToTwo",
     {},
     "A\n9\nK\n7\n",
     "deal 1 credits 1015.00",
     {"balloon: Player has | Blackjack"}},
    {"BlackjackPaysTwoToOne",
     {{"GameRules.BlackjackPays", "2.0"}},
     "A\n9\nK\n7\n",
     "deal 1 credits 1020.00",
     {"balloon: Player has | Blackjack"}},
    {"DealerBusts",
     {},
     "10\n6\n8\n10\nK\n",
     "deal 1 credits 1010.00",
     {"decision seat 1 hand 1: stand", "card slot 0 rank 13 id 13", "balloon: Dealer | Busted",
      "balloon: Player | Wins"}},
    {"SplitWinsOneHandAndPushesTheOther",
     {},
     "8\n10\n8\n7\n10\n9\n",
     "deal 1 credits 1010.00",
     {"decision seat 1 hand 1: split", "decision seat 1 hand 2: stand",
      "balloon: Player | Wins/Push"}},
    {"DoubleDownWinsTwiceTheStake",
     {},
     "6\n10\n5\n6\n10\nK\n",
     "deal 1 credits 1020.00",
     {"decision seat 1 hand 1: double", "text: Doubled hand 1", "balloon: Dealer | Busted"}},
    {"DealerBlackjackTakesTheBet",
     {},
     "10\nK\n9\nA\n",
     "deal 1 credits 990.00",
     {"balloon:  | Insurance?", "balloon: Dealer has | Blackjack", "balloon: Player | Loses"}},
    {"SixCardsWinAtOnce",
     {{"GameRules.Special6Cards", "1"}},
     "2\n10\n2\n10\n2\n2\n15\n7\n",
     "deal 1 credits 1010.00",
     {"balloon: Six Card | Automatic Win"}},
    {"SevenSevenSevenPaysTwoToOne",
     {{"GameRules.Special777", "1"}},
     "7\n10\n7\n9\n7\n",
     "deal 1 credits 1020.00",
     {"balloon: 7-7-7 | Pays 2-1"}},
    {"BustedHandLosesItsStake",
     {},
     "10\n10\n6\n8\n9\n",
     "deal 1 credits 990.00",
     {"decision seat 1 hand 1: hit", "text: Busted hand 1"}},
    {"HumanSeatPlaysByTheHint",
     {{"Player_1_Settings.Human", "1"}, {"Player_1_Settings.LastBet", "20.00"}},
     "10\n5\n6\n10\n4\n10\n",
     "deal 1 credits 1020.00",
     {"hint: Hint:  You should Hit.  Based on the current rule settings, you should hit on a "
      "hard total of 16 or less when the dealer's up card is 7 or more.",
      "decision seat 1 hand 1: hit",
      "hint: Hint:  You should Stand.  Based on the current rule settings, you should stand on a "
      "hard total of 17 or more when the dealer's up card is 7 or more.",
      "decision seat 1 hand 1: stand"}},
};

void PrintTo(const RiggedCase& c, std::ostream* out) {
    *out << c.name;
}

class RiggedDeal : public ::testing::TestWithParam<RiggedCase> {};

TEST_P(RiggedDeal, PaysWhatTheCardsSay) {
    const RiggedCase& c = GetParam();
    SimSandbox sandbox;
    const SimOutput result =
        sandbox.run({"--deals", "1", "--seed", "5", "--settings", sandbox.writeSettings(c.settings),
                     "--shoe", sandbox.writeShoe(c.shoe), "--log", "--check"});
    ASSERT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.lines("deal "), std::vector<std::string>{c.creditsLine}) << result.out;
    for (const std::string& line : c.logLines) {
        EXPECT_TRUE(result.hasLine(line)) << "missing: " << line << "\n" << result.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Sim, RiggedDeal, ::testing::ValuesIn(RiggedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimRun, LogListsTheDealInOrder) {
    SimSandbox sandbox;
    const SimOutput result =
        sandbox.run({"--deals", "1", "--seed", "5", "--settings", sandbox.writeSettings(), "--shoe",
                     sandbox.writeShoe("A\n9\nK\n7\n"), "--log"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> expected = {
        "card slot 1 rank 1 id 1",         "card slot 0 rank 9 id 9",
        "card slot 1 rank 13 id 13",       "card slot 0 rank 7 id 7",
        "balloon: Player has | Blackjack", "settled seat 1 credits 1015.00",
        "deal 1 credits 1015.00",
    };
    std::vector<std::string> logged;
    for (const char* prefix : {"card ", "balloon:", "settled ", "deal ", "decision ", "text:"}) {
        for (const std::string& line : result.lines(prefix)) {
            logged.push_back(line);
        }
    }
    // Same lines, and in the order they were printed.
    std::vector<std::string> inOrder;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);) {
        if (std::find(logged.begin(), logged.end(), line) != logged.end()) {
            inOrder.push_back(line);
        }
    }
    EXPECT_EQ(inOrder, expected) << result.out;
}

TEST(SimRun, CreditsLineFollowsEveryDeal) {
    SimSandbox sandbox;
    const SimOutput result =
        sandbox.run({"--deals", "4", "--seed", "5", "--settings",
                     sandbox.writeSettings({{"GameSettings.Players", "3"}}), "--shoe",
                     sandbox.writeShoe("A\n9\nK\n7\n"), "--credits"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> deals = result.lines("deal ");
    ASSERT_EQ(deals.size(), 4u) << result.out;
    for (size_t i = 0; i < deals.size(); ++i) {
        EXPECT_EQ(deals[i].rfind("deal " + std::to_string(i + 1) + " credits ", 0), 0u);
    }
    // Three seats in play: three amounts, two decimals each.
    EXPECT_TRUE(std::regex_match(deals[0], std::regex(R"(deal 1 credits( -?\d+\.\d\d){3})")))
        << deals[0];
    EXPECT_TRUE(result.lines("card ").empty()) << "--credits alone logs no cards";
}

TEST(SimRun, AHostileSettingsFileCreatesNoMoney) {
    // A table minimum below nothing once let every computer seat "bet" -5 and
    // gain 5 credits a deal without a card.
    SimSandbox sandbox;
    const SimOutput result = sandbox.run(
        {"--deals", "200", "--seed", "1", "--credits", "--no-topup", "--check", "--settings",
         sandbox.writeSettings({{"GameRules.TableMin", "-5"},
                                {"GameRules.TableMax", "-10"},
                                {"GameRules.BlackjackPays", "-1.5"},
                                {"Player_1_Settings.Credits", "99999999999999999999"}})});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("table 0.50..0.50"), std::string::npos) << result.out;
    const std::vector<std::string> deals = result.lines("deal ");
    ASSERT_EQ(deals.size(), 200u);
    // The seat plays every deal for half a credit: its credits (held at the
    // largest amount the game keeps) move, and never by more than the stakes
    // of 200 deals could.
    const auto creditsOf = [](const std::string& line) {
        return std::stod(line.substr(line.rfind(' ') + 1));
    };
    double lowest = creditsOf(deals.front());
    double highest = lowest;
    for (const std::string& deal : deals) {
        lowest = std::min(lowest, creditsOf(deal));
        highest = std::max(highest, creditsOf(deal));
    }
    EXPECT_LT(lowest, highest) << "the seat never played";
    EXPECT_LE(highest - 1e12, 200 * 0.5 * 4);
    EXPECT_GE(lowest - 1e12, -200 * 0.5 * 4);
}

TEST(SimRun, SameSeedPlaysTheSameDeals) {
    SimSandbox sandbox;
    const std::vector<std::string> args = {"--deals",
                                           "300",
                                           "--seed",
                                           "77",
                                           "--credits",
                                           "--settings",
                                           sandbox.writeSettings({{"GameSettings.Players", "6"}})};
    const SimOutput first = sandbox.run(args);
    const SimOutput second = sandbox.run(args);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.lines("deal "), second.lines("deal "));
    EXPECT_EQ(first.lines("deal ").size(), 300u);
}

TEST(SimRun, NeverWritesCardsOrSettings) {
    SimSandbox sandbox;
    const SimOutput result =
        sandbox.run({"--deals", "50", "--seed", "1", "--settings",
                     sandbox.writeSettings({{"GameSettings.Players", "6"}}), "--threads", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.cardsDir()));
    EXPECT_FALSE(std::filesystem::exists(sandbox.dir() / "config"));
    EXPECT_FALSE(std::filesystem::exists(sandbox.dir() / "data"));
    EXPECT_NE(result.out.find("default card"), std::string::npos) << result.out;
}

TEST(SimRun, UsesTheSeatsCardFoundWhateverItsCase) {
    SimSandbox sandbox;
    // A card that stands on everything: the seat never takes a third card.
    std::string card(391, 'S');
    card[350] = 0; // no title
    WriteFile(sandbox.cardsDir() + "MYCARD.STC", card);
    const SimOutput result =
        sandbox.run({"--deals", "200", "--seed", "3", "--log", "--settings",
                     sandbox.writeSettings({{"Player_1_Settings.StrategyFile", "mycard"}})});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("seat 1 card: " + sandbox.cardsDir() + "MYCARD.STC"),
              std::string::npos)
        << result.out;
    for (const std::string& line : result.lines("decision ")) {
        EXPECT_EQ(line, "decision seat 1 hand 1: stand");
    }
}

// Every rule the house can set, played by six seats (seat 1 by the hints) and
// checked deal by deal: money and table state must hold after every deal.
struct RuleSet {
    const char* name;
    std::map<std::string, std::string> settings;
};

void PrintTo(const RuleSet& r, std::ostream* out) {
    *out << r.name;
}

const std::vector<RuleSet> RuleSets = {
    {"StandardRules", {}},
    {"OneDeck", {{"GameRules.Cards", "52"}}},
    {"DoubleAnythingAfterAnySplit",
     {{"GameRules.DoubleAfterSplit", "1"},
      {"GameRules.HitSplitAces", "1"},
      {"GameRules.DoubleMin", "2"},
      {"GameRules.DoubleMax", "21"}}},
    {"SixCardsBeforeSevens", {{"GameRules.Special6Cards", "1"}, {"GameRules.Special777", "1"}}},
    {"SevensAndStraightsTwoDecks",
     {{"GameRules.Special777", "1"},
      {"GameRules.Special678", "1"},
      {"GameRules.BlackjackPays", "2.0"},
      {"GameRules.Cards", "104"}}},
    {"EightDecksFaceUpStandSoft17",
     {{"GameRules.HitSoft17", "0"},
      {"GameRules.FaceUp", "1"},
      {"GameRules.SplitAnyFaceCard", "0"},
      {"GameRules.LateSurrender", "1"},
      {"GameRules.Cards", "416"}}},
    {"OddAmounts", {{"GameRules.TableMin", "7.33"}, {"Player_1_Settings.LastBet", "13.57"}}},
};

class CheckedRules : public ::testing::TestWithParam<RuleSet> {};

TEST_P(CheckedRules, EveryDealPassesTheCheck) {
    SimSandbox sandbox;
    std::map<std::string, std::string> settings = GetParam().settings;
    settings["GameSettings.Players"] = "6";
    settings["Player_1_Settings.Human"] = "1";
    const SimOutput result =
        sandbox.run({"--deals", "3000", "--seed", "11", "--threads", "2", "--check", "--settings",
                     sandbox.writeSettings(settings)});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("check: every deal passed"), std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P(Sim, CheckedRules, ::testing::ValuesIn(RuleSets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimRun, FastShuffleAlsoPassesTheCheck) {
    SimSandbox sandbox;
    const SimOutput result =
        sandbox.run({"--deals", "2000", "--seed", "2", "--fast-shuffle", "--check", "--settings",
                     sandbox.writeSettings({{"GameSettings.Players", "6"}})});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("fast shuffle"), std::string::npos);
}

// --json prints the same figures as the text, as one document and nothing else.
TEST(SimRun, JsonHoldsTheSameResultsAsTheText) {
    SimSandbox sandbox;
    const std::string settings = sandbox.writeSettings();
    const std::vector<std::string> args = {"--deals",    "300",    "--seed", "5",
                                           "--settings", settings, "--check"};
    const SimOutput text = sandbox.run(args);
    std::vector<std::string> jsonArgs = args;
    jsonArgs.push_back("--json");
    const SimOutput json = sandbox.run(jsonArgs);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(json.out.front(), '{');
    EXPECT_EQ(json.out.substr(json.out.size() - 2), "}\n");
    EXPECT_EQ(json.out.find("dealmoor-sim:"), std::string::npos) << "no text lines";
    EXPECT_NE(json.out.find("\"seed\": 5,"), std::string::npos);
    EXPECT_NE(json.out.find("\"passed\": true"), std::string::npos);
    // The seat's net, as the text prints it with two decimals.
    const std::vector<std::string> row = text.lines("1 ");
    ASSERT_EQ(row.size(), 1u);
    std::istringstream words(row.front());
    std::string word;
    std::vector<std::string> fields;
    while (words >> word) {
        fields.push_back(word);
    }
    const std::size_t at = json.out.find("\"net\": ");
    ASSERT_NE(at, std::string::npos);
    const double net = std::stod(json.out.substr(at + 7));
    EXPECT_NE(std::find(fields.begin(), fields.end(), FixedText(net, 2)), fields.end())
        << row.front();
}

struct BadInputCase {
    const char* name;
    std::map<std::string, std::string> settings;
    const char* shoe;
    std::vector<std::string> extraArgs;
    const char* message;
};

const std::vector<BadInputCase> BadInputs = {
    {"NotACard", {}, "A\n10\nX\n", {}, "shoe.txt:3: 'X' is not a card"},
    {"CardIdOutOfRange", {}, "53\n", {}, "shoe.txt:1: '53' is not a card"},
    // A fixed seed: the shuffle's burn card is then not the ace of clubs, which
    // would leave no copy for the first line either.
    {"MoreCopiesThanTheShoeHolds",
     {{"GameRules.Cards", "52"}},
     "# one deck\nA\n1\n",
     {"--seed", "1"},
     "shoe.txt:3: no card id 1 is left in the shoe of 52 cards"},
    {"UnknownOption", {}, "", {"--fast"}, "unknown option '--fast'"},
    {"JsonWithTheLog", {}, "", {"--json", "--log"}, "cannot go with --log or --credits"},
    {"ZeroDeals", {}, "", {"--deals", "0"}, "--deals needs a positive whole number"},
    {"MissingSettingsFile",
     {},
     "",
     {"--settings", "/no/such/settings.ini"},
     "/no/such/settings.ini: no such settings file"},
};

void PrintTo(const BadInputCase& c, std::ostream* out) {
    *out << c.name;
}

class BadInput : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(BadInput, IsRefusedWithExitCodeTwo) {
    const BadInputCase& c = GetParam();
    SimSandbox sandbox;
    std::vector<std::string> args = {"--deals", "1", "--settings",
                                     sandbox.writeSettings(c.settings)};
    if (*c.shoe != '\0') {
        args.push_back("--shoe");
        args.push_back(sandbox.writeShoe(c.shoe));
    }
    args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
    const SimOutput result = sandbox.run(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_TRUE(result.lines("deal ").empty());
}

INSTANTIATE_TEST_SUITE_P(Sim, BadInput, ::testing::ValuesIn(BadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dealmoor::testing
