#pragma once
// Small drawing helpers shared by the table and its modal windows: the bevelled
// frame drawn around a view or a display, and the seven-segment number display
// cut from the Digits sheet.

#include <QString>

#include <string>

class QAbstractButton;
class QIcon;
class QImage;
class QPainter;

namespace dealmoor {

// Bevel styles: the wide ones stand 8 pixels out, the others 4; the sunken
// ones also get a black edge just around the rectangle.
enum class BevelStyle { SunkenWide = 0, RaisedWide = 1, Sunken = 2, Raised = 3 };

// Draws a frame around the rectangle (left, top)-(right, bottom), right and
// bottom exclusive, in the button shadow and highlight colours.
void DrawBevel(QPainter& painter, int left, int top, int right, int bottom, BevelStyle style);

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

// A picture from the program folder (the running program's own when
// `programDir` is empty) and its "@2x" twin as one icon: each screen gets the
// one drawn for its density. A null icon when the picture is missing.
QIcon PictureIcon(const std::string& programDir, const char* file);

// Puts such a picture on a picture button, `zoom` times its size and scaled
// down to fit inside the button. A missing picture leaves the button with
// `fallback` as its caption, so the choice can still be told apart.
void SetButtonPicture(QAbstractButton* button, const std::string& programDir, const char* file,
                      const QString& fallback, double zoom = 1);

// The Help buttons' glyph ("help.png"), `zoom` times its size; the button keeps
// its caption alone when the picture is missing.
void SetHelpGlyph(QAbstractButton* button, const std::string& programDir, double zoom = 1);

} // namespace dealmoor
