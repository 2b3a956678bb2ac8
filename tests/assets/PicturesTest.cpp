// The pictures the table indexes by fixed cells: right sizes, and cells that
// really hold what the table takes them for.

#include "ShippedFiles.h"

#include "engine/Characters.h"
#include "table/SpriteSheets.h"

#include <QColor>
#include <QFile>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace dealmoor::test {
namespace {

const QRgb Felt = qRgb(0x00, 0x80, 0x00);
const QRgb White = qRgb(0xFF, 0xFF, 0xFF);
const QRgb Black = qRgb(0x00, 0x00, 0x00);

struct Expected {
    const char* name;
    int width, height;
};

TEST(SpriteSheets, EverySheetIsThereAtItsSize) {
    const Expected sheets[] = {
        {"Cards.png", 533, 216},  {"CardBack.png", 41, 54}, {"Heads.png", 178, 1602},
        {"Head2.png", 89, 801},   {"Digits.png", 188, 147}, {"dbody.png", 105, 167},
        {"drarm1.png", 68, 81},   {"drarm2.png", 92, 153},  {"dlarm0.png", 51, 77},
        {"dlarm1.png", 69, 199},  {"dlarm2.png", 103, 148}, {"dlarm3.png", 57, 195},
        {"dtable1.png", 300, 15}, {"dtable2.png", 300, 61}, {"ptable.png", 61, 61},
        {"ptable2.png", 250, 8},  {"balloon.png", 97, 70},  {"balloon2.png", 97, 70},
    };
    for (const Expected& sheet : sheets) {
        const QImage picture = shippedPicture(sheet.name);
        ASSERT_FALSE(picture.isNull()) << sheet.name;
        EXPECT_EQ(picture.size(), QSize(sheet.width, sheet.height)) << sheet.name;
    }
}

TEST(ButtonPictures, ChipsAndNotesFitTheirButtonsAndShowThroughAtTheCorners) {
    std::vector<QImage> seen;
    auto check = [&](const char* name, QSize size) {
        const QImage picture = shippedPicture(name);
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), size) << name;
        EXPECT_TRUE(picture.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << name << ": the button face should show";
        for (const QImage& other : seen) {
            EXPECT_NE(picture, other) << name << " looks like another button";
        }
        seen.push_back(picture);
    };
    for (const char* chip : ChipPictures) {
        check(chip, QSize(63, 55));
    }
    for (const char* note : BorrowPictures) {
        check(note, QSize(80, 40));
    }
}

QImage cardCell(const QImage& cards, int row, int rank) {
    return cards.copy((rank - 1) * 41, row * 54, 41, 54);
}

bool hasReddish(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 60 && c.blue() < 60) {
                return true;
            }
        }
    }
    return false;
}

TEST(Cards, FiftyTwoDifferentFacesLyingOnTheFelt) {
    const QImage cards = shippedSheet("Cards.png");
    ASSERT_FALSE(cards.isNull());
    std::vector<QImage> faces;
    for (int row = 0; row < 4; ++row) {
        for (int rank = 1; rank <= 13; ++rank) {
            const QImage face = cardCell(cards, row, rank);
            // Rounded corners: the cloth shows there, the card is white inside.
            EXPECT_EQ(face.pixel(0, 0), Felt) << row << "/" << rank;
            EXPECT_EQ(face.pixel(40, 53), Felt) << row << "/" << rank;
            EXPECT_EQ(face.pixel(20, 2), White) << row << "/" << rank;
            for (size_t other = 0; other < faces.size(); ++other) {
                EXPECT_NE(face, faces[other])
                    << "card " << row * 13 + rank << " repeats card " << other + 1;
            }
            faces.push_back(face);
        }
    }
}

TEST(Cards, HeartsAndDiamondsAreRedClubsAndSpadesAreNot) {
    const QImage cards = shippedSheet("Cards.png");
    const bool redRow[] = {false, true, true, false}; // clubs, diamonds, hearts, spades
    for (int row = 0; row < 4; ++row) {
        // Number cards only: the court figures wear red whatever their suit.
        for (int rank = 1; rank <= 10; ++rank) {
            EXPECT_EQ(hasReddish(cardCell(cards, row, rank)), redRow[row])
                << "row " << row << " rank " << rank;
        }
    }
}

TEST(Cards, TheBackIsBlueOnTheFelt) {
    const QImage back = shippedSheet("CardBack.png");
    EXPECT_EQ(back.pixel(0, 0), Felt);
    const QColor middle = back.pixelColor(12, 14);
    EXPECT_GT(middle.blue(), middle.red() + 40);
}

TEST(Digits, EachRowHasItsColourTenDigitsAndADotOnBlack) {
    const QImage digits = shippedSheet("Digits.png");
    ASSERT_FALSE(digits.isNull());
    // The brightest lit pixel of an 8 (every segment lit) tells the row's colour.
    struct Hue {
        bool red, green, blue;
    };
    const Hue rows[] = {{false, false, true}, {false, true, true},  {false, true, false},
                        {true, false, true},  {true, false, false}, {true, true, true},
                        {true, true, false}};
    for (int row = 0; row < 7; ++row) {
        const QImage eight = digits.copy(16 * 8, 21 * row, 15, 20);
        QColor lit(Qt::black);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 15; ++x) {
                const QColor c = eight.pixelColor(x, y);
                if (c.value() > lit.value()) {
                    lit = c;
                }
            }
        }
        EXPECT_EQ(lit.red() > 160, rows[row].red) << "row " << row;
        EXPECT_EQ(lit.green() > 160, rows[row].green) << "row " << row;
        EXPECT_EQ(lit.blue() > 160, rows[row].blue) << "row " << row;
        std::vector<QImage> glyphs;
        for (int d = 0; d <= 9; ++d) {
            const QImage glyph = digits.copy(16 * d, 21 * row, 15, 20);
            for (const QImage& other : glyphs) {
                EXPECT_NE(glyph, other) << "row " << row << " digit " << d;
            }
            glyphs.push_back(glyph);
        }
        bool dot = false;
        for (int y = 21 * row; y < 21 * row + 20; ++y) {
            for (int x = 176; x < 180; ++x) {
                dot |= digits.pixel(x, y) != Black;
            }
        }
        EXPECT_TRUE(dot) << "row " << row << " has no separator";
    }
    for (int y = 42; y < 62; ++y) {
        for (int x = 160; x < 175; ++x) {
            ASSERT_EQ(digits.pixel(x, y), Black) << "the blank cell must stay blank";
        }
    }
}

