#pragma once
// SIGWINCH as a descriptor that poll() can wait on: the handler writes a byte into a pipe,
// so a resize wakes the window thread's one wait at once.

namespace platform::terminal {

class ResizeSignal {
public:
    ResizeSignal();
    ~ResizeSignal();
    ResizeSignal(const ResizeSignal&) = delete;
    ResizeSignal& operator=(const ResizeSignal&) = delete;

    bool ok() const { return readEnd_ >= 0; }
    int fd() const { return readEnd_; }
    // Empties the pipe; true when a resize was signalled since the last call.
    bool take();

private:
    int readEnd_ = -1;
    int writeEnd_ = -1;
};

} // namespace platform::terminal
