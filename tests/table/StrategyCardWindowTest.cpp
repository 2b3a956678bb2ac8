// The strategy card window as a player uses it: the chart it shows, clicks
// that step a cell through the actions, the title, Save and Cancel, the size
// it keeps and the corner picture.

#include "table/windows/StrategyCardWindow.h"
#include "engine/StrategyCard.h"
#include "strategy/Evaluation.h"
#include "strategy/StrategyCardEditing.h"
#include "strategy/StrategyFile.h"
#include "table/MoneyText.h"

#include "TestSupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

// The default table with two codes no action has, and a title.
StrategyCard oddCard() {
    StrategyCard card;
    FillDefaultTable(card);
    card.cell(3, 7) = 'x';
    card.cell(10, 35) = 0xFF;
    card.setTitle("House card");
    return card;
}

bool sameBytes(const StrategyCard& a, const StrategyCard& b) {
    return std::memcmp(&a, &b, sizeof(StrategyCard)) == 0;
}

QTableWidget* gridOf(QWidget* window) {
    return window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
}

QPushButton* buttonOf(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

QLineEdit* titleOf(QWidget* window) {
    return window->findChild<QLineEdit*>(QStringLiteral("Edit1"));
}

QString shownLabel(QWidget* window, int column, int row) {
    return gridOf(window)->item(row - 1, column - 1)->text();
}

// A mouse click on the card's cell (column 1..10, row 1..35), as the player clicks it.
void clickCell(QWidget* window, int column, int row) {
    QTableWidget* grid = gridOf(window);
    QTableWidgetItem* item = grid->item(row - 1, column - 1);
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

// The row of hard 11 on the card.
constexpr int Hard11 = 28;

// The default card, but standing on hard 11 against every up card: a known bad play.
StrategyCard standsOnEleven() {
    StrategyCard card;
    FillDefaultTable(card);
    for (int column = 1; column <= CardColumns; ++column)
        card.cell(column, Hard11) = 'S';
    return card;
}

// A test short enough for the sanitizer build, in chunks so that progress shows.
SimulationPlan shortTest(int64_t deals) {
    SimulationPlan plan;
    plan.Deals = deals;
    plan.Seed = 11;
    plan.ChunkDeals = 5'000;
    return plan;
}

QString labelText(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The threads of this process, as the kernel counts them.
int threadsOfProcess() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Threads:", 0) == 0)
            return std::stoi(line.substr(8));
    }
    return -1;
}

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class StrategyCardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open"); }

    void showsTheCardUnderTheDealersAndPlayersHeadings() {
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        QCOMPARE(window.objectName(), "StrCard");
        QCOMPARE(window.windowTitle(), "Strategy Card:");
        QCOMPARE(titleOf(&window)->text(), "House card");

        QTableWidget* grid = gridOf(&window);
        QCOMPARE(grid->columnCount(), CardColumns);
        QCOMPARE(grid->rowCount(), CardRows);
        QStringList across;
        for (int column = 0; column < CardColumns; ++column)
            across << grid->horizontalHeaderItem(column)->text();
        QCOMPARE(across.join(' '), "2 3 4 5 6 7 8 9 X A");
        QStringList down;
        for (int row = 0; row < CardRows; ++row)
            down << grid->verticalHeaderItem(row)->text();
        QCOMPARE(down.join(' '), "AA XX 99 88 77 66 55 44 33 22 A9 A8 A7 A6 A5 A4 A3 A2 "
                                 "20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4");

        // Cells by (column, row) of the card.
        QCOMPARE(shownLabel(&window, 1, 1), "Split/Hit");     // aces against 2
        QCOMPARE(shownLabel(&window, 1, 3), "Split/Stand");   // nines against 2
        QCOMPARE(shownLabel(&window, 5, 12), "Double/Stand"); // soft 19 against 6
        QCOMPARE(shownLabel(&window, 1, 29), "Double/Hit");   // hard 10 against 2
        QCOMPARE(shownLabel(&window, 10, 23), "Hit");         // hard 16 against an ace
        QCOMPARE(shownLabel(&window, 9, 19), "Stand");        // hard 20 against a ten
        QCOMPARE(shownLabel(&window, 3, 7), "");              // a code of no action
        QCOMPARE(shownLabel(&window, 10, 35), "");
    }

    void eachActionHasItsOwnColourAndAReadableLabel() {
        const QList<CardAction> actions = {CardAction::Hit,       CardAction::Stand,
                                           CardAction::DoubleHit, CardAction::DoubleStand,
                                           CardAction::SplitHit,  CardAction::SplitStand};
        QSet<QRgb> fills;
        for (const CardAction action : actions) {
            const CellColours colours = ColoursOfAction(action);
            fills.insert(colours.fill.rgb());
            QVERIFY2(contrast(colours.fill, colours.ink) >= 4.5, "a label too faint to read");
        }
        fills.insert(ColoursOfAction(CardAction::None).fill.rgb());
        QCOMPARE(fills.size(), actions.size() + 1);

        // And the cells are painted in them.
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        window.resize(1100, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableWidget* grid = gridOf(&window);
        const QImage shot = grid->viewport()->grab().toImage();
        struct Sample {
            int column;
            int row;
            CardAction action;
        };
        for (const Sample sample :
             {Sample{1, 1, CardAction::SplitHit}, Sample{1, 3, CardAction::SplitStand},
              Sample{5, 12, CardAction::DoubleStand}, Sample{1, 29, CardAction::DoubleHit},
              Sample{10, 23, CardAction::Hit}, Sample{9, 19, CardAction::Stand},
              Sample{3, 7, CardAction::None}}) {
            const QRect cell = grid->visualItemRect(grid->item(sample.row - 1, sample.column - 1));
            const QPoint inside = cell.topLeft() * grid->devicePixelRatio() + QPoint(3, 3);
            QCOMPARE(shot.pixelColor(inside).rgb(), ColoursOfAction(sample.action).fill.rgb());
        }
        window.close();
    }

    void aClickStepsACellThroughTheSixActions() {
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Nines against 2 split and stand; one click hits, six come back.
        clickCell(&window, 1, 3);
        QCOMPARE(shownLabel(&window, 1, 3), "Hit");
        QCOMPARE(card.cell(1, 3), 'H');
        const QStringList expected = {"Stand", "Double/Hit", "Double/Stand", "Split/Hit",
                                      "Split/Stand"};
        for (const QString& label : expected) {
            clickCell(&window, 1, 3);
            QCOMPARE(shownLabel(&window, 1, 3), label);
        }
        QCOMPARE(card.cell(1, 3), 'p');

        // Space on the current cell does what a click does.
        QTest::keyClick(gridOf(&window), Qt::Key_Space);
        QCOMPARE(card.cell(1, 3), 'H');
        window.close();
    }

    void headingsAndCellsOfNoActionDoNotChange() {
        StrategyCard card = oddCard();
        const StrategyCard before = card;
        StrategyCardWindow window(card);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableWidget* grid = gridOf(&window);

        QHeaderView* across = grid->horizontalHeader();
        QTest::mouseClick(across->viewport(), Qt::LeftButton, {},
                          QPoint(across->sectionViewportPosition(2) + 5, 10));
        QHeaderView* down = grid->verticalHeader();
        QTest::mouseClick(down->viewport(), Qt::LeftButton, {},
                          QPoint(10, down->sectionViewportPosition(4) + 5));
        clickCell(&window, 3, 7);
        clickCell(&window, 3, 7);
        clickCell(&window, 10, 35);

        QVERIFY(sameBytes(card, before));
        QCOMPARE(shownLabel(&window, 3, 7), "");
        window.close();
    }

    void saveAndCancelAnswerAndTheTitleIsCutOnEveryClose_data() {
        QTest::addColumn<QString>("closeBy");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Save") << "BitBtn1" << true;
        QTest::newRow("Cancel") << "BitBtn2" << false;
        QTest::newRow("close box") << "" << false;
    }

    void saveAndCancelAnswerAndTheTitleIsCutOnEveryClose() {
        QFETCH(QString, closeBy);
        QFETCH(bool, saved);
        StrategyCard card = oddCard();
        const QString typed = QStringLiteral("Stand on twelve against everything the dealer has");
        QVERIFY(typed.size() > 40);
        ModalPoller poller([&](QWidget* window) {
            QLineEdit* title = titleOf(window);
            title->selectAll();
            QTest::keyClicks(title, typed);
            clickCell(window, 1, 27); // hard 12 against 2: Hit becomes Stand
            if (closeBy.isEmpty())
                window->close();
            else
                buttonOf(window, closeBy.toLatin1().constData())->click();
        });
        QCOMPARE(StrategyCardWindow::EditCard(card, HouseRules{}, nullptr), saved);
        QVERIFY(poller.acted());
        QCOMPARE(QString::fromStdString(card.titleText()), typed.left(40));
        // The cell changed at the click, whatever the answer.
        QCOMPARE(card.cell(1, 27), 'S');
    }

    void anUneditedTitleKeepsItsBytes() {
        // A title of single-byte text, as cards made elsewhere hold, with a
        // byte behind it.
        StrategyCard card = oddCard();
        const char latin[] = "Caf\xE9 card";
        std::memcpy(card.Title.data(), latin, sizeof latin - 1);
        card.TitleLength = sizeof latin - 1;
        card.Title[30] = '!';
        const StrategyCard before = card;
        ModalPoller poller([](QWidget* window) {
            QCOMPARE(titleOf(window)->text(), QStringLiteral("Caf\u00E9 card"));
            buttonOf(window, "BitBtn1")->click();
        });
        QVERIFY(StrategyCardWindow::EditCard(card, HouseRules{}, nullptr));
        QVERIFY(poller.acted());
        QVERIFY(sameBytes(card, before));
    }

    void keepsItsWidthAndPlacesButtonsAndTitle_data() {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<int>("width");
        QTest::newRow("too narrow snaps to 620") << QSize(500, 444) << 620;
        QTest::newRow("as opened") << QSize(640, 444) << 640;
        QTest::newRow("wide") << QSize(1000, 700) << 1000;
        QTest::newRow("narrow and tall") << QSize(300, 900) << 620;
    }

    void keepsItsWidthAndPlacesButtonsAndTitle() {
        QFETCH(QSize, asked);
        QFETCH(int, width);
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(asked);
        QTRY_COMPARE(window.width(), width);
        QTRY_COMPARE(window.height(), asked.height());
        const int w = window.width();
        const int h = window.height();

        // The card test's panel lies between the grid and the buttons.
        const QWidget* panel = window.findChild<QWidget*>(QStringLiteral("CardTest"));
        const int gridHeight = h - 48 - panel->height();
        QCOMPARE(gridOf(&window)->geometry(), QRect(0, 0, w, gridHeight));
        QCOMPARE(panel->geometry(), QRect(0, gridHeight, w, panel->height()));
        QPushButton* save = buttonOf(&window, "BitBtn1");
        QPushButton* cancel = buttonOf(&window, "BitBtn2");
        QCOMPARE(save->size(), QSize(121, 33));
        QCOMPARE(cancel->size(), QSize(121, 33));
        QCOMPARE(save->pos(), QPoint(w - 121 - 16, h - 33 - 8));
        QCOMPARE(cancel->pos(), QPoint(16, h - 33 - 8));
        QLineEdit* title = titleOf(&window);
        QCOMPARE(title->width(), 329);
        const int saveRight = save->x() + save->width();
        QCOMPARE(title->pos(),
                 QPoint(cancel->x() + (saveRight - cancel->x()) / 2 - 329 / 2, save->y() + 4));
        window.close();
    }

    void everyLabelFitsItsCellAndALargeWindowShowsTheWholeCard() {
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableWidget* grid = gridOf(&window);
        // As opened: cells of 80 by 16 under headings of 90 and 40, scrolling.
        QCOMPARE(grid->verticalHeader()->width(), 90);
        QCOMPARE(grid->horizontalHeader()->height(), 40);
        QVERIFY(grid->columnWidth(0) >= 80);
        QVERIFY(grid->rowHeight(0) >= 16);
        const QFontMetrics metrics(grid->font());
        for (const char* label :
             {"Hit", "Stand", "Double/Hit", "Double/Stand", "Split/Hit", "Split/Stand"})
            QVERIFY2(metrics.horizontalAdvance(QString::fromLatin1(label)) < grid->columnWidth(0),
                     label);

        window.resize(1100, 800);
        QTRY_COMPARE(window.size(), QSize(1100, 800));
        QTRY_COMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QVERIFY(grid->columnWidth(CardColumns - 1) > 80);
        window.close();
    }

    void theCornerPicturePartsDealerAndPlayer() {
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        auto* picture = window.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(picture);
        QVERIFY(picture->isHidden());
        QCOMPARE(picture->pixmap().size(), QSize(90, 40));
        auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 20);
        QVERIFY(timer->isSingleShot());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!timer->isActive());
        QTableWidget* grid = gridOf(&window);
        const QImage shot = grid->grab().toImage();
        const qreal ratio = grid->devicePixelRatio();
        const QPoint corner(grid->frameWidth(), grid->frameWidth());
        auto at = [&](int x, int y) { return shot.pixelColor((corner + QPoint(x, y)) * ratio); };
        // Under the diagonal from top left to bottom right, away from the words.
        const QColor dealer = at(88, 30);
        const QColor player = at(2, 10);
        QVERIFY2(dealer.red() > 150 && dealer.blue() < 60 && dealer.green() < 60, "red above");
        QVERIFY2(player.blue() > 150 && player.red() < 60 && player.green() < 60, "blue below");
        window.close();
    }

    void cellsThatPartFromTheHintsAreMarkedAndFollowTheClicks() {
        StrategyCard card = standsOnEleven();
        StrategyCardWindow window(card, HouseRules{});
        QTableWidget* grid = gridOf(&window);
        // The standard rules double 11 against 2 to 10 and hit it against an ace.
        for (int column = 1; column <= CardColumns; ++column) {
            const QString hint = column == CardColumns ? "Hit" : "Double/Hit";
            QCOMPARE(grid->item(Hard11 - 1, column - 1)->toolTip(),
                     QStringLiteral("The hints play %1 here").arg(hint));
        }
        QVERIFY(grid->item(Hard11, 0)->toolTip().isEmpty()); // hard 10 as the hints play it
        const auto marks = [](const StrategyCard& shown) {
            const CardAdvice advice = CompareWithHints(HouseRules{}, shown);
            return QStringLiteral("(%1)").arg(std::count_if(
                advice.begin(), advice.end(), [](const CellAdvice& cell) { return cell.Differs; }));
        };
        QVERIFY(labelText(&window, "MarkLegend").endsWith(marks(card)));

        // The marks are painted with the action colours still showing around them.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableWidgetItem* marked = grid->item(Hard11 - 1, 0);
        QTableWidgetItem* plain = grid->item(Hard11, 0);
        grid->scrollToItem(marked);
        const QImage shot = grid->viewport()->grab().toImage();
        const qreal ratio = grid->devicePixelRatio();
        auto corner = [&](QTableWidgetItem* item) {
            const QRect cell = grid->visualItemRect(item);
            return shot.pixelColor(QPoint(cell.right() - 3, cell.top() + 2) * ratio);
        };
        auto middleLeft = [&](QTableWidgetItem* item) {
            const QRect cell = grid->visualItemRect(item);
            return shot.pixelColor(QPoint(cell.left() + 3, cell.center().y()) * ratio);
        };
        QVERIFY2(corner(marked).lightness() < 60, "a dark mark in the corner");
        QCOMPARE(middleLeft(marked), ColoursOfAction(CardAction::Stand).fill);
        QCOMPARE(corner(plain), ColoursOfAction(CardAction::DoubleHit).fill);

        // Stepping 11 against 2 on to Double/Hit plays it as the hints do: no mark.
        clickCell(&window, 1, Hard11); // Stand -> Double/Hit
        QCOMPARE(card.cell(1, Hard11), 'D');
        QVERIFY(grid->item(Hard11 - 1, 0)->toolTip().isEmpty());
        QVERIFY(labelText(&window, "MarkLegend").endsWith(marks(card)));

        // Other rules, other marks: the window marks by the rules it was given.
        StrategyCard standard;
        FillDefaultTable(standard);
        HouseRules anyTwoCards;
        anyTwoCards.DoubleMin = 1;
        anyTwoCards.DoubleMax = 21;
        const CardAdvice underStandard = CompareWithHints(HouseRules{}, standard);
        const CardAdvice underAny = CompareWithHints(anyTwoCards, standard);
        StrategyCardWindow other(standard, anyTwoCards);
        int changed = 0;
        for (int row = 1; row <= CardRows; ++row) {
            for (int column = 1; column <= CardColumns; ++column) {
                const std::size_t cell = StrategyCard::cellIndex(column, row);
                QCOMPARE(!gridOf(&other)->item(row - 1, column - 1)->toolTip().isEmpty(),
                         underAny[cell].Differs);
                changed += underAny[cell].Differs != underStandard[cell].Differs ? 1 : 0;
            }
        }
        QVERIFY2(changed > 0, "the two sets of rules mark the same cells");
        window.close();
    }

    void theTestReportsTheCardAgainstTheHintsOnTheSameShoes() {
        StrategyCard card = standsOnEleven();
        const SimulationPlan plan = shortTest(60'000);
        StrategyCardWindow window(card, HouseRules{});
        window.setTestPlan(plan);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPushButton* test = buttonOf(&window, "TestCard");
        QCOMPARE(test->text(), "&Test");
        auto* progress = window.findChild<QProgressBar*>(QStringLiteral("TestProgress"));
        QVERIFY(progress->isHidden());

        test->click();
        QVERIFY(window.testing());
        QCOMPARE(test->text(), "S&top");
        QVERIFY(progress->isVisible());
        QCOMPARE(labelText(&window, "TestDeals"), "0 of 60,000 deals");
        // The grid goes on taking clicks on the window thread while the test runs.
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.testing(), 120000);
        QCOMPARE(test->text(), "&Test");
        QCOMPARE(progress->value(), progress->maximum());
        QVERIFY(labelText(&window, "TestDeals").startsWith("Tested over 60,000 deals in "));

        // The same figures as the library's on the same plan (the shoes depend
        // only on the seed), in the panel's words.
        const std::atomic<bool> never{false};
        const CardTestOutcome expected = TestStrategyCard(HouseRules{}, card, plan, {}, never);
        const RatioEstimate byCard = EstimatePerUnit(expected.Figures.Card);
        const RatioEstimate byHints = EstimatePerUnit(expected.Figures.Hints);
        const RatioEstimate difference = EstimatePerUnit(expected.Figures.Difference);
        QCOMPARE(labelText(&window, "CardResult"),
                 "This card: " + PercentWithInterval(byCard.PerUnit, byCard.HalfWidth));
        QCOMPARE(labelText(&window, "HintsResult"),
                 "The hints' strategy: " + PercentWithInterval(byHints.PerUnit, byHints.HalfWidth));
        QCOMPARE(labelText(&window, "TestDifference"),
                 StrategyCardWindow::DifferenceInWords(difference));
        // Standing on 11 costs money, and the same shoes measure it more
        // tightly than either result alone.
        QVERIFY(labelText(&window, "TestDifference").startsWith("This card loses "));
        QVERIFY(difference.HalfWidth < byCard.HalfWidth);
        QVERIFY(difference.HalfWidth < byHints.HalfWidth);
        window.close();
    }

    void theTestStopsOnStopOnACellChangeAndWithItsWindow() {
        StrategyCard card = standsOnEleven();
        const int threadsBefore = threadsOfProcess();
        {
            StrategyCardWindow window(card, HouseRules{});
            window.setTestPlan(shortTest(2'000'000));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QPushButton* test = buttonOf(&window, "TestCard");
            auto* progress = window.findChild<QProgressBar*>(QStringLiteral("TestProgress"));

            // Stop: the figures so far stay, the button offers a new test.
            test->click();
            QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 60000);
            test->click();
            QVERIFY(!window.testing());
            QCOMPARE(test->text(), "&Test");
            QVERIFY(labelText(&window, "TestDeals").startsWith("Stopped after "));
            QVERIFY(!labelText(&window, "CardResult").isEmpty());
            QTRY_VERIFY(!window.testThreadsLeft());

            // A cell change: the figures were the old card's.
            test->click();
            QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 60000);
            clickCell(&window, 1, Hard11);
            QVERIFY(!window.testing());
            QCOMPARE(labelText(&window, "TestDeals"),
                     "The card changed: Test tries it as it is now");
            QTRY_VERIFY(!window.testThreadsLeft());

            // Closing: the workers are joined before the window has gone.
            test->click();
            QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 60000);
            QVERIFY(threadsOfProcess() > threadsBefore);
            window.close();
            QVERIFY(!window.testing());
            QVERIFY(!window.testThreadsLeft());
        }
        QCOMPARE(threadsOfProcess(), threadsBefore);
    }

    void theDifferenceIsPutInWords_data() {
        QTest::addColumn<double>("perUnit");
        QTest::addColumn<double>("halfWidth");
        QTest::addColumn<QString>("words");
        QTest::newRow("worse")
            << -0.0031 << 0.0004
            << "This card loses 0.31% \u00B1 0.04% more than the hints' strategy.";
        QTest::newRow("better")
            << 0.0012 << 0.0005
            << "This card wins 0.12% \u00B1 0.05% more than the hints' strategy.";
        QTest::newRow("level, a little worse")
            << -0.0002 << 0.0004
            << "This card and the hints' strategy are level: 0.02% \u00B1 0.04% apart, which is "
               "within chance.";
        QTest::newRow("level, a little better")
            << 0.0004 << 0.0004
            << "This card and the hints' strategy are level: 0.04% \u00B1 0.04% apart, which is "
               "within chance.";
        QTest::newRow("the same play")
            << 0.0 << 0.0 << "This card played every hand of the test as the hints' strategy.";
    }

    void theDifferenceIsPutInWords() {
        QFETCH(double, perUnit);
        QFETCH(double, halfWidth);
        QFETCH(QString, words);
        QCOMPARE(StrategyCardWindow::DifferenceInWords(RatioEstimate{perUnit, halfWidth}), words);
    }

    void f1OpensTheCardWindowsTopic() {
        StrategyCard card = oddCard();
        StrategyCardWindow window(card);
        int topic = 0;
        window.helpRequested = [&](int context) { topic = context; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(gridOf(&window), Qt::Key_F1);
        QCOMPARE(topic, 41018);
        window.close();
    }
};

DEALMOOR_QTEST_MAIN(StrategyCardWindowTest)
#include "StrategyCardWindowTest.moc"
