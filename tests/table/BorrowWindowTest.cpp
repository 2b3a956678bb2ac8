// The borrowing window: credits and debt move together, paying back is refused
// beyond the credits on hand or the debt, amounts stay exact to the cent, and
// the two figures are drawn in their own digit rows.

#include "table/windows/BorrowWindow.h"
#include "DigitSheet.h"
#include "TestSupport.h"
#include "engine/Game.h"
#include "table/SpriteSheets.h"

#include <QPushButton>
#include <QRadioButton>

#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

constexpr int Seat1 = 1;

struct Click {
    bool payBack;
    int tag; // 0 for 1000 .. 5 for 0.01
};

struct Borrowing {
    Game game;
    SpriteSheets sheets;
    std::unique_ptr<BorrowWindow> window;
    std::vector<int> helpTopics;

    Borrowing(double credits, double borrowed) {
        game.CurrentSeat = Seat1;
        game.Seats[Seat1].Human = true;
        game.Seats[Seat1].Credits = credits;
        game.Seats[Seat1].Borrowed = borrowed;
        sheets.Digits = CodedDigits();
        window = std::make_unique<BorrowWindow>(game, sheets, TestProgramDir(), Seat1);
        window->helpRequested = [this](int topic) { helpTopics.push_back(topic); };
        window->show();
    }
    ~Borrowing() { window->close(); }

    Seat& seat() { return game.Seats[Seat1]; }
    template <typename T> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    // Clicks as told; returns the texts of the message boxes the clicks brought up.
    QStringList click(const std::vector<Click>& clicks) {
        QStringList messages;
        for (const Click& c : clicks) {
            (c.payBack ? control<QRadioButton>("RadioButton2")
                       : control<QRadioButton>("RadioButton1"))
                ->click();
            ModalPoller poller([&](QWidget* box) {
                messages << MessageBoxText(box);
                PressMessageBoxButton(box, QMessageBox::Ok);
            });
            QPushButton* amounts[] = {
                control<QPushButton>("BitBtn1"), control<QPushButton>("BitBtn2"),
                control<QPushButton>("BitBtn3"), control<QPushButton>("BitBtn4"),
                control<QPushButton>("BitBtn5"), control<QPushButton>("BitBtn6")};
            amounts[c.tag]->click();
        }
        return messages;
    }
};

} // namespace

class BorrowWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void keysPressTheAmountsAndChooseTheMode() {
        Borrowing borrowing(100, 5000);
        QWidget* window = borrowing.window.get();
        // 1 to 6 from the left: 1000, 100, 10, 1, 0.10 and 0.01 borrowed.
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6})
            QTest::keyClick(window, key);
        QCOMPARE(borrowing.seat().Credits, 1211.11);
        QCOMPARE(borrowing.seat().Borrowed, 6111.11);
        // P pays back, B borrows again.
        QTest::keyClick(window, Qt::Key_P);
        QVERIFY(borrowing.control<QRadioButton>("RadioButton2")->isChecked());
        QTest::keyClick(window, Qt::Key_1);
        QCOMPARE(borrowing.seat().Credits, 211.11);
        QTest::keyClick(window, Qt::Key_B);
        QVERIFY(borrowing.control<QRadioButton>("RadioButton1")->isChecked());
        QTest::keyClick(window, Qt::Key_3);
        QCOMPARE(borrowing.seat().Credits, 221.11);
        QCOMPARE(borrowing.seat().Borrowed, 5121.11);
        QVERIFY(borrowing.control<QPushButton>("BitBtn1")->toolTip().endsWith("(key 1)"));
        // Enter is OK.
        QTest::keyClick(window, Qt::Key_Return);
        QVERIFY(!window->isVisible());
    }

    void opensInBorrowMode() {
        Borrowing borrowing(5000, 5000);
        QCOMPARE(borrowing.window->windowTitle(),
                 QStringLiteral("Use this form to borrow or pay back credits"));
        QCOMPARE(borrowing.window->size(), QSize(582, 300));
        QVERIFY(borrowing.control<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(!borrowing.control<QRadioButton>("RadioButton2")->isChecked());
        QVERIFY(borrowing.control<QPushButton>("OKBtn")->isDefault());
        const QPushButton* amounts[] = {
            borrowing.control<QPushButton>("BitBtn1"), borrowing.control<QPushButton>("BitBtn2"),
            borrowing.control<QPushButton>("BitBtn3"), borrowing.control<QPushButton>("BitBtn4"),
            borrowing.control<QPushButton>("BitBtn5"), borrowing.control<QPushButton>("BitBtn6")};
        for (int tag = 0; tag < 6; ++tag)
            QCOMPARE(amounts[tag]->property("tag").toInt(), tag);
    }

    void amountsMoveCreditsAndDebtTogether() {
        struct Case {
            const char* name;
            double credits, borrowed;
            std::vector<Click> clicks;
            double creditsAfter, borrowedAfter;
            QStringList messages;
        };
        const std::vector<Case> cases = {
            {"borrow 1000 twice", 5000, 5000, {{false, 0}, {false, 0}}, 7000, 7000, {}},
            {"pay back more than on hand",
             50,
             5000,
             {{true, 1}},
             50,
             5000,
             {QStringLiteral("You do not have  100.00 credits!")}},
            {"pay back more than borrowed",
             3000,
             500,
             {{true, 0}},
             3000,
             500,
             {QStringLiteral("You cannot pay back more credits than you have borrowed!")}},
            {"the credits are checked before the debt",
             50,
             20,
             {{true, 1}},
             50,
             20,
             {QStringLiteral("You do not have  100.00 credits!")}},
            {"pay back the whole debt",
             6000,
             5000,
             {{true, 0}, {true, 0}, {true, 0}, {true, 0}, {true, 0}},
             1000,
             0,
             {}},
            {"dimes there and back",
             0,
             0,
             {{false, 4}, {false, 4}, {false, 4}, {true, 4}, {true, 4}, {true, 4}},
             0,
             0,
             {}},
            {"a cent a hundred times is a credit",
             0,
             0,
             std::vector<Click>(100, Click{false, 5}),
             1,
             1,
             {}},
            {"pay back exactly what is on hand",
             0.3,
             0.3,
             {{true, 4}, {true, 4}, {true, 4}},
             0,
             0,
             {}},
        };
        for (const Case& c : cases) {
            Borrowing borrowing(c.credits, c.borrowed);
            const QStringList messages = borrowing.click(c.clicks);
            QVERIFY2(messages == c.messages, c.name);
            QVERIFY2(borrowing.seat().Credits == c.creditsAfter, c.name);
            QVERIFY2(borrowing.seat().Borrowed == c.borrowedAfter, c.name);
        }
    }

    void helpExplainsTheWindow() {
        Borrowing borrowing(5000, 5000);
        QString text;
        ModalPoller poller([&](QWidget* box) {
            text = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        borrowing.control<QPushButton>("BitBtn7")->click();
        QCOMPARE(text, QStringLiteral("Use this screen to borrow credits or pay back credits that "
                                      "you borrowed previously.  Click on the button representing "
                                      "the amount to borrow (or pay back).\n\nTo switch between "
                                      "\"borrow\" and \"pay back\" select the mode."));
        QTest::keyClick(borrowing.control<QPushButton>("BitBtn3"), Qt::Key_F1);
        QCOMPARE(borrowing.helpTopics, std::vector<int>{HelpBorrowing});
    }

    void okKeepsTheChanges() {
        Borrowing borrowing(5000, 5000);
        borrowing.click({{false, 2}});
        borrowing.control<QPushButton>("OKBtn")->click();
        QVERIFY(!borrowing.window->isVisible());
        QCOMPARE(borrowing.seat().Credits, 5010.0);
        QCOMPARE(borrowing.seat().Borrowed, 5010.0);
    }

    void figuresAreDrawnInTheirOwnRows() {
        Borrowing borrowing(7000, 250.5);
        const QImage image = borrowing.window->grab().toImage();
        constexpr int Green = 2;
        constexpr int Red = 4;
        const int width = borrowing.window->width();
        // Credits "   7000.00", right-aligned: the last cell ends 2 pixels inside the right edge.
        const std::vector<std::pair<QChar, int>> credits = {
            {u'0', width - 17}, {u'0', width - 32}, {u'.', width - 36},
            {u'0', width - 51}, {u'7', width - 96}, {u' ', width - 111}};
        for (const auto& [glyph, left] : credits) {
            QCOMPARE(image.pixel(left + 1, 41), GlyphColour(glyph, Green));
            QCOMPARE(image.pixel(left + 1, 59), GlyphColour(glyph, Green));
        }
        // Borrowed "    250.50", left-aligned from x 33.
        const std::vector<std::pair<QChar, int>> borrowed = {{u' ', 33},  {u' ', 78},  {u'2', 93},
                                                             {u'5', 108}, {u'0', 123}, {u'.', 138},
                                                             {u'5', 142}, {u'0', 157}};
        for (const auto& [glyph, left] : borrowed) {
            QCOMPARE(image.pixel(left + 1, 41), GlyphColour(glyph, Red));
            QCOMPARE(image.pixel(left + 1, 59), GlyphColour(glyph, Red));
        }
    }
};

DEALMOOR_QTEST_MAIN(BorrowWindowTest)
#include "BorrowWindowTest.moc"
