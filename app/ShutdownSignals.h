#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C in a terminal) close
// the game gracefully instead of ending it on the spot. The signal handler only
// writes a byte into a pipe; the event loop reads it and asks for the closing,
// so no work is ever done inside the handler.

#include <QObject>

class QSocketNotifier;

namespace dealmoor {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one instance may exist at a time.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    // A closing signal arrived (its number).
    void shutdownRequested(int signal);

private:
    void onReadable();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace dealmoor
