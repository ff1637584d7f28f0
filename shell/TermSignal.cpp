#include "TermSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void OnTerm(int) {
    const char byte = 1;
    // Nothing to do when the pipe is full: a byte is already waiting.
    [[maybe_unused]] const auto n = ::write(signalPipe[0], &byte, 1);
}
} // namespace

void QuitOnTerminate(QObject* owner, std::function<void()> beforeQuit) {
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner,
                     [notifier, beforeQuit = std::move(beforeQuit)] {
                         notifier->setEnabled(false);
                         char byte = 0;
                         [[maybe_unused]] const auto n = ::read(signalPipe[1], &byte, 1);
                         if (beforeQuit) beforeQuit();
                         QCoreApplication::exit(0);
                     });
    struct sigaction action = {};
    action.sa_handler = OnTerm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}
