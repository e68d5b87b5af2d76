#include "platform/display/terminal/CrashRestore.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace platform::terminal {
namespace {

constexpr std::array signals{SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL,
                             SIGTERM, SIGHUP,  SIGINT, SIGQUIT};

// Everything the handler reads is set before the handlers are installed and stays put while
// they are: plain memory, a fixed buffer and lock-free atomics.
struct Armed {
    std::atomic<bool> pending{false};
    int terminal = -1;
    termios modes{};
    std::array<char, 256> sequence{};
    size_t sequenceLength = 0;
    int stderrCopy = -1;
    int stderrCapture = -1;
    std::array<struct sigaction, signals.size()> previous{};
};

Armed armed;
std::atomic<bool> exitHookInstalled{false};

void writeAll(int fd, const char* data, size_t length) {
    while (length > 0) {
        ssize_t written = write(fd, data, length);
        if (written <= 0) {
            return;
        }
        data += written;
        length -= static_cast<size_t>(written);
    }
}

// Standard error goes back to where it pointed, followed by what the program wrote to it
// while the panel covered the terminal.
void releaseStderr() {
    if (armed.stderrCopy < 0) {
        return;
    }
    dup2(armed.stderrCopy, STDERR_FILENO);
    if (armed.stderrCapture >= 0 && lseek(armed.stderrCapture, 0, SEEK_SET) == 0) {
        char buffer[512];
        ssize_t got;
        while ((got = read(armed.stderrCapture, buffer, sizeof buffer)) > 0) {
            writeAll(STDERR_FILENO, buffer, static_cast<size_t>(got));
        }
    }
}

// Async-signal-safe, and done at most once.
void restoreRaw() {
    if (!armed.pending.exchange(false)) {
        return;
    }
    writeAll(armed.terminal, armed.sequence.data(), armed.sequenceLength);
    tcsetattr(armed.terminal, TCSANOW, &armed.modes);
    releaseStderr();
}

// The signal then goes on to whatever handled it before (a sanitizer's report, or the default
// action that ends the process).
void onFatalSignal(int signal) {
    int savedErrno = errno;
    restoreRaw();
    for (size_t i = 0; i < signals.size(); ++i) {
        if (signals[i] == signal) {
            sigaction(signal, &armed.previous[i], nullptr);
        }
    }
    errno = savedErrno;
    raise(signal);
}

void onExit() {
    restoreRaw();
}

} // namespace

void keepSignalHandling() {
    for (size_t i = 0; i < signals.size(); ++i) {
        sigaction(signals[i], nullptr, &armed.previous[i]);
    }
}

void armRestore(const RestorePlan& plan) {
    armed.terminal = plan.terminal;
    armed.modes = plan.modes;
    armed.sequenceLength = std::min(plan.sequence.size(), armed.sequence.size());
    std::memcpy(armed.sequence.data(), plan.sequence.data(), armed.sequenceLength);
    armed.stderrCopy = plan.stderrCopy;
    armed.stderrCapture = plan.stderrCapture;
    armed.pending.store(true);
    if (!exitHookInstalled.exchange(true)) {
        std::atexit(onExit);
    }
    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_NODEFER;
    for (int signal : signals) {
        sigaction(signal, &action, nullptr);
    }
}

void disarmRestore() {
    for (size_t i = 0; i < signals.size(); ++i) {
        sigaction(signals[i], &armed.previous[i], nullptr);
    }
    if (armed.pending.exchange(false)) {
        releaseStderr();
    }
}

} // namespace platform::terminal
