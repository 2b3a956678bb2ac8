// How the game shows itself on the desktop: its name and desktop file name,
// the window's icon drawn beside the program, and the Help glyph of our own on
// every Help button.

#include "table/DesktopIdentity.h"
#include "app/GameApp.h"
#include "engine/Game.h"
#include "table/FilePaths.h"
#include "table/SpriteSheets.h"
#include "table/windows/BetWindow.h"
#include "table/windows/BorrowWindow.h"
#include "table/windows/DecisionWindow.h"
#include "table/windows/HouseRulesWindow.h"

#include "StartedTable.h"
#include "TestSupport.h"

#include <QPushButton>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

QImage Plain(const QIcon& icon, int size) {
    return icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Shipped(const std::string& name) {
    return LoadPicture(TestProgramDir() + name).convertToFormat(QImage::Format_ARGB32);
}

void ExpectHelpGlyph(const QPushButton* button) {
    QVERIFY(button != nullptr);
    QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
    QCOMPARE(Plain(button->icon(), 16), Shipped("help.png"));
}

} // namespace

class DesktopIdentityTest : public StartedTableTest {
    Q_OBJECT

private slots:
    // The desktop matches the window to the menu entry by this name.
    void theApplicationIsNamedAfterItsDesktopEntry() {
        NameTheApplication();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.orvanel.Dealmoor"));
        QCOMPARE(QGuiApplication::applicationName(), QStringLiteral("Dealmoor"));
        StartedTable table;
        QCOMPARE(table.window.windowTitle(), QStringLiteral("Dealmoor (32-bit)"));
    }

    void theWindowHasTheIconDrawnBesideTheProgram() {
        const QIcon drawn = ProgramFolderIcon(TestProgramDir());
        for (const int size : {16, 48, 256}) {
            const std::string file = "icons/hicolor/" + std::to_string(size) + "x" +
                                     std::to_string(size) + "/apps/" + DesktopAppId + ".png";
            QCOMPARE(Plain(drawn, size), Shipped(file));
        }
        StartedTable table;
        QVERIFY(!table.window.windowIcon().isNull());
        QVERIFY(!table.window.windowIcon().availableSizes().isEmpty());
        QVERIFY(ProgramFolderIcon("/nonexistent/").isNull());
    }

    void everyHelpButtonShowsOurGlyph() {
        StartedTable table;
        table.window.createDealWindows();
        ExpectHelpGlyph(table.button("BitBtn1"));
        ExpectHelpGlyph(table.window.findChild<BetWindow*>()->findChild<QPushButton*>(
            QStringLiteral("BitBtn7")));
        ExpectHelpGlyph(table.window.findChild<DecisionWindow*>()->findChild<QPushButton*>(
            QStringLiteral("BitBtn6")));
        BorrowWindow borrow(table.game(), table.window.sheets(), TestProgramDir(), 1);
        ExpectHelpGlyph(borrow.findChild<QPushButton*>(QStringLiteral("BitBtn7")));
        HouseRulesWindow rules(table.game(), nullptr, TestProgramDir());
        for (int group = 1; group <= 6; ++group)
            ExpectHelpGlyph(rules.findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(group)));
    }

    void aMissingGlyphLeavesTheCaptionAlone() {
        Game game;
        SpriteSheets sheets;
        BorrowWindow borrow(game, sheets, "/nonexistent/", 1);
        const auto* help = borrow.findChild<QPushButton*>(QStringLiteral("BitBtn7"));
        QVERIFY(help->icon().isNull());
        QCOMPARE(help->text(), QStringLiteral("&Help"));
    }
};

DEALMOOR_QTEST_MAIN(DesktopIdentityTest)
#include "DesktopIdentityTest.moc"
