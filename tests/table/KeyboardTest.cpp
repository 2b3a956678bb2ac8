// The game played from the keyboard alone: a whole deal with keys, the hint
// line under the table while a hand is decided, the menu keys, F1 opening the
// topic of the window that has the focus, Tab walking every window in reading
// order and out again, the focus frame showing without Tab, and the help
// window's Back, Forward and Escape.

#include "table/Keyboard.h"
#include "engine/Characters.h"
#include "engine/Game.h"
#include "setup/TableSettings.h"
#include "table/HelpViewer.h"
#include "table/TableCanvas.h"
#include "table/TablePresenter.h"
#include "table/windows/BetWindow.h"
#include "table/windows/BorrowWindow.h"
#include "table/windows/DecisionWindow.h"
#include "table/windows/HouseRulesWindow.h"
#include "table/windows/PlayerSetupWindow.h"
#include "table/windows/SoundWindow.h"
#include "table/windows/StrategyCardWindow.h"

#include "ScriptedFiles.h"
#include "StartedTable.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

// A key where the player's key goes: the control that has the focus in the active window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// One human seat, dealt from the top of the shoe in this order: the seat's
// first card, the dealer's hole card, the seat's second card, the dealer's up
// card, then whatever the hand draws.
void rigOneHumanSeat(Game& game, const std::vector<int>& ranks) {
    game.SeatCount = 1;
    game.Seats[1].Human = true;
    game.Seats[1].LastBet = 0;
    for (std::size_t i = 0; i < ranks.size(); ++i)
        game.Shoe.ShoeCards[2 + i] = Card{ranks[i], ranks[i]};
    game.Shoe.ShoePos = 1;
}

// Shows the table at a size that shows every button, with the bet and
// decision windows, at the quickest pace; with `ranks`, one human seat is
// dealt them.
void openForPlay(StartedTable& table, const std::vector<int>& ranks = {}) {
    table.window.createDealWindows();
    table.window.setSpeed(Speed::VeryFast);
    if (!ranks.empty())
        rigOneHumanSeat(table.game(), ranks);
    table.window.showNormal();
    table.window.resize(1024, 768);
    QTRY_COMPARE(table.window.size(), QSize(1024, 768));
    QVERIFY(activate(&table.window));
}

QString textOf(StartedTable& table, const char* label) {
    return table.window.findChild<QLabel*>(QString::fromLatin1(label))->text();
}

// F1 pressed with the table window active: the page the help window then shows.
// The help window is closed again and the table made active for the next key.
QString pageForF1(StartedTable& table) {
    if (!activate(&table.window))
        return QStringLiteral("<table not active>");
    press(Qt::Key_F1);
    const QString page = table.window.help().isVisible() ? table.window.help().currentPage()
                                                         : QStringLiteral("<no help>");
    table.window.help().close();
    activate(&table.window);
    return page;
}

// The objectNames Tab visits from `start` until the focus is back on it.
QStringList tabWalk(QWidget* start) {
    constexpr int Limit = 80;
    start->setFocus(Qt::TabFocusReason);
    QStringList visited{start->objectName()};
    for (int step = 0; step < Limit; ++step) {
        press(Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == start)
            return visited;
        visited << (now != nullptr ? now->objectName() : QStringLiteral("<nothing>"));
    }
    visited << QStringLiteral("<never back>");
    return visited;
}

QImage looks(QWidget* widget) {
    return widget->grab().toImage();
}

