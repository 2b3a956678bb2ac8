// The decision window: which choices it offers, which answer each button
// gives (and that it never writes the game), the hint tooltip, the hand's cards
// across the top and the keyboard.

#include "table/windows/DecisionWindow.h"
#include "SyntheticSheets.h"
#include "TestSupport.h"
#include "engine/Game.h"
#include "engine/HandRules.h"
#include "setup/TableSettings.h"
#include "strategy/HintAdvice.h"

#include <QPushButton>

#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr int Seat1 = 1;
constexpr int FirstHand = Seat1;
constexpr int SecondHand = Seat1 + SecondHandOffset;
constexpr auto Undecided = static_cast<DecisionCode>(42); // a code no deciding side writes
const Area SeatView{265, 5, 265 + 249, 5 + 410};

struct DealtCard {
    int rank;
    int suit = 0; // 0 clubs .. 3 spades
};

void deal(Hand& hand, const std::vector<DealtCard>& cards, bool shown = true) {
    ClearHand(hand);
    for (const DealtCard& card : cards) {
        hand.CardIds[hand.CardCount] = card.rank + 13 * card.suit;
        hand.Ranks[hand.CardCount] = card.rank;
        hand.Shown[hand.CardCount] = shown;
        ++hand.CardCount;
    }
    ComputeTotal(hand);
}

// One human seat with a stake of 10 against a dealer showing a ten.
struct DecisionTable {
    Game game;
    TableSettings settings;
    SpriteSheets sheets = SyntheticSheets();
    QWidget host;
    std::unique_ptr<DecisionWindow> window;
    std::vector<int> helpTopics;

    explicit DecisionTable(const std::vector<DealtCard>& first) {
        game.SeatCount = 1;
        game.CurrentSeat = Seat1;
        Seat& seat = game.Seats[Seat1];
        seat.Human = true;
        seat.Credits = 1000;
        seat.Bet = 10;
        deal(game.Hands[DealerSlot], {{9}, {10}}, false);
        deal(game.Hands[FirstHand], first);
        game.Decision = Undecided;
        host.resize(800, 600);
        host.show();
        window = std::make_unique<DecisionWindow>(game, sheets, settings, &host);
        window->helpRequested = [this](int topic) { helpTopics.push_back(topic); };
        window->placeOver(SeatView);
    }
    ~DecisionTable() { window.reset(); }

    void split(const std::vector<DealtCard>& first, const std::vector<DealtCard>& second) {
        game.Seats[Seat1].HasSplit = true;
        deal(game.Hands[FirstHand], first);
        deal(game.Hands[SecondHand], second);
    }
    // Shows the window for the hand being decided, with the choices the engine offers.
    void open() {
        window->prepare(CurrentHandSlot(game), OfferFor(game));
        window->show();
    }
    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    std::vector<QPushButton*> buttons() const {
        return {button("BitBtn1"), button("BitBtn2"), button("BitBtn3"),
                button("BitBtn4"), button("BitBtn5"), button("BitBtn6")};
    }
};

} // namespace

class DecisionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void buttonsStandInThreeRowsOverTheSeatView() {
        DecisionTable table({{5}, {6}});
        table.open();
        QCOMPARE(table.window->geometry(), QRect(266, 223, 249, 189));
        const std::vector<std::pair<QString, QRect>> expected = {
            {QStringLiteral("&Hit"), QRect(5, 68, 116, 36)},
            {QStringLiteral("&Stand"), QRect(130, 68, 116, 36)},
            {QStringLiteral("&Double Down"), QRect(5, 108, 116, 36)},
            {QStringLiteral("S&plit Pair"), QRect(130, 108, 116, 36)},
            {QStringLiteral("Su&rrender"), QRect(5, 148, 116, 36)},
            {QStringLiteral("&Help"), QRect(130, 148, 116, 36)}};
        const auto buttons = table.buttons();
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->text(), expected[i].first);
            QCOMPARE(buttons[i]->geometry(), expected[i].second);
        }
        QVERIFY(table.button("BitBtn2")->isDefault());
        QCOMPARE(table.window->focusWidget(), table.button("BitBtn2"));
    }

    void choicesFollowTheRules() {
        struct Case {
            const char* name;
            std::vector<DealtCard> first;
            std::vector<DealtCard> second; // non-empty: the seat has split
            bool firstFinished;
            bool lateSurrender;
            bool doubleAfterSplit;
            bool doubleDown, split, surrender;
        };
        const std::vector<Case> cases = {
            {"hard 11", {{5}, {6}}, {}, false, true, false, true, false, true},
            {"pair of eights", {{8}, {8, 2}}, {}, false, true, false, false, true, true},
            {"a third card", {{2}, {3}, {4}}, {}, false, true, false, false, false, true},
            {"no surrender at this table", {{5}, {6}}, {}, false, false, false, true, false, false},
            {"after a split", {{8}, {3}}, {{8, 1}}, false, true, false, false, false, false},
            {"second hand, doubling after a split",
             {{8}, {10}},
             {{8, 1}, {3}},
             true,
             true,
             true,
             true,
             false,
             false},
        };
        for (const Case& c : cases) {
            DecisionTable table(c.first);
            table.game.HouseRules.LateSurrender = c.lateSurrender;
            table.game.HouseRules.DoubleAfterSplit = c.doubleAfterSplit;
            if (!c.second.empty())
                table.split(c.first, c.second);
            table.game.Hands[FirstHand].Finished = c.firstFinished;
            table.open();
            QVERIFY2(table.button("BitBtn1")->isEnabled(), c.name);
            QVERIFY2(table.button("BitBtn2")->isEnabled(), c.name);
            QVERIFY2(table.button("BitBtn3")->isEnabled() == c.doubleDown, c.name);
            QVERIFY2(table.button("BitBtn4")->isEnabled() == c.split, c.name);
            QVERIFY2(table.button("BitBtn5")->isEnabled() == c.surrender, c.name);
            QVERIFY2(table.button("BitBtn6")->isEnabled(), c.name);
            table.button("BitBtn1")->click();
        }
    }

    void eachButtonAnswersAndLeavesTheGameAlone() {
        struct Case {
            const char* name;
            std::vector<DealtCard> first;
            int button; // 0 Hit .. 4 Surrender
            Decision answer;
        };
        const std::vector<Case> cases = {
            {"hit", {{8}, {8, 2}}, 0, Decision::Hit},
            {"stand", {{8}, {8, 2}}, 1, Decision::Stand},
            {"double down", {{5}, {6}}, 2, Decision::Double},
            {"split pair", {{8}, {8, 2}}, 3, Decision::Split},
            {"surrender", {{8}, {8, 2}}, 4, Decision::Surrender},
        };
        for (const Case& c : cases) {
            DecisionTable table(c.first);
            table.game.HouseRules.LateSurrender = true;
            table.open();
            QPushButton* button = table.buttons()[c.button];
            QVERIFY2(button->isEnabled(), c.name);
            button->click();
            QVERIFY2(!table.window->isVisible(), c.name);
            QVERIFY2(table.window->answer() == c.answer, c.name);
            // The engine applies the answer; the window writes nothing.
            const Hand& hand = table.game.Hands[FirstHand];
            QVERIFY2(table.game.Decision == Undecided, c.name);
            QVERIFY2(!hand.Finished && !hand.DoubleRequested, c.name);
            QVERIFY2(table.game.Seats[Seat1].Credits == 1000, c.name);
            QVERIFY2(!table.game.SplitRequested && hand.CardCount == 2, c.name);
        }
    }

    void theSecondHandIsShownAndAnswered() {
        DecisionTable table({{8}, {10}});
        table.split({{8}, {10}}, {{8, 1}, {3}});
        table.game.Hands[FirstHand].Finished = true;
        table.game.HouseRules.DoubleAfterSplit = true;
        table.open();
        QVERIFY2(table.button("BitBtn3")->isEnabled(), "11 on the second hand doubles");
        table.button("BitBtn2")->click();
        QVERIFY(table.window->answer() == Decision::Stand);
    }

    void helpDecidesNothingAndStaysOpen() {
        DecisionTable table({{8}, {8, 2}});
        table.open();
        table.button("BitBtn6")->click();
        QVERIFY(table.window->isVisible());
        QCOMPARE(table.helpTopics, std::vector<int>{HelpDecision});
        QTest::keyClick(table.button("BitBtn1"), Qt::Key_F1);
        QCOMPARE(table.helpTopics, (std::vector<int>{HelpDecision, HelpDecision}));
        // The last button pressed decides.
        table.button("BitBtn1")->click();
        QVERIFY(table.window->answer() == Decision::Hit);
    }

    void hintIsTheTooltipOfTheWindowAndEveryButton() {
        DecisionTable table({{8}, {8, 2}});
        table.settings.Hints = false;
        table.open();
        QVERIFY(table.window->toolTip().isEmpty());
        for (QPushButton* button : table.buttons())
            QVERIFY(button->toolTip().isEmpty());
        table.button("BitBtn1")->click();

        // Switched on, it shows at the next decision.
        table.settings.Hints = true;
        table.open();
        const QString hint =
            QString::fromStdString(BuildHint(table.game, FirstHand, OfferFor(table.game)));
        QVERIFY(hint.startsWith(QStringLiteral("Hint:  You should Split.")));
        QCOMPARE(table.window->toolTip(), hint);
        for (QPushButton* button : table.buttons())
            QCOMPARE(button->toolTip(), hint);
        table.button("BitBtn1")->click();
    }

    void cardsOfTheHandShowFaceUpAcrossTheTop() {
        // Seven cards of every suit, dealt face down: the window shows them face up.
        std::vector<DealtCard> cards;
        for (int k = 0; k < 7; ++k)
            cards.push_back({k == 6 ? 13 : k + 1, k == 6 ? 3 : k % 4}); // the last: king of spades
        DecisionTable table({});
        table.settings.Hints = false;
        deal(table.game.Hands[FirstHand], cards, false);
        table.open();
        const QImage image = table.window->grab().toImage();
        // Where each card can be seen: five side by side, then 16 pixels apart.
        const int lefts[] = {2, 45, 88, 131, 174, 190, 206};
        for (int k = 0; k < 7; ++k) {
            const int column = cards[k].rank - 1;
            const int row = cards[k].suit;
            // The fifth and sixth cards are partly covered by the next one.
            const int lastVisible = k == 4 || k == 5 ? lefts[k] + 15 : lefts[k] + 39;
            QCOMPARE(image.pixel(lefts[k], 8), CardRim(column, row));
            QCOMPARE(image.pixel(lefts[k] + 5, 8 + 27), CardInside(column, row));
            QCOMPARE(image.pixel(lastVisible, 8 + 27), CardInside(column, row));
        }
        QVERIFY(image.pixel(2, 7) != CardRim(0, 0));
        QVERIFY(image.pixel(2, 62) != CardRim(0, 0));
        table.button("BitBtn2")->click();
    }

    void mnemonicsChooseFromTheKeyboard() {
        DecisionTable table({{8}, {8, 2}});
        table.host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table.host));
        table.open();
        QTest::keyClick(table.window->focusWidget(), Qt::Key_P, Qt::AltModifier);
        // A mnemonic presses its button the way a click does, a moment later.
        QTRY_VERIFY(!table.window->isVisible());
        QVERIFY(table.window->answer() == Decision::Split);
    }

    void plainKeysPressWhatIsOffered() {
        struct Case {
            const char* name;
            std::vector<DealtCard> first;
            bool lateSurrender;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool answered; // false: the key is ignored and the window waits
            Decision answer;
        };
        const std::vector<Case> cases = {
            {"H hits", {{8}, {8, 2}}, true, Qt::Key_H, Qt::NoModifier, true, Decision::Hit},
            {"S stands", {{8}, {8, 2}}, true, Qt::Key_S, Qt::NoModifier, true, Decision::Stand},
            {"D doubles 11", {{5}, {6}}, true, Qt::Key_D, Qt::NoModifier, true, Decision::Double},
            {"P splits eights",
             {{8}, {8, 2}},
             true,
             Qt::Key_P,
             Qt::NoModifier,
             true,
             Decision::Split},
            {"R surrenders",
             {{8}, {8, 2}},
             true,
             Qt::Key_R,
             Qt::NoModifier,
             true,
             Decision::Surrender},
            {"shift does not matter",
             {{8}, {8, 2}},
             true,
             Qt::Key_H,
             Qt::ShiftModifier,
             true,
             Decision::Hit},
            {"D on 16 is not offered",
             {{8}, {8, 2}},
             true,
             Qt::Key_D,
             Qt::NoModifier,
             false,
             Decision::Stand},
            {"P on 11 is not offered",
             {{5}, {6}},
             true,
             Qt::Key_P,
             Qt::NoModifier,
             false,
             Decision::Stand},
            {"R where the house has no surrender",
             {{8}, {8, 2}},
             false,
             Qt::Key_R,
             Qt::NoModifier,
             false,
             Decision::Stand},
            {"Ctrl+H is no plain key",
             {{8}, {8, 2}},
             true,
             Qt::Key_H,
             Qt::ControlModifier,
             false,
             Decision::Stand},
            {"a key of no button",
             {{8}, {8, 2}},
             true,
             Qt::Key_X,
             Qt::NoModifier,
             false,
             Decision::Stand},
        };
        for (const Case& c : cases) {
            DecisionTable table(c.first);
            table.game.HouseRules.LateSurrender = c.lateSurrender;
            table.open();
            QTest::keyClick(table.window->focusWidget(), c.key, c.modifiers);
            QVERIFY2(table.window->isVisible() != c.answered, c.name);
            if (!c.answered)
                table.button("BitBtn2")->click();
            QVERIFY2(table.window->answer() == c.answer, c.name);
            QVERIFY2(table.game.Decision == Undecided, c.name);
        }
    }

    void enterStands() {
        DecisionTable table({{8}, {8, 2}});
        table.open();
        QTest::keyClick(table.window->focusWidget(), Qt::Key_Return);
        QVERIFY(!table.window->isVisible());
        QVERIFY(table.window->answer() == Decision::Stand);
    }

    void runsModallyUntilAnswered() {
        DecisionTable table({{5}, {6}});
        WidgetPoller poller(FindVisible<DecisionWindow>,
                            [&](QWidget*) { table.button("BitBtn3")->click(); });
        QTimer::singleShot(DefaultModalTimeoutMs, table.window.get(),
                           [&] { table.window->done(QDialog::Rejected); });
        QVERIFY(table.window->ask(FirstHand, OfferFor(table.game)) == Decision::Double);
        QVERIFY(poller.acted());
    }
};

DEALMOOR_QTEST_MAIN(DecisionWindowTest)
#include "DecisionWindowTest.moc"
