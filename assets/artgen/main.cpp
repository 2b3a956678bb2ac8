// dealmoor-artgen: draws the table's pictures and synthesises its sounds into the
// program's folder. Run by the build; the game only ever reads what it writes.
// Every picture comes twice: as the table indexes it, and as "<name>@2x.<ext>"
// drawn at twice the size for screens with twice the pixel density.
//
//   dealmoor-artgen <folder>
//   dealmoor-artgen --icons <folder> <icon name>
//   dealmoor-artgen --contact <sheet.png> [--zoom N] <folder> [picture ...]

#include "Art.h"
#include "BalloonArt.h"
#include "CardArt.h"
#include "Cast.h"
#include "ContactSheet.h"
#include "DealerArt.h"
#include "DigitArt.h"
#include "IconArt.h"
#include "IconSvg.h"
#include "MoneyArt.h"
#include "Sounds.h"
#include "TableArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

using namespace dealmoor::art;

int report(const QStringList& errors) {
    for (const QString& error : errors) {
        std::fprintf(stderr, "dealmoor-artgen: %s\n", qPrintable(error));
    }
    return errors.isEmpty() ? 0 : 1;
}

int generate(const QString& folder) {
    QStringList errors;
    for (int scale : Scales) {
        ArtWriter out(folder, scale);
        if (out.errors().isEmpty()) {
            writeCards(out);
            writeDigits(out);
            writeTablePieces(out);
            writeBalloons(out);
            writeMoney(out);
            writeCast(out);
            writeDealer(out);
            writeHelpGlyph(out);
            if (scale == 1) {
                for (const std::string& name : writeSounds(folder.toStdString())) {
                    out.fail("cannot write " + out.pathOf(QString::fromStdString(name)));
                }
            }
        }
        errors << out.errors();
    }
    return report(errors);
}

// The desktop icon at every size, in the icon theme's layout, and as a scalable file.
int icons(const QString& folder, const QString& name) {
    QStringList errors = writeIcons(folder, name);
    const QString scalable = folder + "/hicolor/scalable/apps";
    if (!QDir().mkpath(scalable) || !writeIconSvg(scalable + "/" + name + ".svg")) {
        errors << "cannot write " + scalable + "/" + name + ".svg";
    }
    return report(errors);
}

int contact(QStringList args) {
    const QString target = args.takeFirst();
    int zoom = 2;
    if (args.size() >= 2 && args.first() == "--zoom") {
        args.takeFirst();
        zoom = std::max(1, args.takeFirst().toInt());
    }
    if (args.isEmpty()) {
        return 2;
    }
    const QString folder = args.takeFirst();
    return writeContactSheet(folder, args, zoom, target) ? 0 : 1;
}

// Qt's chatter about the missing desktop session is no news at build time; keep
// only real trouble.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "dealmoor-artgen: %s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char** argv) {
    // Drawing text needs a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    if (!loadArtFonts()) {
        std::fprintf(stderr, "dealmoor-artgen: DejaVu fonts not found, lettering may differ\n");
    }
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == "--contact") {
        args.takeFirst();
        return contact(args);
    }
    if (args.size() == 3 && args.first() == "--icons") {
        return icons(args[1], args[2]);
    }
    if (args.size() != 1 || args.first().startsWith("--")) {
        std::fprintf(stderr, "usage: dealmoor-artgen <output folder>\n"
                             "       dealmoor-artgen --icons <output folder> <icon name>\n");
        return 2;
    }
    return generate(args.first());
}
