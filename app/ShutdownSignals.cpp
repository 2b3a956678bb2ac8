#include "app/ShutdownSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace dealmoor {

namespace {

constexpr std::array<int, 3> ClosingSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe the handler writes to: read end, write end.
std::array<int, 2> signalPipe = {-1, -1};

extern "C" void onClosingSignal(int signal) {
    const auto number = static_cast<unsigned char>(signal);
    // Nothing else is safe in a handler; a full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without a pipe the signals keep their ordinary meaning
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::onReadable);
    for (int signal : ClosingSignals)
        setHandler(signal, onClosingSignal);
}

ShutdownSignals::~ShutdownSignals() {
    if (notifier_ == nullptr)
        return;
    for (int signal : ClosingSignals)
        setHandler(signal, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe = {-1, -1};
}

void ShutdownSignals::onReadable() {
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) == 1)
        emit shutdownRequested(number);
}

} // namespace dealmoor
