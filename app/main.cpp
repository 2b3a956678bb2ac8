// Dealmoor: one blackjack table for one player.

#include "app/GameApp.h"
#include "platform/Folders.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dealmoor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dealmoor"));

    dealmoor::GameApp game(dealmoor::ProgramDir(), dealmoor::WindowsDir());
    game.show();
    return QApplication::exec();
}
