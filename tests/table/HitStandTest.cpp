// The decision window: which choices it offers, what each button writes into
// the game, the hint tooltip, the hand's cards across the top and the keyboard.

#include "SyntheticSheets.h"
#include "TestSupport.h"
#include "engine/Game.h"
#include "strategy/ComputerPlayer.h"
#include "strategy/HintAdvice.h"
#include "strategy/THitStandForm.h"

#include <QPushButton>

#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr int Seat1 = 1;
constexpr int FirstHand = Seat1;
constexpr int SecondHand = Seat1 + SecondHandOffset;
constexpr uint8_t Undecided = 42; // a Decision no button writes
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
    SpriteSheets sheets = SyntheticSheets();
    QWidget host;
    std::unique_ptr<THitStandForm> window;
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
        window = std::make_unique<THitStandForm>(game, sheets, &host);
        window->helpRequested = [this](int topic) { helpTopics.push_back(topic); };
        window->placeOver(SeatView);
    }
    ~DecisionTable() { window.reset(); }

    void split(const std::vector<DealtCard>& first, const std::vector<DealtCard>& second) {
        game.Seats[Seat1].HasSplit = true;
        deal(game.Hands[FirstHand], first);
        deal(game.Hands[SecondHand], second);
    }
    std::vector<QPushButton*> buttons() const {
        return {window->BitBtn1, window->BitBtn2, window->BitBtn3,
                window->BitBtn4, window->BitBtn5, window->BitBtn6};
    }
};

} // namespace

class HitStandTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void buttonsStandInThreeRowsOverTheSeatView() {
        DecisionTable table({{5}, {6}});
        table.window->show();
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
        QVERIFY(table.window->BitBtn2->isDefault());
        QCOMPARE(table.window->focusWidget(), table.window->BitBtn2);
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
            table.window->show();
            QVERIFY2(table.window->BitBtn1->isEnabled(), c.name);
            QVERIFY2(table.window->BitBtn2->isEnabled(), c.name);
            QVERIFY2(table.window->BitBtn3->isEnabled() == c.doubleDown, c.name);
            QVERIFY2(table.window->BitBtn4->isEnabled() == c.split, c.name);
            QVERIFY2(table.window->BitBtn5->isEnabled() == c.surrender, c.name);
            QVERIFY2(table.window->BitBtn6->isEnabled(), c.name);
            table.window->BitBtn1->click();
        }
    }

    void eachButtonWritesItsAnswer() {
        struct Case {
            const char* name;
            std::vector<DealtCard> first;
            int button; // 0 Hit .. 4 Surrender
            uint8_t decision;
            bool finished, doubleRequested;
        };
        const std::vector<Case> cases = {
            {"hit", {{8}, {8, 2}}, 0, DecisionTakeCard, false, false},
            {"stand", {{8}, {8, 2}}, 1, DecisionStand, true, false},
            {"double down", {{5}, {6}}, 2, DecisionTakeCard, false, true},
            {"surrender", {{8}, {8, 2}}, 4, DecisionSurrender, true, false},
        };
        for (const Case& c : cases) {
            DecisionTable table(c.first);
            table.game.HouseRules.LateSurrender = true;
            table.window->show();
            QPushButton* button = table.buttons()[c.button];
            QVERIFY2(button->isEnabled(), c.name);
            button->click();
            QVERIFY2(!table.window->isVisible(), c.name);
            QVERIFY2(table.game.Decision == c.decision, c.name);
            const Hand& hand = table.game.Hands[FirstHand];
            QVERIFY2(hand.Finished == c.finished, c.name);
            QVERIFY2(hand.DoubleRequested == c.doubleRequested, c.name);
            QVERIFY2(table.game.Seats[Seat1].Credits == 1000, c.name);
            QVERIFY2(!table.game.SplitRequested, c.name);
        }
    }

    void splitPairMakesTwoHands() {
        DecisionTable table({{8}, {8, 2}});
        table.window->show();
        table.window->BitBtn4->click();
        QVERIFY(!table.window->isVisible());
        const Seat& seat = table.game.Seats[Seat1];
        QCOMPARE(int(table.game.Decision), int(DecisionTakeCard));
        QVERIFY(table.game.SplitRequested);
        QCOMPARE(int(table.game.SplitHands), 1);
        QVERIFY(seat.HasSplit);
        QCOMPARE(seat.Credits, 990.0);
        QCOMPARE(seat.SplitBet, 10.0);
        QCOMPARE(table.game.Hands[FirstHand].CardCount, 1);
        QCOMPARE(table.game.Hands[SecondHand].CardCount, 1);
        QCOMPARE(table.game.Hands[SecondHand].CardIds[0], 8 + 26);
    }

    void standOnTheSecondHandFinishesIt() {
        DecisionTable table({{8}, {10}});
        table.split({{8}, {10}}, {{8, 1}, {3}});
        table.game.Hands[FirstHand].Finished = true;
        table.window->show();
        table.window->BitBtn2->click();
        QCOMPARE(int(table.game.Decision), int(DecisionStand));
        QVERIFY(table.game.Hands[SecondHand].Finished);
        QVERIFY(!table.game.Hands[SecondHand].DoubleRequested);
    }

    void helpDecidesNothingAndStaysOpen() {
        DecisionTable table({{8}, {8, 2}});
        table.window->show();
        table.window->BitBtn6->click();
        QVERIFY(table.window->isVisible());
        QCOMPARE(int(table.game.Decision), int(DecisionStand));
        QVERIFY(!table.game.Hands[FirstHand].Finished);
        QCOMPARE(table.helpTopics, std::vector<int>{HelpDecision});
        QTest::keyClick(table.window->BitBtn1, Qt::Key_F1);
        QCOMPARE(table.helpTopics, (std::vector<int>{HelpDecision, HelpDecision}));
        // The last button pressed decides.
        table.window->BitBtn1->click();
        QCOMPARE(int(table.game.Decision), int(DecisionTakeCard));
    }

    void hintIsTheTooltipOfTheWindowAndEveryButton() {
        DecisionTable table({{8}, {8, 2}});
        table.game.Settings.Hints = false;
        table.window->show();
        QVERIFY(table.window->toolTip().isEmpty());
        for (QPushButton* button : table.buttons())
            QVERIFY(button->toolTip().isEmpty());
        table.window->BitBtn1->click();

        // Switched on, it shows at the next decision.
        table.game.Settings.Hints = true;
        table.window->show();
        const QString hint = QString::fromStdString(BuildHint(table.game, FirstHand, false, true));
        QVERIFY(hint.startsWith(QStringLiteral("Hint:  You should Split.")));
        QCOMPARE(table.window->toolTip(), hint);
        for (QPushButton* button : table.buttons())
            QCOMPARE(button->toolTip(), hint);
        table.window->BitBtn1->click();
    }

    void cardsOfTheHandShowFaceUpAcrossTheTop() {
        // Seven cards of every suit, dealt face down: the window shows them face up.
        std::vector<DealtCard> cards;
        for (int k = 0; k < 7; ++k)
            cards.push_back({k == 6 ? 13 : k + 1, k == 6 ? 3 : k % 4}); // the last: king of spades
        DecisionTable table({});
        table.game.Settings.Hints = false;
        deal(table.game.Hands[FirstHand], cards, false);
        table.window->show();
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
        table.window->BitBtn2->click();
    }

    void mnemonicsChooseFromTheKeyboard() {
        DecisionTable table({{8}, {8, 2}});
        table.host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table.host));
        table.window->show();
        QTest::keyClick(table.window->focusWidget(), Qt::Key_P, Qt::AltModifier);
        // A mnemonic presses its button the way a click does, a moment later.
        QTRY_VERIFY(!table.window->isVisible());
        QVERIFY(table.game.SplitRequested);
    }

    void enterStands() {
        DecisionTable table({{8}, {8, 2}});
        table.window->show();
        QTest::keyClick(table.window->focusWidget(), Qt::Key_Return);
        QVERIFY(!table.window->isVisible());
        QCOMPARE(int(table.game.Decision), int(DecisionStand));
        QVERIFY(table.game.Hands[FirstHand].Finished);
    }

    void runsModallyUntilAnswered() {
        DecisionTable table({{5}, {6}});
        WidgetPoller poller(FindVisible<THitStandForm>,
                            [&](QWidget*) { table.window->BitBtn3->click(); });
        QTimer::singleShot(DefaultModalTimeoutMs, table.window.get(),
                           [&] { table.window->done(QDialog::Rejected); });
        QCOMPARE(table.window->runModal(), int(QDialog::Accepted));
        QVERIFY(poller.acted());
        QVERIFY(table.game.Hands[FirstHand].DoubleRequested);
    }
};

DEALMOOR_QTEST_MAIN(HitStandTest)
#include "HitStandTest.moc"
