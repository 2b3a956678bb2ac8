#pragma once
// The program's own marks: the desktop icon (an ace of spades and a chip on the
// felt of the table) and the glyph of the Help buttons (a question mark in a
// round badge of felt).

#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace dealmoor::art {

// The sizes desktops show the icon at. Below 32 pixels the icon is drawn with
// fewer details and its edges on whole pixels, so it stays crisp in a menu.
inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon in the square (0, 0)-(size, size) of the painter's coordinates, with
// the details that suit that many pixels.
void drawIcon(QPainter& painter, int size);
QImage iconPicture(int size);

// The Help buttons' glyph: 16 x 16 table pixels ("help.png", "help@2x.png").
inline constexpr int HelpGlyphSize = 16;
QImage helpGlyph(int scale = 1);

class ArtWriter;
void writeHelpGlyph(ArtWriter& out);

// Writes the icon at every size as <folder>/hicolor/<n>x<n>/apps/<name>.png, the
// layout of the desktop's icon theme; returns what could not be written.
QStringList writeIcons(const QString& folder, const QString& name);

} // namespace dealmoor::art
