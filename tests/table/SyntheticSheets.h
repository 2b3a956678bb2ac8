#pragma once
// Sprite sheets made in memory for pixel-exact drawing tests: every sheet has
// its own solid colour, and sheets whose cells are indexed carry a colour per
// cell, so a copy from the wrong cell or to the wrong place shows in a pixel.

#include "table/SpriteSheets.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace dealmoor::testing {

// A colour that no drawing rule uses (never white, black, felt green, yellow or red).
inline QRgb SheetColour(int index) {
    return qRgb(30 + index * 9 % 180, 200 - index * 7 % 140, 60 + index * 5 % 100);
}

enum SheetIndex {
    CardBackColour = 1,
    DbodyColour,
    Drarm1Colour,
    Drarm2Colour,
    Dlarm0Colour,
    Dlarm1Colour,
    Dlarm2Colour,
    Dlarm3Colour,
    PtableColour,
    Ptable2Colour,
};

inline QImage SolidSheet(int width, int height, QRgb colour) {
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(colour);
    return sheet;
}

// Card cell (column, row): its inside colour, and the 1-pixel rim around it.
inline QRgb CardInside(int column, int row) {
    return qRgb(10 + column * 15, 20 + row * 50, 100);
}
inline QRgb CardRim(int column, int row) {
    return qRgb(10 + column * 15, 20 + row * 50, 101);
}

// A strip whose pixel colour tells the column it came from (for offset and stretch checks).
inline QRgb ColumnColour(int x) {
    return qRgb(x & 0xFF, x >> 8, 77);
}

inline QImage ColumnCodedSheet(int width, int height) {
    QImage sheet(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sheet.setPixel(x, y, ColumnColour(x));
        }
    }
    return sheet;
}

// Portrait n (1..9) in Heads / Head2: its colour.
inline QRgb PortraitColour(int n) {
    return qRgb(200, 20 * n, 150);
}
inline QRgb SmallPortraitColour(int n) {
    return qRgb(150, 20 * n, 200);
}

// The balloon: its mask is white inside (10, 10)-(87, 60) and black around;
// its outline is black on the 1-pixel edge of that rectangle and white elsewhere.
inline const QRect BalloonInside(10, 10, 77, 50);

inline SpriteSheets SyntheticSheets() {
    SpriteSheets sheets;
    sheets.Cards = QImage(533, 216, QImage::Format_RGB32);
    {
        QPainter painter(&sheets.Cards);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 13; ++column) {
                const QRect cell(column * 41, row * 54, 41, 54);
                painter.fillRect(cell, QColor(CardRim(column, row)));
                painter.fillRect(cell.adjusted(1, 1, -1, -1), QColor(CardInside(column, row)));
            }
        }
    }
    sheets.CardBack = SolidSheet(41, 54, SheetColour(CardBackColour));
    sheets.Heads = QImage(178, 1602, QImage::Format_RGB32);
    sheets.Head2 = QImage(89, 801, QImage::Format_RGB32);
    for (int n = 1; n <= 9; ++n) {
        QPainter(&sheets.Heads).fillRect(0, (n - 1) * 178, 178, 178, QColor(PortraitColour(n)));
        QPainter(&sheets.Head2).fillRect(0, (n - 1) * 89, 89, 89, QColor(SmallPortraitColour(n)));
    }
    sheets.Digits = SolidSheet(188, 147, qRgb(0, 0, 0));
    sheets.dbody = SolidSheet(105, 167, SheetColour(DbodyColour));
    sheets.drarm1 = SolidSheet(68, 81, SheetColour(Drarm1Colour));
    sheets.drarm2 = SolidSheet(92, 153, SheetColour(Drarm2Colour));
    sheets.dlarm0 = SolidSheet(51, 77, SheetColour(Dlarm0Colour));
    sheets.dlarm1 = SolidSheet(69, 199, SheetColour(Dlarm1Colour));
    sheets.dlarm2 = SolidSheet(103, 148, SheetColour(Dlarm2Colour));
    sheets.dlarm3 = SolidSheet(57, 195, SheetColour(Dlarm3Colour));
    sheets.dtable1 = ColumnCodedSheet(300, 15);
    sheets.dtable2 = ColumnCodedSheet(300, 61);
    sheets.ptable = SolidSheet(61, 61, SheetColour(PtableColour));
    sheets.ptable2 = SolidSheet(250, 8, SheetColour(Ptable2Colour));
    sheets.balloon2 = SolidSheet(97, 70, qRgb(0, 0, 0));
    QPainter(&sheets.balloon2).fillRect(BalloonInside, Qt::white);
    sheets.balloon = SolidSheet(97, 70, qRgb(255, 255, 255));
    {
        QPainter painter(&sheets.balloon);
        painter.setPen(Qt::black);
        painter.drawRect(BalloonInside.adjusted(0, 0, -1, -1));
    }
    return sheets;
}

} // namespace dealmoor::testing
