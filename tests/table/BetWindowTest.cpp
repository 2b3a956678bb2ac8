// The bet window: what it offers on opening, what the chips take, what OK
// answers and refuses (with the exact messages), insurance, borrowing on the
// way, and the pending amount's display. The window only answers: the seat's
// money moves when the engine places the answer.

#include "table/windows/BetWindow.h"
#include "DigitSheet.h"
#include "TestSupport.h"
#include "engine/Betting.h"
#include "engine/Game.h"
#include "table/SpriteSheets.h"
#include "table/windows/BorrowWindow.h"

#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr int Seat1 = 1;
const Area SeatView{265, 5, 265 + 249, 5 + 410};

// One human seat at a 5..500 table, its bet window over a stand-in seat view.
struct BetTable {
    Game game;
    SpriteSheets sheets;
    QWidget host;
    std::unique_ptr<BetWindow> window;
    BetKind kind = BetKind::Stake;
    std::vector<int> helpTopics;

    BetTable(double credits, double lastBet, double borrowed = 5000) {
        game.SeatCount = 1;
        game.CurrentSeat = Seat1;
        Seat& seat = game.Seats[Seat1];
        seat.Human = true;
        seat.Credits = credits;
        seat.Borrowed = borrowed;
        seat.LastBet = lastBet;
        sheets.Digits = CodedDigits();
        host.resize(800, 600);
        host.show();
        window = std::make_unique<BetWindow>(game, sheets, TestProgramDir(), &host);
        window->helpRequested = [this](int topic) { helpTopics.push_back(topic); };
        window->placeOver(SeatView);
    }
    ~BetTable() { window.reset(); }

    Seat& seat() { return game.Seats[Seat1]; }
    void open() {
        window->prepare(Seat1, kind);
        window->show();
    }
    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Puts `amount` up with the fewest chips.
    void put(double amount) {
        const std::pair<double, QPushButton*> chips[] = {{100, button("BitBtn1")},
                                                         {25, button("BitBtn2")},
                                                         {5, button("BitBtn3")},
                                                         {1, button("BitBtn4")},
                                                         {0.5, button("BitBtn5")}};
        for (const auto& [value, button] : chips) {
            while (amount >= value) {
                button->click();
                amount -= value;
            }
        }
    }

