#include "table/SpriteSheets.h"

#include "table/FilePaths.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

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

// The picture of a sheet drawn at `scale`, marked with that pixel ratio; null
// when it is missing or not exactly `scale` times the sheet's size.
QImage loadSheet(const std::string& programDir, const SheetFile& file, int scale) {
    const std::string name = ScaledFileName(std::string(file.name) + ".png", scale);
    QImage loaded = LoadPicture(programDir + name);
    if (loaded.isNull() || loaded.size() != QSize(file.width, file.height) * scale) {
        return {};
    }
    // The raster operations of the balloon work on 32-bit pixels.
    loaded = loaded.convertToFormat(QImage::Format_RGB32);
    loaded.setDevicePixelRatio(scale);
    return loaded;
}

// Pixels per table pixel of whatever the painter draws on.
double deviceScaleOf(const QPainter& painter) {
    return painter.device()->devicePixelRatio() * painter.worldTransform().m11();
}

} // namespace

bool SpriteSheets::Load(const std::string& programDir, int scale) {
    this->scale = scale;
    bool all = true;
    for (const SheetFile& file : SheetFiles) {
        QImage loaded = loadSheet(programDir, file, scale);
        if (loaded.isNull() && scale != 1) {
            loaded = loadSheet(programDir, file, 1);
        }
        if (loaded.isNull()) {
            loaded = blankSheet(file.width, file.height);
            all = false;
        }
        this->*file.sheet = std::move(loaded);
    }
    return all;
}

int SheetScaleFor(double deviceScale) {
    return deviceScale >= 1.5 ? 2 : 1;
}

std::string ScaledFileName(std::string_view name, int scale) {
    if (scale == 1) {
        return std::string(name);
    }
    const std::size_t dot = name.rfind('.');
    const std::string_view stem = name.substr(0, dot);
    const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
    return std::string(stem) + "@" + std::to_string(scale) + "x" + std::string(extension);
}

void DrawSheet(QPainter& painter, const QRectF& target, const QImage& sheet, const QRectF& cell) {
    const double ratio = sheet.devicePixelRatio();
    const QRectF pixels(cell.topLeft() * ratio, cell.size() * ratio);
    // Within a hundredth the densities agree: no blending of neighbouring pixels.
    constexpr double SameDensity = 0.01;
    const bool otherDensity = std::abs(deviceScaleOf(painter) - ratio) > SameDensity;
    const bool wasSmooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, otherDensity);
    painter.drawImage(target, sheet, pixels);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

QPixmap SheetCell(const QImage& sheet, const QRect& cell, double ratio) {
    const double sheetRatio = sheet.devicePixelRatio();
    const QRect pixels(QPoint(qRound(cell.left() * sheetRatio), qRound(cell.top() * sheetRatio)),
                       (QSizeF(cell.size()) * sheetRatio).toSize());
    QImage picture = sheet.copy(pixels);
    const QSize wanted = (QSizeF(cell.size()) * ratio).toSize();
    if (picture.size() != wanted) {
        picture = picture.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(picture);
}

} // namespace dealmoor
