// Loading the sprite sheets: present files come in as 32-bit pictures, missing
// ones leave blank pictures of their proper size.

#include "TestSupport.h"

#include "table/FilePaths.h"
#include "table/SpriteSheets.h"

#include <QTemporaryDir>

using namespace dealmoor;

class SpriteSheetsTest : public QObject {
    Q_OBJECT
private slots:
    void missingFolderGivesBlankSheetsOfTheirSizes() {
        QTemporaryDir empty;
        SpriteSheets sheets;
        QVERIFY(!sheets.Load(FileSystemPath(empty.path() + QLatin1Char('/'))));
        QCOMPARE(sheets.Cards.size(), QSize(533, 216));
        QCOMPARE(sheets.Heads.size(), QSize(178, 1602));
        QCOMPARE(sheets.balloon2.size(), QSize(97, 70));
        QCOMPARE(sheets.dlarm2.size(), QSize(103, 148));
        QCOMPARE(sheets.Digits.format(), QImage::Format_RGB32);
    }

    void presentSheetIsConvertedAndOthersStayBlank() {
        QTemporaryDir dir;
        // The balloon ships as one bit per pixel; the raster operations need 32 bits.
        QImage mono(97, 70, QImage::Format_Mono);
        mono.fill(0);
        mono.setPixel(3, 4, 1);
        QVERIFY(mono.save(dir.path() + QStringLiteral("/balloon.png")));

        SpriteSheets sheets;
        QVERIFY(!sheets.Load(FileSystemPath(dir.path() + QLatin1Char('/'))));
        QCOMPARE(sheets.balloon.format(), QImage::Format_RGB32);
        QCOMPARE(sheets.balloon.pixel(3, 4), mono.color(1));
        QCOMPARE(sheets.balloon.pixel(0, 0), mono.color(0));
        QCOMPARE(sheets.CardBack.size(), QSize(41, 54));
    }

    void generatedSheetsBesideTheProgramAllLoad() {
        const std::string programDir = testing::TestProgramDir();
        SpriteSheets sheets;
        QVERIFY(sheets.Load(programDir));
        QCOMPARE(sheets.Cards.size(), QSize(533, 216));
        QCOMPARE(sheets.Head2.size(), QSize(89, 801));
    }
};

DEALMOOR_QTEST_MAIN(SpriteSheetsTest)
#include "SpriteSheetsTest.moc"
