// Dealmoor: one blackjack table for one player.

#include "engine/Game.h"
#include "table/TAnimate.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dealmoor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dealmoor"));

    // The one table: every window reads and writes it directly.
    auto game = std::make_unique<dealmoor::Game>();

    dealmoor::TAnimate table(*game); // the main window; creating it runs the start-up
    table.CreateDecisionWindow();
    table.CreateBetWindow();
    table.showMaximized();
    return QApplication::exec();
}
