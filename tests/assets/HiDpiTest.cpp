// Pictures for screens with twice the pixel density: every picture the table draws
// has an "@2x" twin of exactly twice its size, of the same kind, and drawn anew at
// that size rather than blown up from the small one.

#include "ShippedFiles.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace dealmoor::test {
namespace {

QString twinOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + "@2x" + name.mid(dot);
}

TEST(HiDpiPictures, EveryPictureHasATwinOfTwiceItsSizeAndOfTheSameKind) {
    const QStringList all = artFolder().entryList({"*.png", "*.bmp"}, QDir::Files, QDir::Name);
    QStringList small;
    for (const QString& name : all) {
        if (!name.contains("@2x")) {
            small << name;
        } else {
            const QString one = QString(name).remove("@2x");
            EXPECT_TRUE(all.contains(one)) << qPrintable(name) << " has no 1x picture";
        }
    }
    for (const char* known :
         {"Cards.png", "dmoor1.bmp", "chip100.png", "borrow001.png", "balloon2.png", "help.png"}) {
        EXPECT_TRUE(small.contains(known)) << known << " is not in the program folder";
    }
    for (const QString& name : small) {
        const QImage one = shippedPicture(name);
        const QImage two = shippedPicture(twinOf(name));
        ASSERT_FALSE(one.isNull()) << qPrintable(name);
        ASSERT_FALSE(two.isNull()) << qPrintable(twinOf(name)) << " is missing";
        EXPECT_EQ(two.size(), one.size() * 2) << qPrintable(twinOf(name));
        // The table copies them the same way: one bit balloons stay one bit, the
        // button faces keep their transparent corners, the strips stay plain.
        EXPECT_EQ(two.depth(), one.depth()) << qPrintable(twinOf(name));
        EXPECT_EQ(two.hasAlphaChannel(), one.hasAlphaChannel()) << qPrintable(twinOf(name));
        // Drawn again with twice the detail, not each pixel doubled.
        const QImage doubled =
            one.convertToFormat(QImage::Format_ARGB32)
                .scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_NE(two.convertToFormat(QImage::Format_ARGB32), doubled)
            << qPrintable(twinOf(name)) << " is only the 1x picture blown up";
    }
}

// How many pixels of a row lie between the last pixel of the background and the
// first pixel of the figure, walking from `from` toward `to`: the width of the
// edge's smoothing. -1 when the row does not cross from one to the other.
int edgeWidth(const QImage& picture, int y, int from, int to, QRgb background, QRgb figure) {
    auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 6 && std::abs(qGreen(a) - qGreen(b)) <= 6 &&
               std::abs(qBlue(a) - qBlue(b)) <= 6;
    };
    const int step = to > from ? 1 : -1;
    int lastBackground = -1;
    for (int x = from; x != to; x += step) {
        const QRgb pixel = picture.pixel(x, y);
        if (near(pixel, background)) {
            lastBackground = x;
        } else if (near(pixel, figure)) {
            return lastBackground < 0 ? -1 : std::abs(x - lastBackground) - 1;
        }
    }
    return -1;
}

TEST(HiDpiPictures, CardPipsHaveEdgesAsSharpAtTwiceTheSize) {
    const QImage one = shippedSheet("Cards.png");
    const QImage two = shippedSheet("Cards@2x.png");
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(two.isNull());
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    const QRgb red = qRgb(0xD0, 0x10, 0x1C);
    // The big pips of the red aces, crossed from the white of the card toward their
    // middle, left and right, over the rows of their widest part.
    const struct {
        const char* card;
        int row;
    } aces[] = {{"ace of diamonds", 1}, {"ace of hearts", 2}};
    for (const auto& ace : aces) {
        int widestOne = -1, widestTwo = -1;
        for (int y = 24; y <= 30; ++y) {
            const int top = ace.row * 54 + y;
            for (const auto& [from, to] : {std::pair{8, 20}, std::pair{33, 21}}) {
                const int w1 = edgeWidth(one, top, from, to, white, red);
                ASSERT_GE(w1, 0) << ace.card << " row " << y;
                widestOne = std::max(widestOne, w1);
                // The same row of the table at twice the size: its first pixel row
                // and its second.
                for (int half = 0; half < 2; ++half) {
                    const int w2 = edgeWidth(two, 2 * top + half, 2 * from, 2 * to, white, red);
                    ASSERT_GE(w2, 0) << ace.card << " row " << y;
                    widestTwo = std::max(widestTwo, w2);
                }
            }
        }
        // The small pip is smoothed; a copy blown up from it would double that.
        EXPECT_GE(widestOne, 1) << ace.card;
        EXPECT_LE(widestTwo, widestOne) << ace.card << " is blurred at twice the size";
    }
}

TEST(HelpGlyph, AQuestionMarkInARoundBadgeOfFelt) {
    for (const auto& [name, scale] : {std::pair{"help.png", 1}, std::pair{"help@2x.png", 2}}) {
        const QImage glyph = shippedPicture(name).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(glyph.size(), QSize(16, 16) * scale) << name;
        // Round: the corners let the button show through.
        const int last = 16 * scale - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            EXPECT_EQ(qAlpha(glyph.pixel(corner)), 0) << name;
        }
        int green = 0, chalk = 0;
        for (int y = 0; y <= last; ++y) {
            for (int x = 0; x <= last; ++x) {
                const QColor c = glyph.pixelColor(x, y);
                if (c.alpha() < 255) {
                    continue;
                }
                green += c.green() > c.red() + 60 && c.green() > c.blue() + 60;
                chalk += c.red() > 220 && c.green() > 220 && c.blue() > 200;
            }
        }
        // Mostly felt, with a question mark large enough to read.
        EXPECT_GT(green, 256 * scale * scale / 3) << name;
        EXPECT_GT(chalk, 10 * scale * scale) << name;
        // Nothing that reads as the red of a warning.
        for (int y = 0; y <= last; ++y) {
            for (int x = 0; x <= last; ++x) {
                const QColor c = glyph.pixelColor(x, y);
                ASSERT_FALSE(c.alpha() > 128 && c.red() > c.green() + 80) << name;
            }
        }
    }
}

} // namespace
} // namespace dealmoor::test