TEST(Balloon, OutlineAndMaskLeaveTheViewAloneOutsideTheBalloon) {
    const QImage outline = shippedPicture("balloon.png");
    const QImage mask = shippedPicture("balloon2.png");
    EXPECT_EQ(outline.depth(), 1);
    EXPECT_EQ(mask.depth(), 1);
    const QImage o = outline.convertToFormat(QImage::Format_RGB32);
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    int inside = 0, edge = 0;
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 97; ++x) {
            const bool masked = m.pixel(x, y) == White;
            const bool drawn = o.pixel(x, y) == Black;
            // (view OR mask) AND outline: outside the mask the outline must be white,
            // or the view would be darkened there.
            if (!masked) {
                ASSERT_FALSE(drawn) << x << "," << y;
            }
            inside += masked;
            edge += drawn;
        }
    }
    EXPECT_GT(inside, 97 * 70 / 2);
    EXPECT_GT(edge, 150);
    // The text area in the middle is plain white in both.
    EXPECT_EQ(m.pixel(53, 35), White);
    EXPECT_EQ(o.pixel(53, 35), White);
    // The tail reaches out to the lower left, toward the dealer.
    bool tail = false;
    for (int y = 55; y < 70; ++y) {
        for (int x = 0; x < 6; ++x) {
            tail |= m.pixel(x, y) == White;
        }
    }
    EXPECT_TRUE(tail);
}

TEST(TablePieces, PiecesLyingOnTheFeltHaveItsColourAtTheirEdges) {
    const QImage circle = shippedSheet("ptable.png");
    EXPECT_EQ(circle.pixel(0, 0), Felt);
    EXPECT_EQ(circle.pixel(60, 60), Felt);
    EXPECT_GT(circle.pixelColor(30, 30 - 26).lightness(), 220) << "the ring of the betting circle";
    const QImage arc = shippedSheet("dtable2.png");
    EXPECT_EQ(arc.pixel(24, 60), Felt);
    EXPECT_EQ(arc.pixel(248, 59), Felt);
    const QImage rail = shippedSheet("ptable2.png");
    for (int y = 0; y < 8; ++y) {
        const QColor c = rail.pixelColor(100, y);
        EXPECT_EQ(c.red(), c.green());
        EXPECT_EQ(c.green(), c.blue()) << "the player's rail is grey";
    }
}

int bitsPerPixelOf(const QString& bmp) {
    QFile file(artFolder().filePath(bmp));
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray header = file.read(30);
    return header.size() == 30 ? static_cast<unsigned char>(header[28]) : 0;
}

TEST(CharacterStrips, FourDifferentFacesStandingOnTheRail) {
    for (int number = 1; number <= 9; ++number) {
        const QString name = QString("dmoor%1.bmp").arg(number);
        const QImage strip = shippedSheet(name);
        ASSERT_FALSE(strip.isNull()) << qPrintable(name);
        EXPECT_EQ(bitsPerPixelOf(name), 24) << qPrintable(name);
        const int width = CharacterRecord(number).FrameWidth;
        EXPECT_EQ(strip.width(), 4 * width) << qPrintable(name);
        EXPECT_EQ(strip.height(), 229 - CharacterRecord(number).FrameTop) << qPrintable(name);
        std::vector<QImage> frames;
        for (int frame = 0; frame < 4; ++frame) {
            const QImage face = strip.copy(frame * width, 0, width, strip.height());
            // White above the figure, as the seat view's wall; the figure reaches
            // down to the rail in the middle of the frame.
            EXPECT_EQ(face.pixel(width / 2, 0), White) << number << "/" << frame + 1;
            EXPECT_NE(face.pixel(width / 2, face.height() - 1), White)
                << number << "/" << frame + 1;
            for (const QImage& other : frames) {
                EXPECT_NE(face, other) << "character " << number << " frame " << frame + 1;
            }
            frames.push_back(face);
        }
    }
}

TEST(Portraits, NineDifferentPeopleLargeAndSmall) {
    const struct {
        const char* name;
        int cell;
    } columns[] = {{"Heads.png", 178}, {"Head2.png", 89}};
    for (const auto& column : columns) {
        const QImage picture = shippedSheet(column.name);
        ASSERT_FALSE(picture.isNull());
        std::vector<QImage> people;
        for (int n = 0; n < 9; ++n) {
            const QImage person = picture.copy(0, n * column.cell, column.cell, column.cell);
            for (const QImage& other : people) {
                EXPECT_NE(person, other) << column.name << " portrait " << n + 1;
            }
            people.push_back(person);
        }
    }
}

} // namespace
} // namespace dealmoor::test
