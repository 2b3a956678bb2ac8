#pragma once
// The running game: the session (the one table and its settings), the table
// window that shows it, and the ways the desktop closes it. main() makes one;
// the tests that run the game as a program make one too.

#include "app/Session.h"

#include <QObject>

#include <memory>
#include <string>

namespace dealmoor {

class ShutdownSignals;
class TableWindow;

// The application's name, and its desktop file name, by which the desktop
// matches the window to the menu entry and its icon. The window's caption is
// shown as the table sets it, with nothing added.
void NameTheApplication();

class GameApp : public QObject {
    Q_OBJECT
public:
    // Starts the session and builds the table window over it.
    GameApp(const std::string& programDir, const std::string& windowsDir);
    ~GameApp() override;

    // Shows the table maximised and, once, any trouble with the settings folder.
    void show();

    Session& session() { return *session_; }
    TableWindow& window() { return *window_; }

private:
    std::unique_ptr<Session> session_;
    std::unique_ptr<TableWindow> window_;
    ShutdownSignals* signals_ = nullptr;
};

} // namespace dealmoor
