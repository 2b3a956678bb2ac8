#pragma once
// Small drawing helpers shared by the table and its modal windows: the bevelled
// frame drawn around a view or a display, and the seven-segment number display
// cut from the Digits sheet.

#include <QString>

#include <string>

class QAbstractButton;
class QImage;
class QPainter;

namespace dealmoor {

// Bevel styles: 0 and 1 stand 8 pixels out, 2 and 3 stand 4 pixels out; the
// sunken ones (0, 2) also get a black edge just around the rectangle.
inline constexpr int BevelSunkenWide = 0;
inline constexpr int BevelRaisedWide = 1;
inline constexpr int BevelSunken = 2;
inline constexpr int BevelRaised = 3;

// Draws a frame around the rectangle (left, top)-(right, bottom), right and
// bottom exclusive, in the button shadow and highlight colours.
void DrawBevel(QPainter& painter, int left, int top, int right, int bottom, int style);

// Geometry of the Digits sheet: seven colour rows of 20-pixel glyphs, 21 apart.
inline constexpr int DigitGlyphWidth = 15;
inline constexpr int DigitGlyphHeight = 20;
inline constexpr int DigitRowPitch = 21;
inline constexpr int DigitColumnPitch = 16;
inline constexpr int DigitSeparatorX = 176;
inline constexpr int DigitSeparatorWidth = 4;
inline constexpr int DigitBlankX = 160;
inline constexpr int DigitBlankY = 42;
// The first glyph's cell starts this far right of the anchor.
inline constexpr int DigitAnchorOffset = 13;

// Draws a number of digits, spaces, "." and "," with the glyphs of colour row
// `row`. Left to right, the first cell starts at x + 13; right to left, the
// text is taken from its end and its last cell starts at x + 13, so it ends
// at x + 28. Any other character shows as a blank cell.
void DrawDigits(QPainter& painter, const QImage& digits, const QString& text, int x, int y,
                bool leftToRight, int row);

// An amount of credits in the user's regional currency format.
QString Money(double amount);

// A fixed-point amount with two decimals, right-aligned in `width` characters
// and padded with spaces, using the locale's decimal separator: the text the
// number displays and the borrowing messages show.
QString FixedAmount(double value, int width);

// Puts a picture from the program folder (the running program's own folder
// when `programDir` is empty) on a picture button, scaled down to fit inside
// it. A missing picture leaves the button with `fallback` as its caption, so
// the choice can still be told apart.
void SetButtonPicture(QAbstractButton* button, const std::string& programDir, const char* file,
                      const QString& fallback);

} // namespace dealmoor
