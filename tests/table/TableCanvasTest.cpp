// The table's drawing surface: the dealer view in each pose, the seat view with
// a split hand and its stake, the balloon, the table texts, the shuffling
// display and the paint of the whole table, checked by pixels of synthetic sheets.

#include "SyntheticSheets.h"
#include "TestSupport.h"

#include "engine/Characters.h"
#include "engine/Game.h"
#include "table/FilePaths.h"
#include "table/TableCanvas.h"

#include <QTemporaryDir>

#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace dealmoor;
using namespace dealmoor::testing;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Felt = qRgb(0, 0x80, 0);

void PutCard(Hand& hand, int cardId, int rank, bool shown) {
    hand.CardIds[hand.CardCount] = cardId;
    hand.Ranks[hand.CardCount] = rank;
    hand.Shown[hand.CardCount] = shown;
    ++hand.CardCount;
    ComputeTotal(hand);
}

// Frame f of a test strip: its first column and the rest have their own colours.
QRgb FrameEdge(int f) {
    return qRgb(40 * f, 10, 220);
}
QRgb FrameFill(int f) {
    return qRgb(40 * f, 90, 220);
}

// Writes a four-frame strip for character `number` with the given file name.
void WriteStrip(const QString& dir, const QString& fileName, int number) {
    const int width = CharacterRecord(number).FrameWidth;
    const int height = 229 - CharacterRecord(number).FrameTop;
    QImage strip(width * FacesPerStrip, height, QImage::Format_RGB32);
    for (int f = 1; f <= FacesPerStrip; ++f) {
        QPainter painter(&strip);
        painter.fillRect((f - 1) * width, 0, width, height, QColor(FrameFill(f)));
        painter.fillRect((f - 1) * width, 0, 1, height, QColor(FrameEdge(f)));
    }
    QVERIFY(strip.save(dir + QLatin1Char('/') + fileName, "BMP"));
}

// Rows and columns of a region whose pixels pass a test.
struct Ink {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool any() const { return right >= 0; }
    int height() const { return bottom - top + 1; }
};

template <typename Test> Ink FindInk(const QImage& image, const QRect& region, Test test) {
    Ink ink;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (test(image.pixel(x, y))) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}
bool IsYellow(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80;
}
bool IsWhite(QRgb pixel) {
    return pixel == White;
}
bool IsDark(QRgb pixel) {
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

struct Probe {
    QPoint viewPoint; // in ViewBuffer coordinates
    QRgb expected;
};

} // namespace

Q_DECLARE_METATYPE(std::vector<Probe>)

class TableCanvasTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;
    SpriteSheets sheets = SyntheticSheets();
    std::unique_ptr<TableCanvas> canvas;

    QRgb dealerPixel(QPoint p) const {
        return canvas->surface().pixel(canvas->DealerArea.left + p.x(),
                                       canvas->DealerArea.top + p.y());
    }
    QRgb seatPixel(QPoint p) const {
        return canvas->surface().pixel(canvas->SeatArea.left + p.x(), canvas->SeatArea.top + p.y());
    }
    QRect seatRect(int left, int top, int width, int height) const {
        return QRect(canvas->SeatArea.left + left, canvas->SeatArea.top + top, width, height);
    }

