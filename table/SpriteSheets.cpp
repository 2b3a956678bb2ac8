#include "table/SpriteSheets.h"

#include "table/FilePaths.h"

#include <QColor>

namespace dealmoor {

namespace {

struct SheetFile {
    QImage SpriteSheets::*sheet;
    const char* name;
    int width;
    int height;
};

// Every sheet the table is drawn from, with the size its cells are counted in.
const SheetFile SheetFiles[] = {
    {&SpriteSheets::Cards, "Cards", 533, 216},    {&SpriteSheets::CardBack, "CardBack", 41, 54},
    {&SpriteSheets::Heads, "Heads", 178, 1602},   {&SpriteSheets::Head2, "Head2", 89, 801},
    {&SpriteSheets::Digits, "Digits", 188, 147},  {&SpriteSheets::dbody, "dbody", 105, 167},
    {&SpriteSheets::drarm1, "drarm1", 68, 81},    {&SpriteSheets::drarm2, "drarm2", 92, 153},
    {&SpriteSheets::dlarm0, "dlarm0", 51, 77},    {&SpriteSheets::dlarm1, "dlarm1", 69, 199},
    {&SpriteSheets::dlarm2, "dlarm2", 103, 148},  {&SpriteSheets::dlarm3, "dlarm3", 57, 195},
    {&SpriteSheets::dtable1, "dtable1", 300, 15}, {&SpriteSheets::dtable2, "dtable2", 300, 61},
    {&SpriteSheets::ptable, "ptable", 61, 61},    {&SpriteSheets::ptable2, "ptable2", 250, 8},
    {&SpriteSheets::balloon, "balloon", 97, 70},  {&SpriteSheets::balloon2, "balloon2", 97, 70},
};

// A missing picture still has its size, so every cell copy stays inside it.
QImage blankSheet(int width, int height) {
    QImage blank(width, height, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

} // namespace

bool SpriteSheets::Load(const std::string& programDir) {
    bool all = true;
    for (const SheetFile& file : SheetFiles) {
        const QImage loaded = LoadPicture(programDir + file.name + ".png");
        if (loaded.isNull()) {
            this->*file.sheet = blankSheet(file.width, file.height);
            all = false;
            continue;
        }
        // The raster operations of the balloon work on 32-bit pixels.
        this->*file.sheet = loaded.convertToFormat(QImage::Format_RGB32);
    }
    return all;
}

} // namespace dealmoor
