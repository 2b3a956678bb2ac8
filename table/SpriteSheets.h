#pragma once
// The pictures the table is drawn from: sprite sheets generated at build time
// into the program's folder, indexed by fixed cells. Every sheet also comes as
// an "@2x" twin drawn at twice the size for dense screens; a sheet carries the
// pixel ratio it was drawn for, and its cells are always named in table pixels.

#include <QImage>
#include <QPixmap>
#include <QRectF>

#include <string>
#include <string_view>

class QPainter;

namespace dealmoor {

struct SpriteSheets {
    QImage Cards;    // 533 x 216: 13 columns of 41 (ace..king) by 4 rows of 54 (clubs..spades)
    QImage CardBack; // 41 x 54
    QImage Heads;    // 178 x 1602: nine large portraits, 178 apart
    QImage Head2;    // 89 x 801: nine small portraits, 89 apart
    QImage Digits;   // 188 x 147: seven-segment glyphs in seven colour rows
    QImage dbody;    // 105 x 167
    QImage drarm1;   // 68 x 81
    QImage drarm2;   // 92 x 153
    QImage dlarm0;   // 51 x 77
    QImage dlarm1;   // 69 x 199
    QImage dlarm2;   // 103 x 148
    QImage dlarm3;   // 57 x 195
    QImage dtable1;  // 300 x 15
    QImage dtable2;  // 300 x 61
    QImage ptable;   // 61 x 61
    QImage ptable2;  // 250 x 8
    QImage balloon;  // 97 x 70: the balloon's outline (ANDed onto the view)
    QImage balloon2; // 97 x 70: its mask (ORed onto the view first)

    // Loads every sheet from "<programDir><name>.png", or its "<name>@2x.png"
    // twin at scale 2 (the 1x picture where a twin is missing or of the wrong
    // size). Returns false when a picture is missing at both sizes; those are
    // left as blank pictures of their proper size.
    bool Load(const std::string& programDir, int scale = 1);
    // The scale the sheets were asked for: 1, or 2 for the twins.
    int scale = 1;
};

// The sheets that suit a surface of `deviceScale` pixels per table pixel: the
// nearer of 1x and 2x (1.5 and above take the twins, which scale down better
// than the small ones scale up).
int SheetScaleFor(double deviceScale);

// The file name of a picture drawn at a scale: "Cards.png", "Cards@2x.png".
std::string ScaledFileName(std::string_view name, int scale);

// Copies `cell` (in table pixels) of `sheet` onto `target`, whatever pixel
// ratio the sheet was drawn for. A sheet drawn for the painter's own density
// is copied pixel for pixel (stretched without blending where the table's
// rules stretch); one drawn for another density is scaled smoothly.
void DrawSheet(QPainter& painter, const QRectF& target, const QImage& sheet, const QRectF& cell);

// `cell` of a sheet as a picture for a device of pixel ratio `ratio`, scaled
// smoothly when the sheet was drawn for another ratio.
QPixmap SheetCell(const QImage& sheet, const QRect& cell, double ratio);

// A card's cell in the Cards sheet, and the step between overlapping cards on the table.
inline constexpr int CardCellWidth = 41;
inline constexpr int CardCellHeight = 54;
inline constexpr int CardStep = 16;

// File names of the other generated pictures beside the program.
inline const char* const ChipPictures[5] = {"chip100.png", "chip25.png", "chip5.png", "chip1.png",
                                            "chip050.png"};
inline const char* const BorrowPictures[6] = {"borrow1000.png", "borrow100.png", "borrow10.png",
                                              "borrow1.png",    "borrow010.png", "borrow001.png"};

} // namespace dealmoor
