#include "IconSvg.h"

#include "IconArt.h"

#include <QBuffer>
#include <QSaveFile>
#include <QSvgGenerator>

namespace dealmoor::art {

bool writeIconSvg(const QString& path) {
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(256, 256));
    generator.setViewBox(QRect(0, 0, 256, 256));
    generator.setTitle("Dealmoor");
    generator.setDescription("An ace of spades and a chip on the felt of a blackjack table");
    {
        QPainter painter(&generator);
        drawIcon(painter, 256);
    }
    // Replaced whole or not at all: a build stopped half-way leaves no torn icon.
    QSaveFile file(path);
    return !svg.data().isEmpty() && file.open(QIODevice::WriteOnly) &&
           file.write(svg.data()) == svg.data().size() && file.commit();
}

} // namespace dealmoor::art
