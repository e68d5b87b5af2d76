#pragma once
// The display of a program that runs in a terminal, also over SSH: the window tree drawn with
// characters (ScreenPainter, CursesOutput) and the terminal's keys and mouse reports turned into
// input (KeyDecoder, InputDispatcher). The window thread's one wait is a poll() on the
// terminal, a wake descriptor and the resize signal's pipe.

#include "platform/display/Display.h"
#include "platform/display/terminal/CursesOutput.h"
#include "platform/display/terminal/InputDispatcher.h"
#include "platform/display/terminal/KeyDecoder.h"
#include "platform/display/terminal/ResizeSignal.h"
#include "platform/display/terminal/ScreenPainter.h"
#include "platform/display/terminal/TerminalSession.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace platform::terminal {

class TerminalDisplay : public Display {
public:
    // Nothing, with `why` set, when the program does not run in a usable terminal.
    static std::unique_ptr<TerminalDisplay> open(std::string& why);
    ~TerminalDisplay() override;

    ScreenMetrics metrics() const override;
    void present() override;
    void wait(std::optional<TimePoint> deadline, InputSink& sink) override;
    void wake() override;

private:
    TerminalDisplay(std::unique_ptr<ResizeSignal> resize, std::unique_ptr<TerminalSession> session,
                    int wakeFd);

    void redraw();
    void takeSize();
    // Reads what the terminal sent; false when it has gone.
    bool readInput(std::vector<TerminalEvent>& events);

    // The resize signal is caught before ncurses starts, which then leaves SIGWINCH alone, and
    // is let go after ncurses has ended.
    std::unique_ptr<ResizeSignal> resize_;
    std::unique_ptr<TerminalSession> session_;
    int wakeFd_;
    CursesOutput output_;
    ScreenPainter painter_;
    KeyDecoder decoder_;
    InputDispatcher dispatcher_;
    std::optional<Picture> shown_;
    std::optional<TimePoint> escapeSince_; // when an escape sequence began that is not complete
    bool inputOpen_ = true;

    mutable std::mutex mutex_; // guards metrics_, which any thread may read
    ScreenMetrics metrics_;
};

} // namespace platform::terminal
