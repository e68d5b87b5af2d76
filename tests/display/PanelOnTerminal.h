#pragma once
// A fixture that shows the tuning panel's template on a terminal of 80 x 24 without one: the
// window thread runs on the headless display with the terminal's screen metrics, and the
// screen is painted into a canvas on that thread. Clicks and keys go in as the terminal
// display hands them over, through the input dispatcher.
//
// The panel's procedure stands in for the program where the display needs something to show:
// Tuning brings up the integer prompt, Minimize minimizes, the About item opens the About box,
// and the minimized panel paints its icon.

#include "platform/display/terminal/InputDispatcher.h"
#include "platform/display/terminal/ScreenPainter.h"
#include "tests/support/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace terminaltest {

using platform::terminal::Picture;

// What the panel's procedure was told.
struct PanelLog {
    int endedWith = 0; // IDOK or IDCANCEL once the panel was closed
};

class PanelOnTerminal : public ::testing::Test {
protected:
    PanelOnTerminal();
    ~PanelOnTerminal() override;

    Picture paint(int columns = 80, int rows = 24);
    std::vector<std::string> screen(int columns = 80, int rows = 24);
    // The cell where `text` first stands on the 80 x 24 screen; fails the test when it is not
    // shown.
    POINT find(std::string_view text);
    // The characters of `width` cells from a cell on, and the roles they are drawn in.
    static std::string textAt(const Picture& picture, POINT cell, int width);
    static bool allDrawnAs(const Picture& picture, POINT cell, int width,
                           platform::terminal::Role role);

    // As the terminal display delivers them, then waits until the window thread is idle.
    void clickCell(POINT cell);
    void click(std::string_view text);
    void key(UINT virtualKey, platform::Modifiers modifiers = {});
    void deliverText(std::string_view text);
    void deliverMouse(const platform::terminal::MouseEvent& mouse);
    void closeKey(); // Ctrl+C

    HWND item(int id);
    std::string activeCaption();

    harness::Harness h;
    HWND panel = nullptr;
    PanelLog log;

private:
    void deliver(const platform::terminal::TerminalEvent& event);

    platform::terminal::ScreenPainter painter_{"Skarvel"};
    platform::terminal::InputDispatcher dispatcher_;
};

} // namespace terminaltest
