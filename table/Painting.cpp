#include "table/Painting.h"

#include "platform/FileLookup.h"
#include "platform/Folders.h"
#include "table/FilePaths.h"
#include "table/SpriteSheets.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <algorithm>

namespace dealmoor {

namespace {

// A one-pixel horizontal or vertical line from `from` up to, but not
// including, `to`: the way the frame's edges are laid.
void edge(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint last = to - step;
    const QPoint topLeft(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
    const QPoint bottomRight(std::max(from.x(), last.x()), std::max(from.y(), last.y()));
    painter.fillRect(QRect(topLeft, bottomRight), colour);
}

bool isSunken(BevelStyle style) {
    return style == BevelStyle::SunkenWide || style == BevelStyle::Sunken;
}

int bevelDistance(BevelStyle style) {
    return style == BevelStyle::SunkenWide || style == BevelStyle::RaisedWide ? 8 : 4;
}

bool isSeparator(QChar c) {
    return c == u'.' || c == u',';
}

// The sheet cell of one character in colour row `row`.
QRect glyphCell(QChar c, int row) {
    const int top = DigitRowPitch * row;
    if (isSeparator(c))
        return QRect(DigitSeparatorX, top, DigitSeparatorWidth, DigitGlyphHeight);
    if (c >= u'0' && c <= u'9') {
        const int digit = c.unicode() - u'0';
        return QRect(DigitColumnPitch * digit, top, DigitGlyphWidth, DigitGlyphHeight);
    }
    // Spaces, and anything the display has no glyph for, show as an empty cell.
    return QRect(DigitBlankX, DigitBlankY, DigitGlyphWidth, DigitGlyphHeight);
}

} // namespace

void DrawBevel(QPainter& painter, int left, int top, int right, int bottom, BevelStyle style) {
    const int e = bevelDistance(style);
    const QPalette palette = QGuiApplication::palette();
    const QColor highlight = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    // Sunken: light falls on the far edges; raised: on the near ones.
    const QColor farEdges = isSunken(style) ? highlight : shadow;
    const QColor nearEdges = isSunken(style) ? shadow : highlight;

    painter.save();
    if (isSunken(style)) {
        // The black edge hugs the rectangle: an outline of (left - 1, top - 1)-(right + 1, bottom +
        // 1).
        const QColor black(Qt::black);
        edge(painter, {left - 1, top - 1}, {right + 1, top - 1}, black);
        edge(painter, {right, top - 1}, {right, bottom + 1}, black);
        edge(painter, {right, bottom}, {left - 2, bottom}, black);
        edge(painter, {left - 1, bottom}, {left - 1, top - 2}, black);
    }
    edge(painter, {right + e, top - e + 1}, {right + e, bottom + e - 1}, farEdges);
    edge(painter, {right + e - 1, bottom + e}, {left - e + 1, bottom + e}, farEdges);
    edge(painter, {left - e, top - e + 1}, {left - e, bottom + e - 1}, nearEdges);
    edge(painter, {left - e + 1, top - e}, {right + e - 1, top - e}, nearEdges);
    painter.restore();
}

void DrawDigits(QPainter& painter, const QImage& digits, const QString& text, int x, int y,
                bool leftToRight, int row) {
    int position = x + DigitAnchorOffset;
    bool first = true;
    auto place = [&](QChar c, int cellLeft) {
        const QRect source = glyphCell(c, row);
        DrawSheet(painter, QRect(cellLeft, y, source.width(), source.height()), digits, source);
    };

    if (leftToRight) {
        for (QChar c : text) {
            if (isSeparator(c)) {
                // The separator sits right after the glyph at the position and
                // pulls the next glyph in by the width it saves.
                place(c, position + DigitGlyphWidth);
                position += DigitSeparatorWidth;
            } else {
                if (!first)
                    position += DigitGlyphWidth;
                place(c, position);
            }
            first = false;
        }
        return;
    }

    for (auto it = text.crbegin(); it != text.crend(); ++it) {
        const QChar c = *it;
        if (isSeparator(c)) {
            position -= DigitSeparatorWidth;
        } else if (!first) {
            position -= DigitGlyphWidth;
        }
        place(c, position);
        first = false;
    }
}

namespace {

// A picture and its "@2x" twin as one icon, with the picture's size in screen pixels.
struct Picture {
    QIcon icon;
    QSize size;
};

// The picture drawn at `scale` ("name@2x.png" at 2), marked with that pixel ratio.
QImage LoadAtScale(const std::string& dir, const char* file, int scale) {
    const std::string path = FindFileNoCase(dir, ScaledFileName(file, scale));
    QImage picture = path.empty() ? QImage() : LoadPicture(path);
    picture.setDevicePixelRatio(scale);
    return picture;
}

// At the table's own size the icon holds the two pictures as drawn; zoomed, it
// holds them scaled to the zoomed size from the larger one, since an icon
// never enlarges a picture of its own.
Picture LoadTwins(const std::string& programDir, const char* file, double zoom) {
    const std::string dir = programDir.empty() ? ProgramDir() : programDir;
    const QImage one = LoadAtScale(dir, file, 1);
    const QImage two = LoadAtScale(dir, file, 2);
    Picture twins;
    twins.size = !one.isNull() ? one.size() : two.size() / 2;
    for (const QImage& drawn : {one, two}) {
        if (drawn.isNull())
            continue;
        if (zoom == 1) {
            twins.icon.addPixmap(QPixmap::fromImage(drawn));
            continue;
        }
        const double scale = drawn.devicePixelRatio();
        const QImage& finest = two.isNull() ? one : two;
        QImage zoomed = finest.scaled((QSizeF(twins.size) * zoom * scale).toSize(),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        zoomed.setDevicePixelRatio(scale);
        twins.icon.addPixmap(QPixmap::fromImage(zoomed));
    }
    return twins;
}

} // namespace

QIcon PictureIcon(const std::string& programDir, const char* file) {
    return LoadTwins(programDir, file, 1).icon;
}

void SetButtonPicture(QAbstractButton* button, const std::string& programDir, const char* file,
                      const QString& fallback, double zoom) {
    const Picture picture = LoadTwins(programDir, file, zoom);
    if (picture.icon.isNull()) {
        button->setIcon(QIcon());
        button->setText(fallback);
        return;
    }
    // Room for the button's own frame around the picture.
    constexpr int FrameRoom = 4;
    const QSize room = button->size() - QSize(FrameRoom, FrameRoom) * zoom;
    button->setText(QString());
    button->setIcon(picture.icon);
    button->setIconSize((picture.size * zoom).boundedTo(room));
}

void SetHelpGlyph(QAbstractButton* button, const std::string& programDir, double zoom) {
    const Picture glyph = LoadTwins(programDir, "help.png", zoom);
    button->setIcon(glyph.icon);
    if (!glyph.icon.isNull())
        button->setIconSize(glyph.size * zoom);
}

} // namespace dealmoor
