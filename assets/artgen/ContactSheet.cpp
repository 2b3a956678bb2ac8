#include "ContactSheet.h"

#include "Art.h"
#include "DealerArt.h"

#include <QDir>

#include <algorithm>
#include <vector>

namespace dealmoor::art {

namespace {

// The dealer's balloon as the table lays it over the view: mask ORed, outline ANDed,
// then two lines of text roughly as the table letters them.
QImage withBalloon(QImage view, const QDir& dir) {
    const QImage mask = QImage(dir.filePath("balloon2.png")).convertToFormat(QImage::Format_RGB32);
    const QImage outline =
        QImage(dir.filePath("balloon.png")).convertToFormat(QImage::Format_RGB32);
    if (mask.isNull() || outline.isNull()) {
        return view;
    }
    QPainter painter(&view);
    const QRect place(152, 39, 97, 70);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(place, mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(place, outline);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    smooth(painter);
    painter.setPen(Qt::black);
    painter.setFont(artFont(16, true));
    painter.drawText(QRect(152, 57, 110, 20), Qt::AlignHCenter | Qt::AlignTop, "Dealer has");
    painter.setFont(artFont(32, true));
    painter.drawText(QRect(152, 71, 106, 40), Qt::AlignHCenter | Qt::AlignTop, "21");
    return view;
}

} // namespace

bool writeContactSheet(const QString& folder, const QStringList& names, int zoom,
                       const QString& target) {
    const QDir dir(folder);
    const QStringList files =
        names.isEmpty() ? dir.entryList({"*.png", "*.bmp"}, QDir::Files, QDir::Name) : names;
    std::vector<std::pair<QString, QImage>> pictures;
    for (const QString& file : files) {
        if (file == "dealer") {
            DealerSheets sheets = dealerSheets();
            for (auto& [name, sheet] : sheets) {
                const QImage shipped(dir.filePath(name + ".png"));
                sheet = shipped.isNull() ? sheet : shipped.convertToFormat(QImage::Format_RGB32);
            }
            for (int pose : DealerPoses) {
                pictures.emplace_back(QString("pose %1").arg(pose),
                                      composeDealerView(sheets, pose));
            }
            pictures.emplace_back("balloon", withBalloon(composeDealerView(sheets, 1), dir));
            continue;
        }
        QImage picture(dir.filePath(file));
        if (!picture.isNull()) {
            pictures.emplace_back(file, picture.convertToFormat(QImage::Format_ARGB32));
        }
    }
    if (pictures.empty()) {
        return false;
    }
    // Shelf packing: pictures left to right until the row is full.
    const int sheetWidth = 2400, gap = 12, label = 16;
    int x = gap, y = gap, rowHeight = 0;
    std::vector<QPoint> places;
    for (const auto& [name, picture] : pictures) {
        const QSize size = picture.size() * zoom;
        if (x + size.width() > sheetWidth && x > gap) {
            x = gap;
            y += rowHeight + label + gap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += std::max(size.width(), 90) + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet = opaqueImage(sheetWidth, y + rowHeight + label + gap, QColor(0xD8, 0xD8, 0xD8));
    QPainter painter(&sheet);
    painter.setFont(artFont(11, false));
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QImage& picture = pictures[i].second;
        const QRect place(places[i], picture.size() * zoom);
        painter.fillRect(place, QBrush(QColor(0xB0, 0xB0, 0xB0), Qt::Dense4Pattern));
        painter.drawImage(place, picture);
        painter.setPen(Qt::black);
        painter.drawText(place.left(), place.bottom() + label - 3, pictures[i].first);
    }
    return sheet.save(target, "PNG");
}

} // namespace dealmoor::art
