// The house rules window as the player drives it: the captions it opens with,
// clicks that change only the working copy, OK and Cancel, "Pays 2-1",
// "Use Standard Rules" and help.

#include "table/windows/HouseRulesWindow.h"
#include "engine/Game.h"
#include "strategy/Evaluation.h"
#include "table/ModalOverlay.h"
#include "table/MoneyText.h"

#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>

#include <atomic>
#include <cmath>
#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

struct Rules {
    Game game;
    std::vector<int> helpTopics;
    std::unique_ptr<HouseRulesWindow> window;

    explicit Rules(const HouseRules& live = HouseRules{}) {
        game.HouseRules = live;
        game.TotalHands = 40;
        window = std::make_unique<HouseRulesWindow>(game);
        window->helpRequested = [this](int topic) { helpTopics.push_back(topic); };
        window->show();
    }
    ~Rules() { window->close(); }

    QPushButton* button(const char* name) const {
        auto* found = window->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no button %s", name);
        return found;
    }
    QString caption(const char* name) const { return button(name)->text(); }
    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            button(name)->click();
    }
};

// A measurement short enough for the sanitizer build: to within 0.5%.
SimulationPlan shortEdgePlan(uint32_t seed) {
    SimulationPlan plan;
    plan.Deals = 2'000'000;
    plan.Seed = seed;
    plan.ChunkDeals = 10'000;
    return plan;
}
constexpr double ShortEdgePrecision = 0.005;

// The library's own figure for the rules, as the line words it.
QString edgeLine(const HouseRules& rules, const SimulationPlan& plan) {
    const std::atomic<bool> never{false};
    const RatioEstimate edge =
        MeasureHouseEdge(rules, plan, ShortEdgePrecision, {}, never).Figures.edge();
    return "House edge with basic strategy: " + PercentWithInterval(edge.PerUnit, edge.HalfWidth);
}

// Live rules only a settings file could hold.
HouseRules OddRules() {
    HouseRules r;
    r.EarlySurrender = true;
    r.TableMin = 1;
    r.TableMax = 150;
    r.BlackjackPays = 1.75;
    r.Cards = 312;
    r.FaceUp = true;
    r.DoubleMin = 10;
    r.Special6Cards = true;
    return r;
}

} // namespace

class HouseRulesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void opensShowingTheLiveRules() {
        Rules rules(OddRules());
        QCOMPARE(rules.window->objectName(), "RulesFrm");
        QCOMPARE(rules.window->windowTitle(), "House Rules");
        const std::vector<std::pair<const char*, const char*>> shown = {
            {"Button1", "Double on 10 or 11 only"},
            {"Button2", "No Doubling after Splitting"},
            {"Button3", "Split Aces get only one card"},
            {"Button4", "Split any Face Cards (or 10)"},
            {"Button5", "Pays 2-1"},
            {"Button6", "Bet up to 1/2 of table bet"},
            {"Button7", "Early Surrender"},
            {"Button8", "Dealer hits soft 17s"},
            {"Button9", "Table Limit $1 to $150"},
            {"Button10", "Blackjack pays 3-2"},
            {"Button11", "6 Cards/Automatic Win"},
            {"Button12", "Use Standard Rules"},
            {"Button13", "Six-Deck Shoe"},
            {"Button14", "Players' Cards Face-Up"},
        };
        for (const auto& [name, caption] : shown)
            QCOMPARE(rules.caption(name), QString::fromLatin1(caption));
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6",
                                 "BitBtn7", "BitBtn8"})
            QVERIFY(rules.button(name)->isVisible());
        QVERIFY(rules.button("BitBtn8")->isDefault());
        bool introduced = false;
        for (const QLabel* label : rules.window->findChildren<QLabel*>())
            introduced |=
                label->text().startsWith("Click the buttons below to alter the house rules");
        QVERIFY(introduced);
    }

    void cancelLeavesTheLiveRulesAfterAnyClicks() {
        for (const char* way : {"BitBtn7", "close box"}) {
            Rules rules(OddRules());
            for (const char* name : {"Button1", "Button2", "Button7", "Button9", "Button10",
                                     "Button11", "Button13", "Button14"})
                rules.click(name, 3);
            QVERIFY(!(rules.window->workingCopy() == OddRules()));
            if (QByteArray(way) == "BitBtn7")
                rules.click(way);
            else
                QVERIFY(rules.window->close());
            QVERIFY(!rules.window->isVisible());
            QCOMPARE(rules.window->result(), int(QDialog::Rejected));
            QVERIFY(rules.game.HouseRules == OddRules());
            QCOMPARE(rules.game.TotalHands, 40);
        }
    }

    void okCommitsTheClicksAndStartsTheCountAgain() {
        Rules rules;
        rules.click("Button9", 5);
        QCOMPARE(rules.caption("Button9"), "Table Limit $5 to $500");
        rules.click("Button9", 4);
        QCOMPARE(rules.caption("Button9"), "Table Limit $2 - $250");
        rules.click("Button13"); // four decks to six
        rules.click("Button7");
        rules.click("Button10");
        rules.click("Button11", 2);
        rules.click("BitBtn8");

        HouseRules expected;
        expected.TableMin = 2;
        expected.TableMax = 250;
        expected.Cards = 312;
        expected.LateSurrender = true;
        expected.BlackjackPays = 2.0;
        expected.Special678 = true;
        QVERIFY(rules.game.HouseRules == expected);
        QCOMPARE(rules.game.TotalHands, 0);
        QCOMPARE(rules.window->result(), int(QDialog::Accepted));
    }

    void okWithoutChangesStillStartsTheCountAgain() {
        Rules rules(OddRules());
        rules.click("BitBtn8");
        QVERIFY(rules.game.HouseRules == OddRules());
        QCOMPARE(rules.game.TotalHands, 0);
    }

    void paysTwoToOneKeepsTheChoicesNotYetConfirmed() {
        Rules rules;
        rules.click("Button13");
        rules.click("Button7");
        rules.click("Button10");
        const HouseRules chosen = rules.window->workingCopy();
        QString message;
        ModalPoller box([&](QWidget* w) {
            message = MessageBoxText(w);
            PressMessageBoxButton(w, QMessageBox::Ok);
        });
        rules.click("Button5");
        QVERIFY(box.acted());
        QCOMPARE(message, "This value never changes.  Insurance always pays 2-1.");
        QCOMPARE(rules.caption("Button5"), "Pays 2-1");
        QVERIFY(rules.window->workingCopy() == chosen);
        QCOMPARE(rules.caption("Button13"), "Six-Deck Shoe");
        QCOMPARE(rules.caption("Button7"), "Surrender");
        QCOMPARE(rules.caption("Button10"), "Blackjack pays 2-1");
        rules.click("BitBtn8");
        QVERIFY(rules.game.HouseRules == chosen);
    }

    void standardRulesChangeOnlyTheWorkingCopy() {
        Rules rules(OddRules());
        rules.click("Button12");
        QVERIFY(rules.window->workingCopy() == HouseRules{});
        QVERIFY(rules.game.HouseRules == OddRules());
        QCOMPARE(rules.caption("Button14"), "Players' Cards Face-Down");
        QCOMPARE(rules.caption("Button9"), "Table Limit $5 to $500");
        QCOMPARE(rules.caption("Button13"), "Four-Deck Shoe");
        QCOMPARE(rules.caption("Button7"), "No Surrender");
        QCOMPARE(rules.caption("Button11"), "No Special Payoffs");
        rules.click("BitBtn7");
        QVERIFY(rules.game.HouseRules == OddRules());
    }

    void theHouseEdgeOfTheRulesFollowsEveryChange() {
        Rules rules;
        QLabel* edge = rules.window->findChild<QLabel*>(QStringLiteral("HouseEdge"));
        QCOMPARE(edge->text(),
                 QString::fromUtf8("House edge with basic strategy: computing\u2026"));
        const SimulationPlan plan = shortEdgePlan(5);
        rules.window->setEdgePlan(plan, ShortEdgePrecision);
        QTRY_VERIFY_WITH_TIMEOUT(!rules.window->measuringEdge(), 120000);
        // The standard rules: the library's figure on the same shoes.
        QCOMPARE(edge->text(), edgeLine(HouseRules{}, plan));

        // And within its interval of the figure measured on other shoes.
        const std::atomic<bool> never{false};
        const RatioEstimate line =
            MeasureHouseEdge(HouseRules{}, plan, ShortEdgePrecision, {}, never).Figures.edge();
        const RatioEstimate other =
            MeasureHouseEdge(HouseRules{}, shortEdgePlan(77), ShortEdgePrecision, {}, never)
                .Figures.edge();
        QVERIFY(std::abs(line.PerUnit - other.PerUnit) <= line.HalfWidth + other.HalfWidth);

        // A click is answered at once: the old figure goes, the new rules are measured.
        rules.click("Button10"); // blackjack pays 2-1
        QCOMPARE(edge->text(),
                 QString::fromUtf8("House edge with basic strategy: computing\u2026"));
        QCOMPARE(rules.caption("Button10"), "Blackjack pays 2-1");
        QVERIFY(rules.window->measuringEdge());
        QTRY_VERIFY_WITH_TIMEOUT(!rules.window->measuringEdge(), 120000);
        HouseRules generous;
        generous.BlackjackPays = 2.0;
        // A blackjack paid 2 to 1 hands the edge to the player.
        QCOMPARE(edge->text(), edgeLine(generous, plan) + ", in the player's favour");
    }

    void closingStopsTheMeasurement() {
        Rules rules;
        SimulationPlan endless = shortEdgePlan(3);
        endless.Deals = 1'000'000'000;
        rules.window->setEdgePlan(endless, 0.00001);
        QTRY_VERIFY_WITH_TIMEOUT(rules.window->edgeThreadsLeft(), 10000);
        QLabel* edge = rules.window->findChild<QLabel*>(QStringLiteral("HouseEdge"));
        QTRY_VERIFY_WITH_TIMEOUT(edge->text().contains("\u00B1"), 60000); // figures come in
        // Clicks in a row while it runs: each run is dropped as the next comes.
        rules.click("Button8", 3);
        QVERIFY(rules.window->measuringEdge());
        rules.window->close();
        QVERIFY(!rules.window->measuringEdge());
        QVERIFY(!rules.window->edgeThreadsLeft());
    }

    void everyHelpOpensTheRulesTopic() {
        Rules rules;
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6"})
            rules.click(name);
        QTest::keyClick(rules.button("Button9"), Qt::Key_F1);
        QCOMPARE(rules.helpTopics, std::vector<int>(7, 41020));
        for (QWidget* control : rules.window->findChildren<QWidget*>())
            QCOMPARE(HelpContextOf(control), 41020);
    }
};

DEALMOOR_QTEST_MAIN(HouseRulesWindowTest)
#include "HouseRulesWindowTest.moc"
