// The handler of the ending signals: only async-signal-safe calls, the registry's removal and
// _exit, so it may interrupt the program anywhere, even inside malloc or a write.
#include "platform/InterruptCleanup.h"

#include "platform/TemporaryFileRegistry.h"

#include <csignal>
#include <unistd.h>

namespace kestrelon {
namespace {

constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

void endOnSignal(int signal)
{
    removeTemporaryFiles();
    ::_exit(128 + signal);
}

} // namespace

void installInterruptCleanup()
{
    struct sigaction action {};
    action.sa_handler = endOnSignal;
    // While one ending signal is handled the others wait, so the status names the first.
    sigemptyset(&action.sa_mask);
    for (const int signal : EndingSignals)
        sigaddset(&action.sa_mask, signal);
    for (const int signal : EndingSignals) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

} // namespace kestrelon
