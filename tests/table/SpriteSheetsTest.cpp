// Loading the sprite sheets: present files come in as 32-bit pictures, missing
// ones leave blank pictures of their proper size; at twice the size the "@2x"
// twins, else the small ones. Drawing from a sheet of either density.

#include "TestSupport.h"

#include "table/FilePaths.h"
#include "table/SpriteSheets.h"

#include <QPainter>
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

    void twinsLoadAtTwiceTheSizeAndTheSmallOnesStandIn() {
        QTemporaryDir dir;
        const auto save = [&](const char* name, QSize size, QRgb colour) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(colour);
            QVERIFY(picture.save(dir.path() + QLatin1Char('/') + QLatin1String(name)));
        };
        save("ptable.png", QSize(61, 61), qRgb(1, 2, 3));
        save("ptable@2x.png", QSize(122, 122), qRgb(4, 5, 6));
        save("CardBack.png", QSize(41, 54), qRgb(7, 8, 9)); // no twin
        save("dbody.png", QSize(105, 167), qRgb(10, 11, 12));
        save("dbody@2x.png", QSize(200, 300), qRgb(13, 14, 15)); // not twice the size

        SpriteSheets sheets;
        QVERIFY(!sheets.Load(FileSystemPath(dir.path() + QLatin1Char('/')), 2));
        QCOMPARE(sheets.scale, 2);
        const struct {
            const QImage& sheet;
            QSize pixels;
            double ratio;
            QRgb colour;
        } expected[] = {
            {sheets.ptable, QSize(122, 122), 2.0, qRgb(4, 5, 6)},
            {sheets.CardBack, QSize(41, 54), 1.0, qRgb(7, 8, 9)},
            {sheets.dbody, QSize(105, 167), 1.0, qRgb(10, 11, 12)},
            {sheets.Cards, QSize(533, 216), 1.0, qRgb(255, 255, 255)}, // missing at both sizes
        };
        for (const auto& e : expected) {
            QCOMPARE(e.sheet.size(), e.pixels);
            QCOMPARE(e.sheet.devicePixelRatio(), e.ratio);
            QCOMPARE(e.sheet.pixel(0, 0), e.colour);
        }
    }

    void theNearerSizeOfArtIsChosen() {
        const struct {
            double deviceScale;
            int sheets;
        } cases[] = {{1.0, 1}, {1.25, 1}, {1.49, 1}, {1.5, 2}, {2.0, 2}, {3.0, 2}};
        for (const auto& c : cases)
            QCOMPARE(SheetScaleFor(c.deviceScale), c.sheets);
        QCOMPARE(ScaledFileName("Cards.png", 1), std::string("Cards.png"));
        QCOMPARE(ScaledFileName("dmoor3.bmp", 2), std::string("dmoor3@2x.bmp"));
    }

    // A sheet drawn for the surface's density is copied pixel for pixel, even
    // where the table's rules stretch it; one drawn for another density blends.
    void drawingFromASheetOfEitherDensity() {
        QImage stripes(4, 2, QImage::Format_RGB32);
        for (int x = 0; x < 4; ++x) {
            stripes.setPixel(x, 0, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            stripes.setPixel(x, 1, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
        const auto drawnOn = [&](double surfaceRatio, double sheetRatio, QRectF target) {
            QImage sheet = stripes;
            sheet.setDevicePixelRatio(sheetRatio);
            QImage surface((QSizeF(8, 2) * surfaceRatio).toSize(), QImage::Format_RGB32);
            surface.setDevicePixelRatio(surfaceRatio);
            surface.fill(Qt::red);
            QPainter painter(&surface);
            DrawSheet(painter, target, sheet, QRectF(QPointF(0, 0), QSizeF(4, 2) / sheetRatio));
            return surface;
        };
        const auto isBlackOrWhite = [](QRgb p) {
            return p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255);
        };
        // Same density, stretched to twice the width: every pixel stays black or white.
        const QImage stretched = drawnOn(1, 1, QRectF(0, 0, 8, 2));
        for (int x = 0; x < 8; ++x)
            QVERIFY(isBlackOrWhite(stretched.pixel(x, 0)));
        QCOMPARE(stretched.pixel(2, 0), qRgb(255, 255, 255));
        // A twin on its own density: exactly its pixels.
        const QImage twin = drawnOn(2, 2, QRectF(0, 0, 2, 1));
        for (int x = 0; x < 4; ++x)
            QCOMPARE(twin.pixel(x, 0), stripes.pixel(x, 0));
        // A twin on an ordinary surface: its stripes blend into grey.
        const QImage shrunk = drawnOn(1, 2, QRectF(0, 0, 2, 1));
        QVERIFY(!isBlackOrWhite(shrunk.pixel(0, 0)));
    }

    void generatedSheetsBesideTheProgramAllLoad() {
        const std::string programDir = testing::TestProgramDir();
        SpriteSheets sheets;
        QVERIFY(sheets.Load(programDir));
        QCOMPARE(sheets.Cards.size(), QSize(533, 216));
        QCOMPARE(sheets.Head2.size(), QSize(89, 801));
        // Every sheet has its twin.
        QVERIFY(sheets.Load(programDir, 2));
        for (const QImage* sheet : {&sheets.Cards, &sheets.Heads, &sheets.balloon2, &sheets.Digits})
            QCOMPARE(sheet->devicePixelRatio(), 2.0);
        QCOMPARE(sheets.Head2.size(), QSize(89, 801) * 2);
    }
};

DEALMOOR_QTEST_MAIN(SpriteSheetsTest)
#include "SpriteSheetsTest.moc"
