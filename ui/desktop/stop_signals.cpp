#include "ui/desktop/stop_signals.h"

#include <QObject>
#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is read on the GUI thread, [1] written by the handler.
int gPipe[2] = { -1, -1 };

constexpr int kStopSignals[] = { SIGTERM, SIGINT, SIGHUP, SIGQUIT };

void OnSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a stop for the GUI thread to read.
    [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void CatchStopSignals(QObject* owner, std::function<void(int signal)> onStop)
{
    if (gPipe[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gPipe) != 0) return;
    auto* notifier = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [onStop = std::move(onStop)] {
        unsigned char byte = 0;
        while (::read(gPipe[0], &byte, 1) == 1)
            onStop(byte);
    });
    struct sigaction action { };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kStopSignals)
        ::sigaction(signal, &action, nullptr);
}
