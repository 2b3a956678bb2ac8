// dealmoor-artgen: draws the table's pictures and synthesises its sounds into the
// program's folder. Run by the build; the game only ever reads what it writes.
//
//   dealmoor-artgen <folder>
//   dealmoor-artgen --contact <sheet.png> [--zoom N] <folder> [picture ...]

#include "Art.h"
#include "BalloonArt.h"
#include "CardArt.h"
#include "Cast.h"
#include "ContactSheet.h"
#include "DealerArt.h"
#include "DigitArt.h"
#include "MoneyArt.h"
#include "Sounds.h"
#include "TableArt.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

using namespace dealmoor::art;

int generate(const QString& folder) {
    ArtWriter out(folder);
    if (out.errors().isEmpty()) {
        writeCards(out);
        writeDigits(out);
        writeTablePieces(out);
        writeBalloons(out);
        writeMoney(out);
        writeCast(out);
        writeDealer(out);
        for (const std::string& name : writeSounds(folder.toStdString())) {
            out.fail("cannot write " + out.pathOf(QString::fromStdString(name)));
        }
    }
    for (const QString& error : out.errors()) {
        std::fprintf(stderr, "dealmoor-artgen: %s\n", qPrintable(error));
    }
    return out.errors().isEmpty() ? 0 : 1;
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
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: dealmoor-artgen <output folder>\n");
        return 2;
    }
    return generate(args.first());
}