    // Presses OK; returns the text of the message box it brought up, if any.
    QString pressOk() {
        QString text;
        ModalPoller poller([&](QWidget* box) {
            text = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        button("BitBtn6")->click();
        return text;
    }
};

// Answers the borrowing window the bet window opens: `act` clicks in it, then OK.
std::unique_ptr<ModalPoller> answerBorrowing(std::function<void(BorrowWindow&)> act,
                                             bool& answered) {
    return std::make_unique<ModalPoller>([act, &answered](QWidget* widget) {
        auto* borrow = qobject_cast<BorrowWindow*>(widget);
        if (!borrow) {
            widget->close();
            return;
        }
        act(*borrow);
        answered = true;
        borrow->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
}

void press(BorrowWindow& borrow, const char* name) {
    borrow.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

} // namespace

class BetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void opensWithTheLastBetWhileTheCreditsCoverIt() {
        struct Case {
            double credits, lastBet, pending, available;
        };
        for (const Case& c : std::vector<Case>{
                 {5000, 25, 25, 4975}, {20, 25, 0, 20}, {25, 25, 25, 0}, {5000, 0, 0, 5000}}) {
            BetTable table(c.credits, c.lastBet);
            table.open();
            QCOMPARE(table.window->pending(), c.pending);
            QCOMPARE(table.window->available(), c.available);
            QCOMPARE(table.window->geometry(), QRect(266, 199, 249, 213));
            QCOMPARE(table.window->focusWidget(), table.button("BitBtn6"));
        }
    }

    void chipsTakeOnlyWhatIsAvailable() {
        struct Case {
            double credits, lastBet;
            int chip; // 0 for 100 .. 4 for 0.50
            double pending;
        };
        for (const Case& c : std::vector<Case>{{0.40, 0, 4, 0},
                                               {0.50, 0, 4, 0.5},
                                               {0.1 + 0.2 + 0.1 + 0.1, 0, 4, 0.5},
                                               {99, 0, 0, 0},
                                               {5000, 25, 0, 125}}) {
            BetTable table(c.credits, c.lastBet);
            table.open();
            QPushButton* chips[] = {table.button("BitBtn1"), table.button("BitBtn2"),
                                    table.button("BitBtn3"), table.button("BitBtn4"),
                                    table.button("BitBtn5")};
            chips[c.chip]->click();
            QCOMPARE(table.window->pending(), c.pending);
            QCOMPARE(table.seat().Credits, c.credits); // nothing leaves before OK
        }
    }

    void clearBetMakesEveryCreditAvailable() {
        BetTable table(5000, 25);
        table.open();
        table.put(130);
        table.button("Button1")->click();
        QCOMPARE(table.window->pending(), 0.0);
        QCOMPARE(table.window->available(), 5000.0);
    }

    void betsWithinTheLimitsAreTheAnswer() {
        for (double amount : {5.0, 500.0, 27.5}) {
            BetTable table(5000, 0);
            table.open();
            table.put(amount);
            QCOMPARE(table.pressOk(), QString());
            QVERIFY(!table.window->isVisible());
            QCOMPARE(table.window->result(), int(QDialog::Accepted));
            QCOMPARE(table.window->answer(), amount);
            // The window moves no money: the engine places the answer.
            QCOMPARE(table.seat().Credits, 5000.0);
            QCOMPARE(table.seat().Bet, 0.0);
            QCOMPARE(table.seat().LastBet, 0.0);
        }
    }

    void betsOutsideTheLimitsAreRefusedAndTheLastBetOfferedAgain() {
        for (double amount : {3.0, 4.5, 500.5, 600.0}) {
            BetTable table(5000, 25);
            table.open();
            table.button("Button1")->click();
            table.put(amount);
            QCOMPARE(table.pressOk(),
                     QStringLiteral("The table limits are $5.00 to $500.00.  Your bet must be "
                                    "within this range."));
            QVERIFY(table.window->isVisible());
            QCOMPARE(table.window->pending(), 25.0);
            QCOMPARE(table.window->available(), 4975.0);
            QCOMPARE(table.seat().Credits, 5000.0);
            QCOMPARE(table.seat().Bet, 0.0);
            QCOMPARE(table.seat().LastBet, 25.0);
        }
    }

    void nothingPendingSitsTheSeatOut() {
        BetTable table(5000, 25);
        table.open();
        table.button("Button1")->click();
        QCOMPARE(table.pressOk(),
                 QStringLiteral("You didn't place a bet.  You will have to sit-out this hand."));
        QVERIFY(!table.window->isVisible());
        QCOMPARE(table.window->answer(), 0.0);
        QCOMPARE(table.seat().Credits, 5000.0);
        // Placed by the engine, sitting out offers nothing at the next deal.
        PlaceBet(table.game, Seat1, table.window->answer());
        QCOMPARE(table.seat().LastBet, 0.0);
        table.open();
        QCOMPARE(table.window->pending(), 0.0);
        table.pressOk();
    }

    void insuranceIsCheckedAgainstItsMaximum() {
        struct Case {
            bool anyAmount;
            double amount;
            QString message; // empty when accepted
        };
        const std::vector<Case> cases = {
            {false, 12.5, QString()},
            {false, 13, QStringLiteral("The maximum insurance bet is $12.50.")},
            {false, 0, QString()},
            {true, 300, QString()},
            {true, 500, QString()},
            {true, 501, QStringLiteral("The maximum insurance bet is $500.00.")},
        };
        for (const Case& c : cases) {
            BetTable table(4975, 25);
            table.game.HouseRules.InsuranceAnyAmount = c.anyAmount;
            table.kind = BetKind::Insurance;
            table.seat().Bet = 25;
            table.open();
            QCOMPARE(table.window->pending(), 0.0); // never the last bet
            QCOMPARE(table.window->available(), 4975.0);
            table.put(c.amount);
            QCOMPARE(table.pressOk(), c.message);
            const bool accepted = c.message.isEmpty();
            QCOMPARE(table.window->isVisible(), !accepted);
            if (accepted)
                QCOMPARE(table.window->answer(), c.amount);
            QCOMPARE(table.seat().InsuranceBet, 0.0);
            QCOMPARE(table.seat().Credits, 4975.0);
            if (!accepted) {
                QCOMPARE(table.window->pending(), 0.0);
                table.pressOk();
            }
        }
    }

    void keysPutChipsUpClearAndPlace() {
        BetTable table(1000, 0);
        table.open();
        QWidget* keys = table.window.get(); // where a key lands that no button takes
        const struct {
            Qt::Key key;
            double pending;
        } steps[] = {{Qt::Key_1, 100},   {Qt::Key_2, 125},       {Qt::Key_3, 130}, {Qt::Key_4, 131},
                     {Qt::Key_5, 131.5}, {Qt::Key_Backspace, 0}, {Qt::Key_3, 5},   {Qt::Key_C, 0},
                     {Qt::Key_2, 25},    {Qt::Key_X, 25}};
        for (const auto& step : steps) {
            QTest::keyClick(table.window->focusWidget(), step.key);
            QCOMPARE(table.window->pending(), step.pending);
        }
        // The keypad's digits are digits too.
        QTest::keyClick(keys, Qt::Key_3, Qt::KeypadModifier);
        QCOMPARE(table.window->pending(), 30.0);
        // The chips say which key puts them up.
        const char* const chips[] = {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"};
        for (int i = 0; i < 5; ++i)
            QVERIFY(
                table.button(chips[i])->toolTip().endsWith(QStringLiteral("(key %1)").arg(i + 1)));
        QTest::keyClick(table.window->focusWidget(), Qt::Key_Return);
        QVERIFY(!table.window->isVisible());
        QCOMPARE(table.window->answer(), 30.0);
    }

    void aChipKeyBeyondTheCreditsDoesNothing() {
        BetTable table(0.40, 0);
        table.open();
        QTest::keyClick(table.window->focusWidget(), Qt::Key_5);
        QCOMPARE(table.window->pending(), 0.0);
        table.button("Button1")->click();
        table.pressOk();
    }

    void bOpensTheBorrowingWindow() {
        BetTable table(50, 25);
        table.open();
        bool answered = false;
        const auto borrowing = answerBorrowing(
            [](BorrowWindow& borrow) {
                QTest::keyClick(borrow.focusWidget(), Qt::Key_2); // 100 borrowed
            },
            answered);
        QTest::keyClick(table.window->focusWidget(), Qt::Key_B);
        QVERIFY(answered);
        QCOMPARE(table.seat().Credits, 150.0);
        QCOMPARE(table.window->pending(), 25.0);
        table.pressOk();
    }

    void helpOpensTheTopicOfTheUse() {
        for (bool insurance : {false, true}) {
            BetTable table(5000, 25);
            table.kind = insurance ? BetKind::Insurance : BetKind::Stake;
            table.seat().Bet = 25;
            table.open();
            table.button("BitBtn7")->click();
            QTest::keyClick(table.button("Button1"), Qt::Key_F1);
            const int topic = insurance ? HelpInsurance : HelpPlacingBet;
            QCOMPARE(table.helpTopics, (std::vector<int>{topic, topic}));
            QVERIFY(table.window->isVisible());
            table.button("Button1")->click();
            table.pressOk();
        }
    }

    void escapeDoesNotLeaveTheWindow() {
        BetTable table(5000, 25);
        table.open();
        QTest::keyClick(table.window.get(), Qt::Key_Escape);
        table.window->close();
        QVERIFY(table.window->isVisible());
        table.pressOk();
    }

    void borrowingSetsThePendingAmountUpAfresh() {
        BetTable table(5000, 25);
        table.open();
        table.put(100);
        QCOMPARE(table.window->pending(), 125.0);
        bool answered = false;
        const auto poller = answerBorrowing(
            [](BorrowWindow& borrow) {
                press(borrow, "BitBtn1");
                press(borrow, "BitBtn1");
            },
            answered);
        table.button("Button2")->click();
        QVERIFY(answered);
        QCOMPARE(table.seat().Credits, 7000.0);
        QCOMPARE(table.seat().Borrowed, 7000.0);
        QCOMPARE(table.window->pending(), 25.0);
        QCOMPARE(table.window->available(), 6975.0);
        QVERIFY(table.window->isVisible());
        table.pressOk();
        QCOMPARE(table.window->answer(), 25.0);
    }

    void payingBackBelowTheLastBetLeavesNothingPending() {
        BetTable table(5020, 25, 5000);
        table.open();
        bool answered = false;
        const auto poller = answerBorrowing(
            [](BorrowWindow& borrow) {
                press(borrow, "RadioButton2");
                for (int i = 0; i < 5; ++i)
                    press(borrow, "BitBtn1");
            },
            answered);
        table.button("Button2")->click();
        QVERIFY(answered);
        QCOMPARE(table.seat().Credits, 20.0);
        QCOMPARE(table.seat().Borrowed, 0.0);
        QCOMPARE(table.window->pending(), 0.0);
        QCOMPARE(table.window->available(), 20.0);
        table.button("Button1")->click();
        table.pressOk();
    }

    void pendingAmountIsDrawnRightAlignedInRedDigits() {
        BetTable table(5000, 123.5);
        table.open();
        const QImage image = table.window->grab().toImage();
        constexpr int Red = 4;
        const std::vector<std::pair<QChar, int>> cells = {{u' ', 11}, {u' ', 26}, {u'1', 41},
                                                          {u'2', 56}, {u'3', 71}, {u'.', 86},
                                                          {u'5', 90}, {u'0', 105}};
        for (const auto& [glyph, left] : cells) {
            QCOMPARE(image.pixel(left + 1, 141), GlyphColour(glyph, Red));
            QCOMPARE(image.pixel(left + 1, 159), GlyphColour(glyph, Red));
        }
        QCOMPARE(image.pixel(119, 150), GlyphColour(u'0', Red)); // the last cell ends at 120
        QCOMPARE(image.pixel(120, 150), qRgb(0, 0, 0));          // the frame's black edge
        table.pressOk();
    }

    void runsModallyOverTheSeatViewUntilOk() {
        BetTable table(5000, 25);
        QPushButton sibling(QStringLiteral("&Deal"), &table.host);
        sibling.show();
        bool siblingBlocked = false;
        WidgetPoller poller(FindVisible<BetWindow>, [&](QWidget*) {
            siblingBlocked = !sibling.isEnabled();
            table.button("BitBtn2")->click();
            table.button("BitBtn6")->click();
        });
        // Never left hanging: unanswered, the window ends itself as refused.
        QTimer::singleShot(DefaultModalTimeoutMs, table.window.get(),
                           [&] { table.window->done(QDialog::Rejected); });
        QCOMPARE(table.window->ask(Seat1, BetKind::Stake), 50.0);
        QCOMPARE(table.window->result(), int(QDialog::Accepted));
        QVERIFY(poller.acted());
        QVERIFY(!table.window->isWindow());
        QVERIFY(siblingBlocked);
        QVERIFY(sibling.isEnabled());
    }
};

DEALMOOR_QTEST_MAIN(BetWindowTest)
#include "BetWindowTest.moc"
