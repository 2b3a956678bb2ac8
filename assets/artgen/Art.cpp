#include "Art.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPathStroker>

namespace dealmoor::art {

QImage opaqueImage(int width, int height, const QColor& fill, int scale) {
    QImage picture(width * scale, height * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(fill);
    return picture;
}

QImage clearImage(int width, int height, int scale) {
    QImage picture(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    return picture;
}

QRect pixelsOf(const QRect& tablePixels, int scale) {
    return QRect(tablePixels.topLeft() * scale, tablePixels.size() * scale);
}

QString scaledName(const QString& name, int scale) {
    if (scale == 1) {
        return name;
    }
    const qsizetype dot = name.lastIndexOf('.');
    const QString suffix = QString("@%1x").arg(scale);
    return dot < 0 ? name + suffix : name.left(dot) + suffix + name.mid(dot);
}

void smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

namespace {
const char* const FontFolder = "/usr/share/fonts/truetype/dejavu/";
const char* const FontFiles[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf",
                                 "DejaVuSansCondensed-Bold.ttf"};
} // namespace

bool loadArtFonts() {
    bool any = false;
    for (const char* file : FontFiles) {
        any |= QFontDatabase::addApplicationFont(QString(FontFolder) + file) >= 0;
    }
    return any;
}

QFont artFont(qreal pixelSize, bool bold, bool condensed) {
    QFont font(condensed ? "DejaVu Sans Condensed" : "DejaVu Sans");
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& outline, qreal outlineWidth) {
    painter.save();
    painter.setBrush(fill);
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(path);
    painter.restore();
}

void drawLimb(QPainter& painter, const QPainterPath& centreLine, qreal width, const QColor& fill,
              const QColor& outline, qreal outlineWidth, Qt::PenCapStyle ends) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(ends);
    stroker.setJoinStyle(Qt::RoundJoin);
    fillOutlined(painter, stroker.createStroke(centreLine).simplified(), fill, outline,
                 outlineWidth);
}

void drawCentredText(QPainter& painter, QPointF centre, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const QRectF box = metrics.tightBoundingRect(text);
    painter.drawText(QPointF(centre.x() - box.width() / 2 - box.left(),
                             centre.y() - box.height() / 2 - box.top()),
                     text);
}

ArtWriter::ArtWriter(QString folder, int scale) : folder_(std::move(folder)), scale_(scale) {
    if (!QDir().mkpath(folder_)) {
        fail("cannot create the folder " + folder_);
    }
}

QString ArtWriter::pathOf(const QString& name) const {
    return QDir(folder_).filePath(name);
}

void ArtWriter::fail(const QString& why) {
    errors_ << why;
}

bool ArtWriter::sizeIsRight(const QString& name, const QImage& picture, int width, int height) {
    width *= scale_;
    height *= scale_;
    if (picture.width() == width && picture.height() == height) {
        return true;
    }
    fail(QString("%1 is %2 x %3, the table needs %4 x %5")
             .arg(name)
             .arg(picture.width())
             .arg(picture.height())
             .arg(width)
             .arg(height));
    return false;
}

void ArtWriter::png(const QString& name, const QImage& picture, int width, int height) {
    const QString file = scaledName(name, scale_);
    if (sizeIsRight(file, picture, width, height) && !picture.save(pathOf(file), "PNG")) {
        fail("cannot write " + pathOf(file));
    }
}

void ArtWriter::bmp(const QString& name, const QImage& picture, int width, int height) {
    // Character strips are plain 24-bit pictures: no alpha, no palette.
    const QString file = scaledName(name, scale_);
    const QImage flat = picture.convertToFormat(QImage::Format_RGB32);
    if (sizeIsRight(file, flat, width, height) && !flat.save(pathOf(file), "BMP")) {
        fail("cannot write " + pathOf(file));
    }
}

} // namespace dealmoor::art
