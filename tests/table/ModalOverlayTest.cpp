// A child window run modally over the table: the rest of the top-level window
// takes no input meanwhile, timers go on, Escape and close requests do not end
// it, and exactly what was switched off is switched on again.

#include "table/ModalOverlay.h"
#include "TestSupport.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

using namespace dealmoor;
using namespace dealmoor::testing;

class ModalOverlayTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(VisibleTopLevels().isEmpty()); }

    void blocksTheRestOfTheWindowUntilDone() {
        QMainWindow window;
        QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
        QAction* newGameItem = game->addAction(QStringLiteral("&New Game"));
        // Leaving the table stays possible from any prompt.
        QAction* exitItem = game->addAction(QStringLiteral("E&xit"));
        KeepLiveDuringOverlay(exitItem);
        QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
        options->addAction(QStringLiteral("Hints"));
        auto* windowShortcut = new QAction(QStringLiteral("Deal"), &window);
        window.addAction(windowShortcut);
        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        auto* canvas = new QWidget(central);
        canvas->setGeometry(0, 0, 600, 400);
        auto* deal = new QPushButton(QStringLiteral("&Deal"), central);
        deal->move(620, 10);
        auto* newGame = new QPushButton(QStringLiteral("&New Game"), central);
        newGame->move(620, 60);
        auto* exit = new QPushButton(QStringLiteral("E&xit"), central);
        exit->move(620, 110);
        KeepLiveDuringOverlay(exit);
        newGame->setEnabled(false); // already off: must stay off
        auto* neighbour = new QPushButton(QStringLiteral("Neighbour"), canvas);

        OverlayDialog overlay(canvas);
        auto* answer = new QPushButton(QStringLiteral("&Stand"), &overlay);
        QObject::connect(answer, &QPushButton::clicked, &overlay, [&] { overlay.done(7); });
        overlay.setGeometry(266, 223, 249, 189);
        window.resize(900, 500);
        window.show();

        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);

        // What the rest of the window looked like while the overlay ran.
        struct During {
            bool newGameItem, optionsMenu, exitItem, exitButton, deal, neighbour, shortcut, overlay,
                answer, ticked, stillOpen;
        } during{};
        WidgetPoller poller(FindVisible<OverlayDialog>, [&](QWidget*) {
            during.newGameItem = newGameItem->isEnabled();
            during.optionsMenu = options->menuAction()->isEnabled();
            during.exitItem = exitItem->isEnabled() && game->menuAction()->isEnabled();
            during.exitButton = exit->isEnabled();
            during.deal = deal->isEnabled();
            during.neighbour = neighbour->isEnabled();
            during.shortcut = windowShortcut->isEnabled();
            during.overlay = overlay.isEnabled();
            during.answer = answer->isEnabled();
            during.ticked = ticks > 0;
            // Neither Escape nor a close request leaves the window.
            QTest::keyClick(answer, Qt::Key_Escape);
            overlay.close();
            during.stillOpen = overlay.isVisible();
            answer->click();
        });
        QTimer::singleShot(DefaultModalTimeoutMs, &overlay,
                           [&] { overlay.done(QDialog::Rejected); });
        QCOMPARE(RunOverlayModal(&overlay), 7);
        QVERIFY(poller.acted());
        QVERIFY(!overlay.isWindow());
        QVERIFY(!during.newGameItem);
        QVERIFY(!during.optionsMenu);
        QVERIFY(during.exitItem);
        QVERIFY(during.exitButton);
        QVERIFY(!during.deal);
        QVERIFY(!during.neighbour);
        QVERIFY(!during.shortcut);
        QVERIFY(during.overlay);
        QVERIFY(during.answer);
        QVERIFY(during.ticked);
        QVERIFY(during.stillOpen);
        QVERIFY(!overlay.isVisible());
        QVERIFY(newGameItem->isEnabled());
        QVERIFY(options->menuAction()->isEnabled());
        QVERIFY(deal->isEnabled());
        QVERIFY(neighbour->isEnabled());
        QVERIFY(windowShortcut->isEnabled());
        QVERIFY(!newGame->isEnabled());
    }

    void helpContextIsFoundUpTheParents() {
        QWidget window;
        auto* button = new QPushButton(&window);
        QCOMPARE(HelpContextOf(button), 0);
        SetHelpContext(&window, 41002);
        auto* later = new QPushButton(&window);
        QCOMPARE(HelpContextOf(button), 41002);
        QCOMPARE(HelpContextOf(later), 41002);
        SetHelpContext(&window, 41010);
        QCOMPARE(HelpContextOf(button), 41010);
    }
};

DEALMOOR_QTEST_MAIN(ModalOverlayTest)
#include "ModalOverlayTest.moc"
