// Dealmoor: one blackjack table for one player.

#include "app/GameApp.h"
#include "platform/Folders.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    dealmoor::NameTheApplication();

    dealmoor::GameApp game(dealmoor::ProgramDir(), dealmoor::WindowsDir());
    game.show();
    return QApplication::exec();
}
