#include "platform/display/terminal/TerminalSession.h"

#include "platform/display/terminal/CrashRestore.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <ncursesw/curses.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform::terminal {
namespace {

// Reports of the left button's presses and releases, in the SGR form that any column fits.
constexpr char mouseOn[] = "\x1b[?1000h\x1b[?1006h";
constexpr char mouseOff[] = "\x1b[?1006l\x1b[?1000l";

void send(const char* bytes) {
    std::fflush(stdout);
    size_t length = std::strlen(bytes);
    while (length > 0) {
        ssize_t written = write(STDOUT_FILENO, bytes, length);
        if (written <= 0 && errno != EINTR) {
            return;
        }
        if (written > 0) {
            bytes += written;
            length -= static_cast<size_t>(written);
        }
    }
}

std::string capability(const char* name) {
    char* value = tigetstr(name);
    return value != nullptr && value != reinterpret_cast<char*>(-1) ? value : "";
}

} // namespace

std::unique_ptr<TerminalSession> TerminalSession::open(std::string& why) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        why = "standard input and output are not a terminal";
        return nullptr;
    }
    const char* type = std::getenv("TERM");
    if (type == nullptr || *type == '\0') {
        why = "the terminal's type is not known (TERM is not set)";
        return nullptr;
    }
    if (std::strcmp(type, "dumb") == 0) {
        why = "a dumb terminal (TERM=dumb) cannot show the panel";
        return nullptr;
    }
    termios modes{};
    if (tcgetattr(STDOUT_FILENO, &modes) != 0) {
        why = "the terminal's modes cannot be read";
        return nullptr;
    }

    std::unique_ptr<TerminalSession> session(new TerminalSession());
    // ncursesw draws wide characters (line drawing, Latin-1 text) in the user's character set.
    const char* locale = std::setlocale(LC_CTYPE, nullptr);
    session->previousLocale_ = locale != nullptr ? locale : "C";
    std::setlocale(LC_CTYPE, "");
    session->utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;

    keepSignalHandling();
    session->screen_ = newterm(nullptr, stdout, stdin);
    if (session->screen_ == nullptr) {
        std::setlocale(LC_CTYPE, session->previousLocale_.c_str());
        why = std::string("the terminal type \"") + type + "\" is not known";
        return nullptr;
    }
    if (isatty(STDERR_FILENO)) {
        session->stderrCapture_ = memfd_create("skarvel-stderr", MFD_CLOEXEC);
        if (session->stderrCapture_ >= 0) {
            session->stderrCopy_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
            dup2(session->stderrCapture_, STDERR_FILENO);
        }
    }
    RestorePlan plan;
    plan.terminal = STDOUT_FILENO;
    plan.modes = modes;
    plan.sequence =
        std::string(mouseOff) + capability("sgr0") + capability("cnorm") + capability("rmcup");
    plan.stderrCopy = session->stderrCopy_;
    plan.stderrCapture = session->stderrCapture_;
    armRestore(plan);

    raw();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, FALSE);
    leaveok(stdscr, FALSE);
    curs_set(0);
    if (has_colors()) {
        start_color();
        use_default_colors();
    }
    refresh();
    send(mouseOn);
    return session;
}

TerminalSession::~TerminalSession() {
    if (screen_ == nullptr) {
        return;
    }
    send(mouseOff);
    curs_set(1);
    endwin();
    delscreen(screen_);
    disarmRestore();
    if (stderrCopy_ >= 0) {
        close(stderrCopy_);
    }
    if (stderrCapture_ >= 0) {
        close(stderrCapture_);
    }
    std::setlocale(LC_CTYPE, previousLocale_.c_str());
}

int TerminalSession::columns() const {
    return getmaxx(stdscr);
}

int TerminalSession::rows() const {
    return getmaxy(stdscr);
}

int TerminalSession::input() const {
    return STDIN_FILENO;
}

void TerminalSession::resized() {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
        resizeterm(size.ws_row, size.ws_col);
    }
    clearok(curscr, TRUE);
}

} // namespace platform::terminal
