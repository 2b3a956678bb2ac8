// Dealmoor: one blackjack table for one player.

#include "app/Session.h"
#include "platform/Folders.h"
#include "table/TableWindow.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dealmoor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dealmoor"));

    // The one table: the session starts it and saves it; the window shows it.
    auto session =
        std::make_unique<dealmoor::Session>(dealmoor::ProgramDir(), dealmoor::WindowsDir());
    session->Start();

    dealmoor::TableWindow table(session->game(), session->settings());
    table.setSaver([&session] { return session->Save(); });
    table.createDealWindows();
    table.showMaximized();
    return QApplication::exec();
}
