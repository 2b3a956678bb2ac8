#pragma once
// A Digits sheet made in memory: every glyph cell has its own colour, so a
// glyph drawn from the wrong cell, the wrong row or to the wrong place shows in
// a pixel.

#include "table/Painting.h"

#include <QImage>
#include <QPainter>

namespace dealmoor::testing {

inline QRgb DigitColour(int digit, int row) {
    return qRgb(20 + digit * 20, 10 + row * 30, 240);
}
inline QRgb SeparatorColour(int row) {
    return qRgb(250, 10 + row * 30, 5);
}
inline constexpr QRgb BlankColour = 0xFF010203;
inline constexpr QRgb SheetGapColour = 0xFF000000;

inline QImage CodedDigits() {
    QImage sheet(188, 147, QImage::Format_RGB32);
    sheet.fill(SheetGapColour);
    QPainter painter(&sheet);
    for (int row = 0; row < 7; ++row) {
        const int top = DigitRowPitch * row;
        for (int digit = 0; digit <= 9; ++digit) {
            painter.fillRect(DigitColumnPitch * digit, top, DigitGlyphWidth, DigitGlyphHeight,
                             QColor(DigitColour(digit, row)));
        }
        painter.fillRect(DigitSeparatorX, top, DigitSeparatorWidth, DigitGlyphHeight,
                         QColor(SeparatorColour(row)));
    }
    painter.fillRect(DigitBlankX, DigitBlankY, DigitGlyphWidth, DigitGlyphHeight,
                     QColor(BlankColour));
    return sheet;
}

// The colour a character's glyph has in row `row`.
inline QRgb GlyphColour(QChar c, int row) {
    if (c == u'.' || c == u',')
        return SeparatorColour(row);
    if (c.isDigit())
        return DigitColour(c.unicode() - u'0', row);
    return BlankColour;
}

} // namespace dealmoor::testing
