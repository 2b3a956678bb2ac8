// The sound choice window: the five rows and their hints, Change through the
// file dialog (a scripted one here), Preview whatever the switches say,
// Restore Default Sounds, and the paths it refuses.

#include "table/windows/SoundWindow.h"
#include "setup/SoundDefaults.h"
#include "setup/TableSettings.h"

#include "ScriptedFiles.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>

#include <string>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

const char* const ChangeHint =
    "Click this button to browse your hard drive for a sound for this event.";
const char* const PreviewHint = "Click this button to play the currently selected sound file.";
const char* const RestoreHint =
    "Click this button to use the default (original) sounds for the above events.";

struct Row {
    const char* name;
    const char* label;
    std::string TableSettings::*file;
    const char* shipped;
};
const std::vector<Row> Rows = {
    {"Blackjack", "Blackjack Sound:", &TableSettings::BlackjackSoundFile, "dmoor3.wav"},
    {"CardDeal", "Card Deal Sound:", &TableSettings::CardSoundFile, "dmoor0.wav"},
    {"Lose", "Lose Sound:", &TableSettings::LoseSoundFile, "dmoor1.wav"},
    {"Win", "Win Sound:", &TableSettings::WinSoundFile, "dmoor2.wav"},
    {"Shuffle", "Shuffle Sound:", &TableSettings::ShuffleSoundFile, "dmoor4.wav"},
};

TableSettings shippedSettings() {
    TableSettings settings;
    settings.ProgramDir = "/opt/dealmoor/";
    SetDefaultSoundFiles(settings);
    return settings;
}

QPushButton* button(QWidget& window, const QString& name) {
    auto* found = window.findChild<QPushButton*>(name);
    if (found == nullptr)
        qFatal("no button %s", qPrintable(name));
    return found;
}

QPushButton* rowButton(QWidget& window, const Row& row, const char* part) {
    return button(window, QString::fromLatin1(row.name) + QString::fromLatin1(part));
}

// Where the sounds are previewed instead of played.
struct PreviewLog {
    std::vector<std::string> played;
    std::function<void(const std::string&)> player() {
        return [this](const std::string& path) { played.push_back(path); };
    }
};

} // namespace

class SoundWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), "a window was left open"); }

    void fiveRowsWithTheirButtonsAndHints() {
        TableSettings settings = shippedSettings();
        ScriptedFiles files;
        PreviewLog log;
        SoundWindow window(settings, files, log.player());
        QCOMPARE(window.objectName(), "SoundForm");
        QCOMPARE(window.windowTitle(), "Change Sounds (WAV Files)");
        QCOMPARE(window.size(), QSize(394, 399));

        int lastTop = -1;
        for (const Row& row : Rows) {
            auto* label = window.findChild<QLabel*>(QString::fromLatin1(row.name) + "Label");
            QVERIFY(label);
            QCOMPARE(label->text(), row.label);
            QVERIFY(label->font().bold());
            QVERIFY2(label->y() > lastTop, "rows out of order");
            lastTop = label->y();
            QCOMPARE(rowButton(window, row, "Change")->text(), "Change");
            QCOMPARE(rowButton(window, row, "Change")->toolTip(), ChangeHint);
            QCOMPARE(rowButton(window, row, "Preview")->text(), "Preview");
            QCOMPARE(rowButton(window, row, "Preview")->toolTip(), PreviewHint);
            // Each row names the file it plays.
            auto* file = window.findChild<QLabel*>(QString::fromLatin1(row.name) + "File");
            QVERIFY(file);
            QCOMPARE(file->text(), row.shipped);
        }
        QPushButton* restore = button(window, "RestoreDefaults");
        QCOMPARE(restore->text(), "Restore Default Sounds");
        QCOMPARE(restore->toolTip(), RestoreHint);
        QCOMPARE(button(window, "OKButton")->text(), "&OK");
    }

    void changeTakesTheChosenFileAtOnceAndRemembersItsFolder() {
        TableSettings settings = shippedSettings();
        ScriptedFiles files;
        files.openAnswers = {"/home/me/sounds/tada.wav", "/home/me/sounds/boo.wav"};
        PreviewLog log;
        {
            SoundWindow window(settings, files, log.player());
            rowButton(window, Rows[3], "Change")->click(); // Win
            QCOMPARE(settings.WinSoundFile, "/home/me/sounds/tada.wav");
            QCOMPARE(window.findChild<QLabel*>("WinFile")->text(), "tada.wav");
            rowButton(window, Rows[2], "Change")->click(); // Lose
            QCOMPARE(settings.LoseSoundFile, "/home/me/sounds/boo.wav");
        }
        QCOMPARE(files.opened.size(), 2u);
        QCOMPARE(files.opened[0].filter, "Wav Files|*.WAV");
        QCOMPARE(files.opened[0].fileName, "dmoor2.wav");
        QCOMPARE(files.opened[0].folder, ""); // the platform's own start the first time
        QCOMPARE(files.opened[1].fileName, "dmoor1.wav");
        QCOMPARE(files.opened[1].folder, "/home/me/sounds/");

        // The folder is remembered only while the window is open.
        SoundWindow again(settings, files, log.player());
        rowButton(again, Rows[0], "Change")->click();
        QCOMPARE(files.opened.size(), 3u);
        QCOMPARE(files.opened[2].folder, "");
        QCOMPARE(files.opened[2].fileName, "dmoor3.wav");
        // That dialog was cancelled: the blackjack sound stays.
        QCOMPARE(settings.BlackjackSoundFile, "/opt/dealmoor/dmoor3.wav");
    }

    void cancellingTheFileDialogKeepsEveryFile() {
        TableSettings settings = shippedSettings();
        const TableSettings before = settings;
        ScriptedFiles files;
        files.openAnswers = {"", "", "", "", ""};
        PreviewLog log;
        SoundWindow window(settings, files, log.player());
        for (const Row& row : Rows)
            rowButton(window, row, "Change")->click();
        QCOMPARE(files.opened.size(), Rows.size());
        for (const Row& row : Rows)
            QCOMPARE(settings.*row.file, before.*row.file);
    }

    void longPathsAreKeptWholeUpToTheSettingsFilesLimit_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");
        QTest::newRow("300 characters") << 300 << true;
        QTest::newRow("1023 characters") << 1023 << true;
        QTest::newRow("1024 characters") << 1024 << false;
        QTest::newRow("5000 characters") << 5000 << false;
    }

    void longPathsAreKeptWholeUpToTheSettingsFilesLimit() {
        QFETCH(int, length);
        QFETCH(bool, kept);
        const std::string path =
            "/" + std::string(static_cast<std::size_t>(length) - 9, 'd') + "/win.wav";
        QCOMPARE(path.size(), static_cast<std::size_t>(length));
        TableSettings settings = shippedSettings();
        ScriptedFiles files;
        files.openAnswers = {path};
        PreviewLog log;
        SoundWindow window(settings, files, log.player());
        window.show();
        QString shown;
        ModalPoller poller(
            [&](QWidget* box) {
                shown = MessageBoxText(box);
                PressMessageBoxButton(box, QMessageBox::Ok);
            },
            kept ? 300 : DefaultModalTimeoutMs);
        rowButton(window, Rows[3], "Change")->click();
        if (kept) {
            QCOMPARE(settings.WinSoundFile, path);
            QVERIFY2(!poller.acted(), "a message for a path that fits");
        } else {
            QTRY_VERIFY(poller.acted());
            QVERIFY(shown.contains("1023"));
            QCOMPARE(settings.WinSoundFile, "/opt/dealmoor/dmoor2.wav");
        }
        window.close();
    }

    void previewPlaysTheRowsFileWhateverTheSwitchesSay() {
        TableSettings settings = shippedSettings();
        settings.SoundOn = false;
        settings.WinSoundOn = settings.LoseSoundOn = settings.CardSoundOn = false;
        settings.BlackjackSoundOn = settings.ShuffleSoundOn = false;
        settings.WinSoundFile = "/home/me/tada.wav";
        ScriptedFiles files;
        PreviewLog log;
        SoundWindow window(settings, files, log.player());
        for (const Row& row : Rows) {
            const std::size_t before = log.played.size();
            rowButton(window, row, "Preview")->click();
            QCOMPARE(log.played.size(), before + 1);
            QCOMPARE(log.played.back(), settings.*row.file);
        }
        QCOMPARE(log.played[3], "/home/me/tada.wav");
        QVERIFY(files.opened.empty());
    }

    void restoreDefaultSoundsPutsBackTheShippedFiles() {
        TableSettings settings = shippedSettings();
        for (const Row& row : Rows)
            settings.*row.file = std::string("/elsewhere/") + row.name + ".wav";
        ScriptedFiles files;
        PreviewLog log;
        SoundWindow window(settings, files, log.player());
        button(window, "RestoreDefaults")->click();
        for (const Row& row : Rows) {
            QCOMPARE(settings.*row.file, std::string("/opt/dealmoor/") + row.shipped);
            QCOMPARE(window.findChild<QLabel*>(QString::fromLatin1(row.name) + "File")->text(),
                     row.shipped);
        }
    }

    void okClosesAndF1OpensTheSoundTopic() {
        TableSettings settings = shippedSettings();
        ScriptedFiles files;
        PreviewLog log;
        SoundWindow window(settings, files, log.player());
        int topic = 0;
        window.helpRequested = [&](int context) { topic = context; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(rowButton(window, Rows[0], "Preview"), Qt::Key_F1);
        QCOMPARE(topic, 41015);
        button(window, "OKButton")->click();
        QVERIFY(!window.isVisible());
    }
};

DEALMOOR_QTEST_MAIN(SoundWindowTest)
#include "SoundWindowTest.moc"
