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

// An opaque picture filled with one colour.
QImage opaqueImage(int width, int height, const QColor& fill);
// A picture with a transparent background, for button faces.
QImage clearImage(int width, int height);

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

// Saves the pictures into the output folder and remembers every failure, so the
// build stops instead of shipping a table with holes in it.
class ArtWriter {
public:
    explicit ArtWriter(QString folder);

    void png(const QString& name, const QImage& picture, int width, int height);
    void bmp(const QString& name, const QImage& picture, int width, int height);
    void fail(const QString& why);

    const QStringList& errors() const { return errors_; }
    QString pathOf(const QString& name) const;

private:
    bool sizeIsRight(const QString& name, const QImage& picture, int width, int height);
    QString folder_;
    QStringList errors_;
};

} // namespace dealmoor::art
