// A program folder whose name is not valid UTF-8 (a folder made under another
// locale, or copied from an old disk): the pictures, sounds and help pages in it
// are found all the same, because paths reach Qt only through names it can open.

#include "TestSupport.h"

#include "engine/Game.h"
#include "platform/RegularFile.h"
#include "setup/TableSettings.h"
#include "table/FilePaths.h"
#include "table/HelpViewer.h"
#include "table/SoundPlayers.h"
#include "table/SpriteSheets.h"
#include "table/TableCanvas.h"

#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

// A copy of the program folder under a name that is not valid UTF-8.
struct OddlyNamedProgramFolder {
    QTemporaryDir parent;
    std::string dir;

    OddlyNamedProgramFolder() {
        namespace fs = std::filesystem;
        dir = FileSystemPath(parent.path()) + "/cartes\xe0\xff jou\xe9" + "/";
        fs::create_directories(dir);
        fs::copy(TestProgramDir() + "help", dir + "help", fs::copy_options::recursive);
        for (const auto& entry : fs::directory_iterator(TestProgramDir())) {
            const std::string kind = entry.path().extension().string();
            if (kind == ".png" || kind == ".bmp" || kind == ".wav")
                fs::copy(entry.path(), dir + entry.path().filename().string());
        }
    }
    // Qt cannot name the folder to remove it; the game's own code can.
    ~OddlyNamedProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    OddlyNamedProgramFolder(const OddlyNamedProgramFolder&) = delete;
    OddlyNamedProgramFolder& operator=(const OddlyNamedProgramFolder&) = delete;
};

} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void qtCannotNameTheFolderItself() {
        const OddlyNamedProgramFolder folder;
        QVERIFY(std::filesystem::is_directory(folder.dir));
        QVERIFY(!QtCanOpen(folder.dir + "Cards.png"));
        QVERIFY(QtCanOpen(TestProgramDir() + "Cards.png"));
    }

    void picturesLoad() {
        const OddlyNamedProgramFolder folder;
        SpriteSheets sheets;
        QVERIFY(sheets.Load(folder.dir));
        QCOMPARE(sheets.Cards.size(), QSize(533, 216));

        Game game;
        ResetGameState(game);
        game.Seats[1].Number = 4;
        game.SeatCount = 1;
        TableCanvas canvas(game, sheets);
        canvas.LoadCharacterSheets(folder.dir);
        // The drawn character, not the stand-in strip for a missing file.
        const QImage drawn = LoadPicture(TestProgramDir() + "dmoor4.bmp");
        QVERIFY(!drawn.isNull());
        QCOMPARE(canvas.sheetOf(4).strip, drawn.convertToFormat(QImage::Format_RGB32));
    }

    void helpPagesShow() {
        const OddlyNamedProgramFolder folder;
        HelpViewer help(folder.dir + "help/");
        help.ShowTopic(HelpTableWindow);
        QCOMPARE(help.currentPage(), QStringLiteral("41005.html"));
        QVERIFY(!help.pageText().contains(QStringLiteral("not found")));
        help.close();
    }

    void soundsAreHandedToQtUnderANameItCanOpen() {
        const OddlyNamedProgramFolder folder;
        TableSettings settings;
        SoundPlayers sounds(settings);
        const std::string wave = folder.dir + "dmoor2.wav";
        const QString playable = sounds.playablePath(wave);
        QFile copy(playable);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll().toStdString(), ReadRegularFile(wave, 1 << 24).bytes);
        // A file Qt can name is played where it lies.
        QCOMPARE(sounds.playablePath(TestProgramDir() + "dmoor2.wav"),
                 QtPath(TestProgramDir() + "dmoor2.wav"));
    }
};

DEALMOOR_QTEST_MAIN(ProgramFolderTest)
#include "ProgramFolderTest.moc"
