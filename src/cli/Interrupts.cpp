#include "cli/Interrupts.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vexo::cli {
namespace {

volatile std::sig_atomic_t interruptSeen = 0;
int wakeUpPipe[2] = {-1, -1};

// Runs in the signal's context: only async-signal-safe calls.
void onInterrupt(int) {
    interruptSeen = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUpPipe[1], &byte, 1);
}

} // namespace

Interrupts::Interrupts(QObject* parent) : QObject(parent) {
    if (::pipe2(wakeUpPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeUpPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(wakeUpPipe[0], &byte, 1) > 0) {
        }
        emit interrupted();
    });
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocked terminal read returns, so a password prompt
    // can be left with Ctrl-C.
    action.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &action, nullptr);
}

Interrupts::~Interrupts() {
    ::signal(SIGINT, SIG_DFL);
    delete notifier_;
    for (int& end : wakeUpPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

bool Interrupts::seen() {
    return interruptSeen != 0;
}

} // namespace vexo::cli
