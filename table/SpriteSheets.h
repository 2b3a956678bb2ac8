#pragma once
// The pictures the table is drawn from: sprite sheets generated at build time
// into the program's folder, indexed by fixed cells.

#include <QImage>

#include <string>

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

    // Loads every sheet from "<programDir><name>.png". Returns false when any is
    // missing; the missing ones are left as blank pictures of their proper size.
    bool Load(const std::string& programDir);
};

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
