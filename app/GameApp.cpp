#include "app/GameApp.h"

#include "app/ShutdownSignals.h"
#include "table/DesktopIdentity.h"
#include "table/TableWindow.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

namespace dealmoor {

void NameTheApplication() {
    QGuiApplication::setApplicationName(QStringLiteral("Dealmoor"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopAppId));
}

GameApp::GameApp(const std::string& programDir, const std::string& windowsDir)
    : session_(std::make_unique<Session>(programDir, windowsDir)) {
    session_->Start();
    window_ = std::make_unique<TableWindow>(session_->game(), session_->settings());
    window_->setStore(session_.get());
    window_->setStatisticsStore(session_.get());
    window_->createDealWindows();
    // Every window of the game shows the table's icon.
    QGuiApplication::setWindowIcon(window_->windowIcon());

    // A logout, a shutdown or an interrupt closes the game the way its own
    // Exit does, only without questions.
    signals_ = new ShutdownSignals(this);
    connect(signals_, &ShutdownSignals::shutdownRequested, this,
            [this](int) { window_->closeQuietly(); });
    // The desktop's session manager asks the game to keep its data before logging out.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        session_->saveNow();
        session_->saveStatisticsNow();
    });
}

GameApp::~GameApp() = default;

void GameApp::show() {
    window_->showMaximized();
    if (const auto problem = session_->SettingsProblem()) {
        const std::string text = *problem;
        QTimer::singleShot(0, window_.get(),
                           [this, text] { window_->reportSettingsProblem(text); });
    }
}

} // namespace dealmoor
