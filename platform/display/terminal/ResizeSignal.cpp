#include "platform/display/terminal/ResizeSignal.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform::terminal {
namespace {

std::atomic<int> signalPipe{-1};
struct sigaction previous {};

void onResize(int) {
    int savedErrno = errno;
    int fd = signalPipe.load();
    if (fd >= 0) {
        char byte = 1;
        [[maybe_unused]] ssize_t ignored = write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

ResizeSignal::ResizeSignal() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    signalPipe.store(writeEnd_);
    struct sigaction action {};
    action.sa_handler = onResize;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGWINCH, &action, &previous);
}

ResizeSignal::~ResizeSignal() {
    if (readEnd_ < 0) {
        return;
    }
    sigaction(SIGWINCH, &previous, nullptr);
    signalPipe.store(-1);
    close(readEnd_);
    close(writeEnd_);
}

bool ResizeSignal::take() {
    bool signalled = false;
    char buffer[64];
    while (read(readEnd_, buffer, sizeof buffer) > 0) {
        signalled = true;
    }
    return signalled;
}

} // namespace platform::terminal
