#pragma once
// Gives the terminal back as it was found on the ways out that skip the display's destructor:
// a crash or termination signal (SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTERM, SIGHUP,
// SIGINT, SIGQUIT) and exit() without unwinding. A signal handler may do little: it writes a
// prepared byte sequence that leaves the full-screen mode, puts the terminal's modes back,
// returns standard error to the terminal with what was written to it meanwhile, and raises the
// signal again with its default action.

#include <string>
#include <termios.h>

namespace platform::terminal {

struct RestorePlan {
    int terminal = -1;      // where the sequence goes
    termios modes{};        // the terminal's modes as they were found
    std::string sequence;   // leaves the alternate screen, shows the cursor, stops mouse reports
    int stderrCopy = -1;    // standard error as it was, when it is being captured
    int stderrCapture = -1; // what was written to standard error meanwhile
};

// Notes how the signals are handled now: after the restore, a signal goes on to that handling.
// Call before ncurses starts, which installs handlers of its own for some of them (ending the
// process with status 1 where the default would end it by the signal).
void keepSignalHandling();
// Installs the handlers, in place of any that ncurses installed.
void armRestore(const RestorePlan& plan);
// The normal way out, after the display has restored the terminal itself: puts standard error
// back and puts back the handling noted by keepSignalHandling().
void disarmRestore();

} // namespace platform::terminal