private slots:
    void init() {
        game = std::make_unique<Game>();
        ResetGameState(*game);
        canvas = std::make_unique<TableCanvas>(*game, sheets);
        canvas->resize(1024, 768);
        canvas->setAreas(10, 10, 280, 10);
    }
    void cleanup() { canvas.reset(); }

    void cardCellsFollowRankAndSuit() {
        QCOMPARE(CardCell(1, 1), QRect(0, 0, 41, 54));       // ace of clubs
        QCOMPARE(CardCell(52, 13), QRect(492, 162, 41, 54)); // king of spades
        QCOMPARE(CardCell(27, 1), QRect(0, 108, 41, 54));    // ace of hearts
    }

    void dealerPoses_data() {
        QTest::addColumn<int>("pose");
        QTest::addColumn<std::vector<Probe>>("probes");
        const std::vector<Probe> common = {
            {{10, 10}, White},
            {{100, 50}, SheetColour(DbodyColour)},
            {{0, 170}, ColumnColour(20)}, // dtable1 is taken from its column 20
            {{248, 170}, ColumnColour(268)},
            {{0, 280}, ColumnColour(24)}, // dtable2 from its column 24, stretched
            {{5, 250}, Felt},
        };
        auto with = [&](std::vector<Probe> extra) {
            extra.insert(extra.end(), common.begin(), common.end());
            return extra;
        };
        QTest::newRow("rest") << 1
                              << with({{{30, 150}, SheetColour(Drarm1Colour)},
                                       {{200, 160}, SheetColour(Dlarm0Colour)},
                                       {{78, 186}, SheetColour(CardBackColour)},
                                       {{118, 239}, SheetColour(CardBackColour)},
                                       {{30, 200}, Felt}});
        QTest::newRow("reach down") << 3
                                    << with({{{30, 200}, SheetColour(Drarm2Colour)},
                                             {{210, 280}, SheetColour(Dlarm1Colour)},
                                             {{200, 160}, SheetColour(Dlarm1Colour)}});
        QTest::newRow("reach across") << 4
                                      << with({{{40, 230}, SheetColour(Drarm2Colour)},
                                               {{100, 200}, SheetColour(Dlarm2Colour)},
                                               {{200, 100}, White}});
        QTest::newRow("hand open") << 5
                                   << with({{{205, 280}, SheetColour(Dlarm3Colour)},
                                            {{212, 150}, White},
                                            {{200, 160}, SheetColour(Dlarm3Colour)}});
    }
    void dealerPoses() {
        QFETCH(int, pose);
        QFETCH(std::vector<Probe>, probes);
        canvas->DrawDealer(static_cast<DealerPose>(pose));
        for (const Probe& probe : probes) {
            QVERIFY2(dealerPixel(probe.viewPoint) == probe.expected,
                     qPrintable(QStringLiteral("pixel at view (%1, %2) is %3")
                                    .arg(probe.viewPoint.x())
                                    .arg(probe.viewPoint.y())
                                    .arg(dealerPixel(probe.viewPoint), 8, 16)));
        }
    }

    void dealerHandStandsFirstCardApart() {
        Hand& dealer = game->Hands[DealerSlot];
        PutCard(dealer, 1, 1, false);  // hole card: the back
        PutCard(dealer, 1, 1, true);   // ace of clubs
        PutCard(dealer, 52, 13, true); // king of spades
        canvas->DrawDealer(DealerPose::Rest);
        QCOMPARE(dealerPixel({50, 300}), SheetColour(CardBackColour));
        QCOMPARE(dealerPixel({90, 353}), SheetColour(CardBackColour));
        QCOMPARE(dealerPixel({91, 340}), Felt); // 4 pixels between the hole card and the row
        QCOMPARE(dealerPixel({95, 300}), CardRim(0, 0));
        QCOMPARE(dealerPixel({96, 301}), CardInside(0, 0));
        QCOMPARE(dealerPixel({111, 300}), CardRim(12, 3));
        QCOMPARE(dealerPixel({151, 353}), CardRim(12, 3));
        QCOMPARE(dealerPixel({150, 352}), CardInside(12, 3));
        QCOMPARE(dealerPixel({152, 340}), Felt);
    }

    // Zoomed by a quarter or on a screen of one and a half times the density,
    // the surface holds the screen's pixels and the table lands on the same
    // places in table pixels: its pictures scale, its cells do not move.
    void aSurfaceOfAnyDensityKeepsTheTableInPlace_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("deviceRatio");
        QTest::newRow("zoomed 125%") << 1.25 << 1.0;
        QTest::newRow("a screen of ratio 1.5") << 1.0 << 1.5;
        QTest::newRow("twice, zoomed 150%") << 1.5 << 2.0;
    }
    void aSurfaceOfAnyDensityKeepsTheTableInPlace() {
        QFETCH(double, zoom);
        QFETCH(double, deviceRatio);
        canvas->setScale(zoom, deviceRatio);
        const QImage& surface = canvas->surface();
        QCOMPARE(surface.devicePixelRatio(), zoom * deviceRatio);
        QCOMPARE(surface.size(), (QSizeF(canvas->size()) * deviceRatio).toSize());
        QCOMPARE(canvas->toWidget(QRect(100, 40, 20, 10)),
                 QRect(qRound(100 * zoom), qRound(40 * zoom),
                       qRound(120 * zoom) - qRound(100 * zoom),
                       qRound(50 * zoom) - qRound(40 * zoom)));

        Hand& dealer = game->Hands[DealerSlot];
        PutCard(dealer, 1, 1, true); // ace of clubs at (50, 300)-(91, 354)
        canvas->DrawDealer(DealerPose::Rest);
        const double scale = zoom * deviceRatio;
        const auto at = [&](QPoint view) {
            const QPointF table(canvas->DealerArea.left + view.x() + 0.5,
                                canvas->DealerArea.top + view.y() + 0.5);
            return surface.pixel((table * scale).toPoint());
        };
        QCOMPARE(at({70, 327}), CardInside(0, 0));
        QCOMPARE(at({5, 250}), Felt);
        QCOMPARE(at({100, 50}), SheetColour(DbodyColour));
    }

    void sevenCardsFitAndAnImpossibleCountIsCut() {
        Hand& dealer = game->Hands[DealerSlot];
        for (int k = 0; k < MaxHandCards; ++k) {
            PutCard(dealer, 2 + k, 2 + k, true);
        }
        dealer.CardCount = 99; // never read past the seventh entry
        canvas->DrawDealer(DealerPose::Rest);
        QCOMPARE(dealerPixel({95 + 16 * 5 + 20, 340}), CardInside(7, 0)); // seventh card: an 8
        QCOMPARE(dealerPixel({95 + 16 * 5 + 42, 340}), Felt);
    }

    void seatViewWithSplitHandAndStake() {
        QTemporaryDir dir;
        WriteStrip(dir.path(), QStringLiteral("DMOOR3.BMP"), 3); // found whatever its case
        game->SeatCount = 2;
        game->Seats[2].Number = 3;
        game->Seats[2].HasSplit = true;
        game->Seats[2].Bet = 25;
        game->Seats[2].SplitBet = 25;
        game->CurrentSeat = 2;
        PutCard(game->Hands[2], 1, 1, true);       // ace of clubs
        PutCard(game->Hands[2], 30, 4, false);     // a hidden card: the back
        PutCard(game->Hands[2 + 6], 52, 13, true); // second hand: king of spades
        canvas->LoadCharacterSheets(FileSystemPath(dir.path() + QLatin1Char('/')));
        canvas->SetFace(2, 0);
        QCOMPARE(canvas->selectedCharacter(), 3);
        canvas->DrawDealer(
            DealerPose::Rest); // leaves felt in the shared buffer where the wall will be
        canvas->SetFace(2, 3);

        // Character 3: 202 wide, 21 down, centred on x 125 -> x 24..225.
        QCOMPARE(seatPixel({24, 21}), FrameEdge(3));
        QCOMPARE(seatPixel({25, 100}), FrameFill(3));
        QCOMPARE(seatPixel({225, 228}), FrameFill(3));
        QCOMPARE(seatPixel({23, 100}), White);
        QCOMPARE(seatPixel({226, 100}), White);
        QCOMPARE(seatPixel({24, 20}), White);
        QCOMPARE(seatPixel({5, 228}), White); // no leftover of the dealer view above the rail
        QCOMPARE(seatPixel({5, 229}), Black);
        QCOMPARE(seatPixel({5, 240}), Black);
        QCOMPARE(seatPixel({100, 265}), SheetColour(Ptable2Colour));
        QCOMPARE(seatPixel({97, 323}), SheetColour(PtableColour));
        QCOMPARE(seatPixel({5, 300}), Felt);
        // First hand from x 4, step 16; the second hand from x 129.
        QCOMPARE(seatPixel({4, 354}), CardRim(0, 0));
        QCOMPARE(seatPixel({10, 380}), CardInside(0, 0));
        QCOMPARE(seatPixel({30, 380}), SheetColour(CardBackColour));
        QCOMPARE(seatPixel({129, 354}), CardRim(12, 3));
        QCOMPARE(seatPixel({169, 407}), CardRim(12, 3));
        QCOMPARE(seatPixel({128, 400}), Felt);

        // The stake of both hands in red, centred over the circle.
        const Ink stake = FindInk(canvas->surface(), seatRect(0, 410 - 75, 249, 20), IsRed);
        QVERIFY(stake.any());
        const int centre = (canvas->SeatArea.left + canvas->SeatArea.right) / 2;
        QVERIFY(std::abs((stake.left + stake.right) / 2 - centre) <= 3);
        QVERIFY(stake.top >= canvas->SeatArea.bottom - 75);
    }

    void noStakeNoText() {
        game->CurrentSeat = 1;
        game->Seats[1].Number = 1;
        canvas->SetFace(1, 2);
        QVERIFY(!FindInk(canvas->surface(), seatRect(0, 300, 249, 50), IsRed).any());
    }

    void secondHandWithoutCardsIsNotDrawn() {
        game->Seats[1].Number = 1;
        game->Seats[1].HasSplit = true;
        canvas->SetFace(1, 1);
        QCOMPARE(seatPixel({160, 390}), Felt);
    }

    void characterOutsideNineKeepsThePreviousSheet() {
        QTemporaryDir dir;
        WriteStrip(dir.path(), QStringLiteral("dmoor5.bmp"), 5);
        game->SeatCount = 1;
        game->Seats[1].Number = 5;
        canvas->LoadCharacterSheets(FileSystemPath(dir.path() + QLatin1Char('/')));
        canvas->SetFace(1, 0);
        game->Seats[2].Number = 12;
        canvas->SetFace(2, 0);
        QCOMPARE(canvas->selectedCharacter(), 5);
        canvas->SetFace(2, 2);
        // Character 5: 218 wide, top 0 -> x 16..233.
        QCOMPARE(seatPixel({16, 0}), FrameEdge(2));
        QCOMPARE(seatPixel({17, 0}), FrameFill(2));
    }

    void missingPictureGetsAStandInOfTheFrameWidth() {
        QTemporaryDir empty;
        game->SeatCount = 2;
        game->Seats[1].Number = 6;
        game->Seats[2].Number = 9;
        canvas->LoadCharacterSheets(FileSystemPath(empty.path() + QLatin1Char('/')));
        QCOMPARE(canvas->sheetOf(6).strip.width(), 4 * 243);
        QCOMPARE(canvas->sheetOf(6).frameTop, 27);
        QCOMPARE(canvas->sheetOf(9).frameWidth, 206);
        QVERIFY(canvas->sheetOf(1).strip.isNull()); // not seated: nothing loaded
        canvas->SetFace(1, 0);
        canvas->SetFace(1, 4);
        // The stand-in draws a face in the middle of the frame.
        QVERIFY(seatPixel({125, 120}) != White);
    }

    void reloadReleasesSheetsOfCharactersNoLongerSeated() {
        QTemporaryDir empty;
        game->SeatCount = 1;
        game->Seats[1].Number = 4;
        canvas->LoadCharacterSheets(FileSystemPath(empty.path() + QLatin1Char('/')));
        QVERIFY(!canvas->sheetOf(4).strip.isNull());
        game->Seats[1].Number = 7;
        canvas->LoadCharacterSheets(FileSystemPath(empty.path() + QLatin1Char('/')));
        QVERIFY(canvas->sheetOf(4).strip.isNull());
        QVERIFY(!canvas->sheetOf(7).strip.isNull());
    }

    void balloon_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("minHeight");
        QTest::addColumn<int>("maxHeight");
        QTest::addColumn<int>("inkTop");
        // "21" alone is written in 18 points, a long line alone in 10.
        QTest::newRow("short alone") << QString() << QStringLiteral("21") << 16 << 24 << 63;
        QTest::newRow("long alone") << QStringLiteral("Insurance?") << QString() << 8 << 14 << 63;
        // Two lines: the first from y 57, the second below it.
        QTest::newRow("two lines")
            << QStringLiteral("Dealer has") << QStringLiteral("Blackjack") << 20 << 34 << 57;
    }
    void balloon() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, minHeight);
        QFETCH(int, maxHeight);
        QFETCH(int, inkTop);
        canvas->DrawDealer(DealerPose::Rest);
        canvas->ShowBalloon(first.toStdString(), second.toStdString());
        const QPoint origin(canvas->DealerArea.left + 152, canvas->DealerArea.top + 39);
        const QImage& surface = canvas->surface();
        auto at = [&](int x, int y) { return surface.pixel(origin.x() + x, origin.y() + y); };
        // The mask whitens the inside, the outline blackens its edge, the view shows around it.
        QCOMPARE(at(11, 11), White);
        QCOMPARE(at(85, 58), White);
        QCOMPARE(at(10, 10), Black);
        QCOMPARE(at(86, 59), Black);
        QCOMPARE(at(2, 2), SheetColour(DbodyColour));
        QCOMPARE(at(30, 65), SheetColour(Dlarm0Colour));

        const QRect inside(origin + QPoint(11, 11), QSize(75, 48));
        const Ink text = FindInk(surface, inside, IsDark);
        QVERIFY(text.any());
        QVERIFY2(text.height() >= minHeight && text.height() <= maxHeight,
                 qPrintable(QString::number(text.height())));
        QVERIFY(text.top >= canvas->DealerArea.top + inkTop);
    }

    void emptyBalloonWritesNothing() {
        canvas->DrawDealer(DealerPose::Rest);
        canvas->ShowBalloon("", "");
        const QPoint origin(canvas->DealerArea.left + 152, canvas->DealerArea.top + 39);
        QVERIFY(!FindInk(canvas->surface(), QRect(origin + QPoint(11, 11), QSize(75, 48)), IsDark)
                     .any());
    }

    void tableTexts_data() {
        QTest::addColumn<int>("text");
        QTest::addColumn<bool>("secondHand");
        QTest::addColumn<int>("fromLeft");  // expected ink left relative to SeatArea.left, or -1
        QTest::addColumn<int>("fromRight"); // expected ink right relative to SeatArea.right, or -1
        QTest::newRow("busted first") << int(TableText::Busted) << false << 10 << -1;
        QTest::newRow("doubled second") << int(TableText::Doubled) << true << 100 << -1;
        QTest::newRow("busted second") << int(TableText::Busted) << true << -1 << 10;
        QTest::newRow("surrendered") << int(TableText::Surrendered) << false << 10 << -1;
    }
    void tableTexts() {
        QFETCH(int, text);
        QFETCH(bool, secondHand);
        QFETCH(int, fromLeft);
        QFETCH(int, fromRight);
        game->Seats[1].Number = 1;
        canvas->SetFace(1, 1);
        canvas->WriteTableText(static_cast<TableText>(text), secondHand);
        const Ink ink = FindInk(canvas->surface(), seatRect(0, 300, 249, 50), IsWhite);
        QVERIFY(ink.any());
        QVERIFY(ink.top >= canvas->SeatArea.bottom - 85);
        QVERIFY(ink.top <= canvas->SeatArea.bottom - 75);
        if (fromLeft >= 0) {
            const int left = ink.left - canvas->SeatArea.left;
            QVERIFY2(left >= fromLeft && left <= fromLeft + 3, qPrintable(QString::number(left)));
        }
        if (fromRight >= 0) {
            const int right = canvas->SeatArea.right - 1 - ink.right;
            QVERIFY2(right >= fromRight && right <= fromRight + 3,
                     qPrintable(QString::number(right)));
        }
    }

    void shufflingBlacksOutTheLowerDealerView() {
        canvas->DrawDealer(DealerPose::Rest);
        canvas->ShowShuffling();
        QCOMPARE(dealerPixel({0, 166}), Black);
        QCOMPARE(dealerPixel({248, 409}), Black);
        QCOMPARE(dealerPixel({100, 160}), SheetColour(DbodyColour)); // above stays
        const Ink words = FindInk(canvas->surface(), canvas->rect(), IsYellow);
        QVERIFY(words.any());
        QVERIFY(words.top >= canvas->DealerArea.top + 250);
        QVERIFY(words.bottom < canvas->DealerArea.top + 280);
        const int centre = (canvas->DealerArea.left + canvas->DealerArea.right) / 2;
        QVERIFY(std::abs((words.left + words.right) / 2 - centre) <= 3);
    }

    void paintTableStartsAtSeatOneWithBevels() {
        game->CurrentSeat = 0;
        game->Seats[1].Number = 2;
        QTemporaryDir empty;
        canvas->LoadCharacterSheets(FileSystemPath(empty.path() + QLatin1Char('/')));
        canvas->SetFace(1, 0);
        canvas->PaintTable();
        // The view shows seat 1 but the painter never writes the game.
        QCOMPARE(canvas->shownSeat(), 1);
        QCOMPARE(game->CurrentSeat, 0);
        QCOMPARE(dealerPixel({80, 200}), SheetColour(CardBackColour)); // dealer at rest
        QCOMPARE(seatPixel({100, 340}), SheetColour(PtableColour));
        // A sunken bevel: black just outside both views.
        QCOMPARE(dealerPixel({-1, -1}), Black);
        QCOMPARE(seatPixel({249, 410}), Black);
    }

    void growingKeepsTheOldPictureAndFillsTheRest() {
        canvas->DrawDealer(DealerPose::Rest);
        const QRgb background = canvas->palette().color(canvas->backgroundRole()).rgb();
        canvas->resize(1280, 900);
        canvas->DrawDealer(DealerPose::Rest); // any drawing brings the surface to the widget's size
        QCOMPARE(canvas->surface().size(), QSize(1280, 900));
        QCOMPARE(dealerPixel({100, 50}), SheetColour(DbodyColour));
        QCOMPARE(canvas->surface().pixel(1200, 850), background);
        canvas->resize(300, 300);
        canvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(canvas.get()));
        QCOMPARE(canvas->surface().size(), QSize(300, 300));
        QCOMPARE(dealerPixel({100, 50}), SheetColour(DbodyColour));
    }
};

DEALMOOR_QTEST_MAIN(TableCanvasTest)
#include "TableCanvasTest.moc"
