// The table window's Strategy Cards and Change Sounds commands, end to end
// through a started table: which files the dialogs offer, what is read,
// edited and written, what the user is told when a file will not do, and what
// reaches the settings file at closing.

#include "engine/Game.h"
#include "strategy/StrategyFile.h"
#include "table/windows/SoundWindow.h"
#include "table/windows/StrategyCardWindow.h"

#include "ScriptedFiles.h"
#include "StartedTable.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableWidget>

#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

std::string bytesOf(const StrategyCard& card) {
    return std::string(reinterpret_cast<const char*>(&card), StrategyCardBytes);
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A card as another program might have left it: codes of no action and a
// byte behind the title.
StrategyCard oddCard() {
    StrategyCard card;
    FillDefaultTable(card);
    card.cell(3, 7) = 'x';
    card.cell(10, 35) = 0xFF;
    card.cell(6, 1) = 0;
    card.setTitle("Found in a drawer");
    card.Title[35] = '#';
    return card;
}

// The table with its file dialogs answered from a script.
struct ScriptedTable : StartedTable {
    ScriptedFiles* files = nullptr;
    QTemporaryDir folder;

    ScriptedTable() {
        auto scripted = std::make_unique<ScriptedFiles>();
        files = scripted.get();
        window.setFileChooser(std::move(scripted));
    }
    std::string path(const char* name) const {
        return (folder.path() + QLatin1Char('/') + QLatin1String(name)).toStdString();
    }
    StrategyCard& editSlot() { return game().StrategyCards[EditSlot]; }
};

// Clicks the card's cell (column, row) in an open strategy card window.
void clickCell(QWidget* window, int column, int row) {
    auto* grid = window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QTableWidgetItem* item = grid->item(row - 1, column - 1);
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

void press(QWidget* window, const char* name) {
    window->findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

// Answers whatever modal window comes: message boxes with OK (their text
// kept), any other window closed and counted.
struct ModalLog {
    QStringList messages;
    int otherWindows = 0;
    ModalPoller poller;
    explicit ModalLog(int timeoutMs = DefaultModalTimeoutMs)
        : poller(
              [this](QWidget* w) {
                  if (qobject_cast<QMessageBox*>(w))
                      messages << MessageBoxText(w);
                  else
                      ++otherWindows;
                  PressMessageBoxButton(w, QMessageBox::Ok);
              },
              timeoutMs) {}
};

bool runningAsRoot() {
    return ::geteuid() == 0;
}

} // namespace

class CardAndSoundCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open"); }

    void anOddCardSurvivesOpenEditAndSaveByteForByte() {
        ScriptedTable table;
        const StrategyCard original = oddCard();
        const std::string picked = table.path("drawer.stc");
        QVERIFY(WriteCardFile(picked, original));
        const std::string target = table.path("mine.stc");
        table.files->openAnswers = {picked};
        table.files->saveAnswers = {target};
        const std::array<StrategyCard, MaxSeats + 1> seatsBefore = table.game().StrategyCards;

        ModalPoller poller([](QWidget* window) {
            QVERIFY(qobject_cast<StrategyCardWindow*>(window));
            clickCell(window, 3, 7);  // no action: stays
            clickCell(window, 1, 19); // hard 20 against 2: Stand becomes Double/Hit
            press(window, "BitBtn1");
        });
        table.action("StrategyCards1")->trigger();
        QVERIFY(poller.acted());

        StrategyCard expected = original;
        expected.cell(1, 19) = 'D';
        QCOMPARE(fileBytes(target), bytesOf(expected));
        QCOMPARE(bytesOf(table.editSlot()), bytesOf(expected));
        QCOMPARE(fileBytes(picked), bytesOf(original)); // saved elsewhere: the picked file stays
        QVERIFY(!table.settings().SaveStrategy);
        // No seat plays the edited card before the next start-up.
        for (int seat = 1; seat <= MaxSeats; ++seat)
            QCOMPARE(bytesOf(table.game().StrategyCards[seat]), bytesOf(seatsBefore[seat]));

        QCOMPARE(table.files->opened.size(), 1u);
        QCOMPARE(table.files->opened[0].filter, "Strategy Cards|*.STC");
        QCOMPARE(table.files->opened[0].folder, table.settings().DataDir);
        QCOMPARE(table.files->saved.size(), 1u);
        QCOMPARE(table.files->saved[0].filter, "Strategy Cards|*.STC");
        QCOMPARE(table.files->saved[0].fileName, "drawer.stc");
        QCOMPARE(table.files->saved[0].folder, table.folder.path().toStdString() + "/");

        // The next opening starts where the last file was picked, with its name.
        table.action("StrategyCards1")->trigger(); // cancelled: nothing opens
        QCOMPARE(table.files->opened.size(), 2u);
        QCOMPARE(table.files->opened[1].folder, table.folder.path().toStdString() + "/");
        QCOMPARE(table.files->opened[1].fileName, "drawer.stc");
    }

    void aPickedFileThatIsNotACardIsNotOpened_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("shorter than a card") << "short";
        QTest::newRow("empty") << "empty";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("gone") << "missing";
    }

    void aPickedFileThatIsNotACardIsNotOpened() {
        QFETCH(QString, kind);
        ScriptedTable table;
        const std::string picked = table.path("notacard.stc");
        if (kind == "short")
            writeBytes(picked, bytesOf(oddCard()).substr(0, 390));
        else if (kind == "empty")
            writeBytes(picked, "");
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(QString::fromStdString(picked)));
        table.files->openAnswers = {picked};
        StrategyCard before = oddCard();
        table.editSlot() = before;

        ModalLog modals;
        table.action("StrategyCards1")->trigger();
        QCOMPARE(modals.messages, QStringList{QString::fromStdString(
                                      "Unable to read a strategy card from " + picked)});
        QCOMPARE(modals.otherWindows, 0); // the editor never opened
        QCOMPARE(bytesOf(table.editSlot()), bytesOf(before));
        QVERIFY(table.files->saved.empty());
    }

    void cancellingTheOpenDialogOpensNothing() {
        ScriptedTable table;
        table.files->openAnswers = {""};
        table.editSlot() = oddCard();
        ModalLog modals(300);
        table.action("StrategyCards1")->trigger();
        QTest::qWait(350);
        QVERIFY(!modals.poller.acted());
        QCOMPARE(bytesOf(table.editSlot()), bytesOf(oddCard()));
        QVERIFY(table.files->saved.empty());
    }

    void aCancelledEditorLeavesItsChangesInTheEditSlotAndWritesNothing() {
        ScriptedTable table;
        const std::string picked = table.path("drawer.stc");
        QVERIFY(WriteCardFile(picked, oddCard()));
        table.files->openAnswers = {picked};
        table.files->saveAnswers = {table.path("never.stc")};
        ModalPoller poller([](QWidget* window) {
            auto* title = window->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            title->setText(QString(50, QLatin1Char('t')));
            clickCell(window, 1, 27); // hard 12 against 2: Hit becomes Stand
            press(window, "BitBtn2");
        });
        table.action("StrategyCards1")->trigger();
        QVERIFY(poller.acted());
        QVERIFY(table.files->saved.empty());
        QVERIFY(!QFileInfo::exists(QString::fromStdString(table.path("never.stc"))));
        QCOMPARE(fileBytes(picked), bytesOf(oddCard()));
        QCOMPARE(table.editSlot().cell(1, 27), 'S');
        QCOMPARE(table.editSlot().titleText(), std::string(40, 't'));
        QVERIFY(!table.settings().SaveStrategy);
    }

    void cancellingTheSaveDialogWritesNothing() {
        ScriptedTable table;
        const std::string picked = table.path("drawer.stc");
        QVERIFY(WriteCardFile(picked, oddCard()));
        table.files->openAnswers = {picked};
        table.files->saveAnswers = {""};
        ModalPoller poller([](QWidget* window) {
            clickCell(window, 1, 27);
            press(window, "BitBtn1");
        });
        table.action("StrategyCards1")->trigger();
        QVERIFY(poller.acted());
        QCOMPARE(table.files->saved.size(), 1u);
        QCOMPARE(fileBytes(picked), bytesOf(oddCard()));
    }

    void aSaveThatFailsSaysSoAndLeavesTheOldFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder where the file should be") << "folder";
        QTest::newRow("a folder that is not there") << "missing";
        QTest::newRow("a folder that cannot be written") << "readonly";
    }

    void aSaveThatFailsSaysSoAndLeavesTheOldFile() {
        QFETCH(QString, kind);
        ScriptedTable table;
        const std::string picked = table.path("drawer.stc");
        QVERIFY(WriteCardFile(picked, oddCard()));
        std::string target;
        if (kind == "folder") {
            target = table.path("taken.stc");
            QVERIFY(QDir().mkpath(QString::fromStdString(target)));
        } else if (kind == "missing") {
            target = table.path("nowhere/mine.stc");
        } else {
            if (runningAsRoot())
                QSKIP("the superuser writes into any folder");
            const QString locked = table.folder.path() + "/locked";
            QVERIFY(QDir().mkpath(locked));
            target = (locked + "/old.stc").toStdString();
            QVERIFY(WriteCardFile(target, StrategyCard{}));
            QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        }
        const std::string oldBytes = fileBytes(target);
        table.files->openAnswers = {picked};
        table.files->saveAnswers = {target};

        ModalPoller editor([](QWidget* window) {
            QVERIFY(qobject_cast<StrategyCardWindow*>(window));
            clickCell(window, 1, 27);
            press(window, "BitBtn1");
        });
        // The message comes once the editor has closed and the write failed.
        QStringList messages;
        WidgetPoller message(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
            [&messages](QWidget* box) {
                messages << MessageBoxText(box);
                PressMessageBoxButton(box, QMessageBox::Ok);
            });
        table.action("StrategyCards1")->trigger();
        QVERIFY(editor.acted());
        QVERIFY(message.acted());
        QCOMPARE(messages, QStringList{QString::fromStdString("Unable to write to " + target)});
        QCOMPARE(fileBytes(target), oldBytes);
        if (kind == "readonly")
            QFile::setPermissions(table.folder.path() + "/locked",
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void changedSoundsTakeEffectAtOnceAndAreWrittenAtClosing() {
        ScriptedTable table;
        // Longer than the old 255-character limit: kept whole all the way.
        const std::string tada = table.path("") + std::string(300, 's') + "/tada.wav";
        table.files->openAnswers = {tada};
        table.window.show();
        ModalPoller poller([](QWidget* window) {
            QVERIFY(qobject_cast<SoundWindow*>(window));
            press(window, "WinChange");
            press(window, "OKButton");
        });
        table.action("ChangeSounds1")->trigger();
        QVERIFY(poller.acted());
        QCOMPARE(table.settings().WinSoundFile, tada);

        QVERIFY(table.window.close());
        QFile file(QString::fromStdString(table.session->settingsPath()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll())
                    .contains(QString::fromStdString("TotalHands=" + tada)));
    }
};

DEALMOOR_QTEST_MAIN(CardAndSoundCommandsTest)
#include "CardAndSoundCommandsTest.moc"
