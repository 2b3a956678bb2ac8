#pragma once
// Shared tools of the art generator: blank pictures, pens and fonts, and the
// writer that saves every picture at the size the table indexes it by.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

namespace dealmoor::art {

// The felt of the table. Anything that lies on it (cards, the betting circle, the
// printed arc) has this colour around it so opaque copies blend into the cloth.
inline const QColor Felt{0x00, 0x80, 0x00};
// The room behind the dealer and behind the players.
inline const QColor Wall{0xFF, 0xFF, 0xFF};

// Every picture is drawn in table pixels. At scale 2 (for screens with twice the
// pixel density) it has twice the pixels each way and a device pixel ratio of 2, so
// a painter on it draws the same shapes with twice the detail, not a blown-up copy.
inline constexpr int Scales[] = {1, 2};

// An opaque picture filled with one colour, `width` x `height` table pixels.
QImage opaqueImage(int width, int height, const QColor& fill, int scale = 1);
// A picture with a transparent background, for button faces.
QImage clearImage(int width, int height, int scale = 1);
// A rectangle of table pixels as pixels of a picture drawn at a scale, for copies
// that address a picture's own pixels.
QRect pixelsOf(const QRect& tablePixels, int scale);
// The file name of a picture at a scale: "Cards.png", "Cards@2x.png".
QString scaledName(const QString& name, int scale);

// A painter with antialiasing switched on: every picture is drawn smooth.
void smooth(QPainter& painter);

// DejaVu Sans at a pixel size, so the art looks the same on every machine.
QFont artFont(qreal pixelSize, bool bold = true, bool condensed = false);
// Loads the DejaVu faces the art is lettered with; false when none was found.
bool loadArtFonts();

// Fills a path and strokes its outline.
void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& outline, qreal outlineWidth);
// A straight limb (arm, sleeve) as a thick line with round ends and an outline.
void drawLimb(QPainter& painter, const QPainterPath& centreLine, qreal width, const QColor& fill,
              const QColor& outline, qreal outlineWidth = 1.6, Qt::PenCapStyle ends = Qt::RoundCap);

// Text centred on a point, measured with the painter's current font.
void drawCentredText(QPainter& painter, QPointF centre, const QString& text);

// Saves the pictures of one scale into the output folder and remembers every
// failure, so the build stops instead of shipping a table with holes in it. Names
// and sizes are given as the table knows them (1x); at scale 2 the writer adds
// "@2x" to the name and expects twice the pixels.
class ArtWriter {
public:
    explicit ArtWriter(QString folder, int scale = 1);

    int scale() const { return scale_; }
    void png(const QString& name, const QImage& picture, int width, int height);
    void bmp(const QString& name, const QImage& picture, int width, int height);
    void fail(const QString& why);

    const QStringList& errors() const { return errors_; }
    QString pathOf(const QString& name) const;

private:
    bool sizeIsRight(const QString& name, const QImage& picture, int width, int height);
    QString folder_;
    int scale_;
    QStringList errors_;
};

} // namespace dealmoor::art
