#pragma once
// Takes the terminal over for the panel and gives it back as it was found: ncurses on the
// alternate screen with raw keys, the mouse reporting presses and releases in the SGR form,
// and standard error held back while the panel covers the terminal (a line written there would
// tear the picture), to be shown on the normal screen afterwards. The restore also runs on a
// crash signal or exit() (CrashRestore).

#include <memory>
#include <string>

typedef struct screen SCREEN;

namespace platform::terminal {

class TerminalSession {
public:
    // Nothing, with `why` set, when standard input and output are not a usable terminal.
    static std::unique_ptr<TerminalSession> open(std::string& why);
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    int columns() const;
    int rows() const;
    bool utf8() const { return utf8_; }
    int input() const; // the descriptor the keys come from

    // Reads the terminal's new size after SIGWINCH and makes ncurses draw everything afresh.
    void resized();

private:
    TerminalSession() = default;

    SCREEN* screen_ = nullptr;
    bool utf8_ = false;
    std::string previousLocale_;
    int stderrCopy_ = -1;
    int stderrCapture_ = -1;
};

} // namespace platform::terminal