// A help folder of three pages and no links, so Tab leaves the page at once.
struct HelpPagesOnDisk {
    QTemporaryDir dir;
    HelpPagesOnDisk() {
        for (const char* page : {"index.html", "41005.html", "41009.html"}) {
            QFile file(dir.filePath(QString::fromLatin1(page)));
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray("<h1>") + page + "</h1>");
        }
    }
    std::string path() const { return dir.path().toStdString() + "/"; }
};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ShowFocusAlways(); }

    void init() { RemoveSettingsFile(); }

    void cleanup() {
        QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open");
        RemoveSettingsFile();
    }

    void aWholeDealWithKeysOnly_data() {
        QTest::addColumn<int>("dealKey");
        QTest::addColumn<bool>("hints");
        QTest::newRow("Space, hints on") << int(Qt::Key_Space) << true;
        QTest::newRow("Enter, hints off") << int(Qt::Key_Return) << false;
    }

    void aWholeDealWithKeysOnly() {
        QFETCH(int, dealKey);
        QFETCH(bool, hints);
        StartedTable table;
        Game& game = table.game();
        table.settings().Hints = hints;
        // 10 and 2 against a 7 showing: H draws a 4, S stands on 16, the dealer's 17 wins.
        openForPlay(table, {10, 10, 2, 7, 4});
        QCOMPARE(QApplication::focusWidget(), table.button("Button6"));

        WidgetPoller bet(FindVisible<BetWindow>, [&](QWidget*) {
            press(Qt::Key_3); // a chip of 5
            press(Qt::Key_Return);
        });
        QString hintShown, totalShown, tooltip;
        WidgetPoller hit(
            FindVisible<DecisionWindow>,
            [&](QWidget* window) {
                hintShown = textOf(table, "HintLine");
                totalShown = textOf(table, "HandTotal");
                tooltip = window->toolTip();
                press(Qt::Key_H);
            },
            30000);
        QString totalAfterHit;
        WidgetPoller stand(
            [&]() -> QWidget* {
                return hit.acted() && game.Hands[1].CardCount == 3 ? FindVisible<DecisionWindow>()
                                                                   : nullptr;
            },
            [&](QWidget*) {
                totalAfterHit = textOf(table, "HandTotal");
                press(Qt::Key_S);
            },
            30000);
        press(Qt::Key(dealKey));
        QVERIFY(bet.acted());
        QVERIFY(hit.acted());
        QVERIFY(stand.acted());
        QVERIFY(!game.DealInProgress);
        QCOMPARE(game.TotalHands, 1);
        QCOMPARE(game.Seats[1].LastBet, 5.0);
        QCOMPARE(game.Seats[1].Credits, 4995.0); // 16 loses to 17

        // With hints on the line under the table reads the hint and the total.
        QCOMPARE(hintShown, tooltip);
        QCOMPARE(hintShown.isEmpty(), !hints);
        QCOMPARE(totalShown, hints ? QStringLiteral("Your hand: 12") : QString());
        QCOMPARE(totalAfterHit, hints ? QStringLiteral("Your hand: 16") : QString());
        // It clears when the window closes, and the next key deals again.
        QCOMPARE(textOf(table, "HintLine"), QString());
        QCOMPARE(textOf(table, "HandTotal"), QString());
        QCOMPARE(QApplication::focusWidget(), table.button("Button6"));
        QVERIFY(table.window.close());
    }

    void ctrlMSwitchesTheSoundAlsoAtAPrompt() {
        StartedTable table;
        openForPlay(table, {10, 10, 2, 7});
        QAction* soundOn = table.action("SoundOn1");
        QCOMPARE(soundOn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        press(Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!table.settings().SoundOn);
        QVERIFY(!soundOn->isChecked());

        bool onAtThePrompt = false;
        bool cardsAtThePrompt = true;
        ModalPoller sitOut([](QWidget* box) { PressMessageBoxButton(box, QMessageBox::Ok); });
        WidgetPoller bet(FindVisible<BetWindow>, [&](QWidget*) {
            press(Qt::Key_M, Qt::ControlModifier);
            onAtThePrompt = table.settings().SoundOn;
            cardsAtThePrompt = table.action("StrategyCards1")->isEnabled();
            press(Qt::Key_Return); // nothing put up: the seat sits out
        });
        press(Qt::Key_Space);
        QVERIFY(bet.acted());
        QVERIFY(sitOut.acted());
        QVERIFY(onAtThePrompt);
        QVERIFY(!cardsAtThePrompt); // only the sound is switched at a prompt
        QVERIFY(soundOn->isChecked());
        QVERIFY(table.window.close());
    }

    void ctrlASwitchesAutoDealAndCtrlKShowsTheCount() {
        StartedTable table;
        SeatOnlyComputers(table);
        table.window.show();
        QVERIFY(activate(&table.window));
        press(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(table.action("AutoDeal2")->isChecked());
        press(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!table.action("AutoDeal2")->isChecked());
        QVERIFY(!table.timer("AutoModeTimer")->isActive());

        QString shown;
        ModalPoller count([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        press(Qt::Key_K, Qt::ControlModifier);
        QVERIFY(count.acted());
        QVERIFY(shown.startsWith("At the completion of the last hand"));
        QVERIFY(table.window.close());
    }

    void f1OpensTheTopicOfTheWindowWithTheFocus() {
        StartedTable table;
        // 10 and 6 against an ace over a 5: insurance is offered, then the hand is played.
        openForPlay(table, {10, 5, 6, 1});

        QStringList pages;
        pages << pageForF1(table); // the Deal button
        table.window.findChild<SeatPanelView*>("Panel1")->setFocus();
        pages << pageForF1(table);
        table.button("Button6")->setFocus();

        bool betDone = false;
        QString borrowingPage;
        WidgetPoller bet(FindVisible<BetWindow>, [&](QWidget*) {
            pages << pageForF1(table);
            ModalPoller borrowing([&](QWidget* window) {
                // The borrowing window is a window of its own, over the table.
                QTest::keyClick(window, Qt::Key_F1);
                borrowingPage = table.window.help().currentPage();
                table.window.help().close();
                QTest::keyClick(window, Qt::Key_Return);
            });
            press(Qt::Key_B);
            activate(&table.window);
            press(Qt::Key_3);
            press(Qt::Key_Return);
            betDone = true;
        });
        WidgetPoller insurance(
            [&]() -> QWidget* { return betDone ? FindVisible<BetWindow>() : nullptr; },
            [&](QWidget*) {
                pages << pageForF1(table);
                press(Qt::Key_Return); // no insurance
            },
            30000);
        WidgetPoller decide(
            FindVisible<DecisionWindow>,
            [&](QWidget*) {
                pages << pageForF1(table);
                press(Qt::Key_S);
            },
            30000);
        press(Qt::Key_Space);
        QVERIFY(bet.acted());
        QVERIFY(insurance.acted());
        QVERIFY(decide.acted());
        QCOMPARE(pages, QStringList({"41005.html", "41005.html", "41002.html", "41010.html",
                                     "41009.html"}));
        QCOMPARE(borrowingPage, "41003.html");
        QVERIFY(table.window.close());
    }

    void tabVisitsEveryWindowInReadingOrderAndComesBack() {
        struct Case {
            const char* window;
            std::function<std::unique_ptr<QWidget>()> open; // the window to walk, shown
            QStringList expected;                           // from the first control round
        };
        Game game;
        InitCharacters(game);
        ResetGameState(game);
        game.SeatCount = 2;
        game.Seats[1].Human = true;
        game.Seats[2].Human = false;
        game.CurrentSeat = 1;
        game.Seats[1].Credits = 1000;
        game.Seats[1].Bet = 10;
        // A pair of fives: every choice of the decision window is offered.
        game.HouseRules.LateSurrender = true;
        for (int slot : {DealerSlot, 1}) {
            Hand& hand = game.Hands[slot];
            ClearHand(hand);
            hand.CardCount = 2;
            hand.Ranks = {5, 5};
            hand.CardIds = {5, 18};
            ComputeTotal(hand);
        }
        TableSettings settings;
        SpriteSheets sheets;
        ScriptedFiles files;
        StrategyCard card;
        HelpPagesOnDisk helpPages;
        // The bet and decision windows sit over a seat view of their own.
        const auto overSeatView = [](auto makeOverlay) {
            auto seatView = std::make_unique<QWidget>();
            seatView->resize(800, 600);
            makeOverlay(seatView.get())->show();
            seatView->show();
            return seatView;
        };
        const std::vector<Case> cases = {
            {"bet",
             [&] {
                 return overSeatView([&](QWidget* seatView) {
                     auto* bet = new BetWindow(game, sheets, TestProgramDir(), seatView);
                     bet->prepare(1, BetKind::Stake);
                     return bet;
                 });
             },
             {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "Button1", "Button2",
              "BitBtn7", "BitBtn6"}},
            {"decision",
             [&] {
                 return overSeatView([&](QWidget* seatView) {
                     auto* decision = new DecisionWindow(game, sheets, settings, seatView);
                     decision->prepare(1, OfferFor(game));
                     return decision;
                 });
             },
             {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6"}},
            {"borrowing",
             [&] {
                 auto window = std::make_unique<BorrowWindow>(game, sheets, TestProgramDir(), 1);
                 window->show();
                 return std::unique_ptr<QWidget>(std::move(window));
             },
             {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "RadioButton1",
              "OKBtn", "BitBtn7"}},
            {"player set-up",
             [&] {
                 auto window = std::make_unique<PlayerSetupWindow>(game, settings, QImage());
                 window->show();
                 return std::unique_ptr<QWidget>(std::move(window));
             },
             {"ScrollBar1", "ScrollBar2", "Button2", "Button3", "Edit1", "Button4", "Button5",
              "Edit2", "Button15", "Button1", "BitBtn1"}},
            {"house rules",
             [&] {
                 auto window = std::make_unique<HouseRulesWindow>(game);
                 window->show();
                 return std::unique_ptr<QWidget>(std::move(window));
             },
             {"Button1", "Button2",  "BitBtn1",  "Button3", "Button4",  "BitBtn2",
              "Button5", "Button6",  "BitBtn3",  "Button7", "Button8",  "BitBtn4",
              "Button9", "Button13", "Button14", "BitBtn5", "Button10", "Button11",
              "BitBtn6", "BitBtn7",  "Button12", "BitBtn8"}},
            {"strategy card",
             [&] {
                 auto window = std::make_unique<StrategyCardWindow>(card);
                 window->show();
                 return std::unique_ptr<QWidget>(std::move(window));
             },
             {"StringGrid1", "TestCard", "BitBtn2", "Edit1", "BitBtn1"}},
            {"sound",
             [&] {
                 auto window =
                     std::make_unique<SoundWindow>(settings, files, [](const std::string&) {});
                 window->show();
                 return std::unique_ptr<QWidget>(std::move(window));
             },
             {"BlackjackChange", "BlackjackPreview", "CardDealChange", "CardDealPreview",
              "LoseChange", "LosePreview", "WinChange", "WinPreview", "ShuffleChange",
              "ShufflePreview", "RestoreDefaults", "OKButton"}},
            {"help",
             [&] {
                 auto window = std::make_unique<HelpViewer>(helpPages.path());
                 window->ShowContents();
                 window->ShowTopic(HelpTableWindow); // Back is open, Forward not yet
                 return std::unique_ptr<QWidget>(std::move(window));
             },
             {"HelpBack", "HelpClose", "HelpPages"}},
        };
        for (const Case& c : cases) {
            std::unique_ptr<QWidget> window = c.open();
            QVERIFY2(activate(window->window()), c.window);
            auto* first = window->findChild<QWidget*>(c.expected.first());
            QVERIFY2(first != nullptr, c.window);
            const QStringList walked = tabWalk(first);
            QVERIFY2(walked == c.expected, qPrintable(QString::fromLatin1(c.window) + ": " +
                                                      walked.join(QLatin1Char(' '))));
            window->close();
        }
    }

    void tabWalksTheTableButtonsThenTheSeatsInPlay() {
        StartedTable table;
        table.game().SeatCount = 6;
        openForPlay(table);
        const QStringList walked = tabWalk(table.button("Button4"));
        QCOMPARE(walked,
                 QStringList({"Button4", "Button2", "Button3", "BitBtn1", "Button1", "Button6",
                              "Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6"}));
        // Space on a seat's panel shows the seat's message, as a click does.
        QString shown;
        ModalPoller message([&](QWidget* box) {
            shown = MessageBoxText(box);
            PressMessageBoxButton(box, QMessageBox::Ok);
        });
        table.window.findChild<SeatPanelView*>("Panel2")->setFocus();
        press(Qt::Key_Space);
        QVERIFY(message.acted());
        QVERIFY(shown.startsWith("Name:  " + QString::fromStdString(table.game().Seats[2].Name)));
        QVERIFY(table.window.close());
    }

    void theFocusFrameShowsWithoutTab() {
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("&Stand"), &window);
        auto* other = new QPushButton(QStringLiteral("&Hit"), &window);
        auto* bar = new QScrollBar(Qt::Horizontal, &window);
        bar->setFocusPolicy(Qt::StrongFocus);
        MarkFocus(bar);
        button->setGeometry(10, 10, 116, 36);
        other->setGeometry(10, 60, 116, 36);
        bar->setGeometry(10, 110, 150, 20);
        window.resize(200, 150);
        window.show();
        QVERIFY(activate(&window));
        other->setFocus(Qt::OtherFocusReason);
        const QImage buttonPlain = looks(button);
        const QImage barPlain = looks(bar);
        // Focus given by the program, as the windows do on opening: no Tab pressed.
        button->setFocus(Qt::OtherFocusReason);
        QVERIFY(looks(button) != buttonPlain);
        bar->setFocus(Qt::OtherFocusReason);
        QVERIFY(looks(bar) != barPlain);
        QCOMPARE(looks(button), buttonPlain);
    }

    void aSeatPanelShowsItsFocus() {
        StartedTable table;
        openForPlay(table);
        auto* panel = table.window.findChild<SeatPanelView*>("Panel3");
        const QImage plain = looks(panel);
        panel->setFocus(Qt::OtherFocusReason);
        const QImage focused = looks(panel);
        QVERIFY(focused != plain);
        // Only the rim changes: the seat's picture stays as it was.
        const QPoint middle = panel->rect().center();
        QCOMPARE(focused.pixel(middle), plain.pixel(middle));
        QVERIFY(table.window.close());
    }

    void helpGoesBackAndForwardAndEscapeClosesIt() {
        HelpPagesOnDisk pages;
        HelpViewer help(pages.path());
        help.ShowContents();
        help.ShowTopic(HelpTableWindow);
        help.ShowTopic(41009);
        QVERIFY(activate(&help));
        auto* back = help.findChild<QAbstractButton*>("HelpBack");
        auto* forward = help.findChild<QAbstractButton*>("HelpForward");
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());

        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(help.currentPage(), "41005.html");
        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(help.currentPage(), "index.html");
        QVERIFY(!back->isEnabled());
        press(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(help.currentPage(), "41005.html");
        // The buttons do the same, from wherever the focus is.
        back->setFocus();
        press(Qt::Key_Space);
        QCOMPARE(help.currentPage(), "index.html");
        forward->click();
        forward->click();
        QCOMPARE(help.currentPage(), "41009.html");
        QVERIFY(!forward->isEnabled());

        press(Qt::Key_Escape);
        QVERIFY(!help.isVisible());
        // Opened again, it shows the topic asked for.
        help.ShowTopic(HelpTableWindow);
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), "41005.html");
        help.findChild<QAbstractButton*>("HelpClose")->click();
        QVERIFY(!help.isVisible());
    }
};

DEALMOOR_QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
