// Dealmoor: one blackjack table for one player.

#include "app/GameApp.h"
#include "platform/Folders.h"
#include "table/Keyboard.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    dealmoor::NameTheApplication();
    // The game is played from the keyboard as much as with the mouse.
    dealmoor::ShowFocusAlways();

    dealmoor::GameApp game(dealmoor::ProgramDir(), dealmoor::WindowsDir());
    game.show();
    return QApplication::exec();
}
