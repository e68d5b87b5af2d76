#pragma once
// A fixture for tests of the whole program: the scripted driver in place of the driver
// library, the program's start-up on a harness window thread, and reads of the panel as a
// user sees it.

#include "panel/TuningDlg.h"
#include "tests/support/Harness.h"
#include "tests/support/ScriptedDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace harness {

class PanelFixture : public ::testing::Test {
protected:
    PanelFixture();
    ~PanelFixture() override;

    // Runs the program's start-up; with the default script the panel is open afterwards.
    void startProgram();
    // Ends the panel through its cancel command, if it is still open, and waits for the end.
    void closePanel();

    ScriptedDriver& driver() { return ScriptedDriver::instance(); }
    HWND item(int id);
    std::string text(int id);
    bool ticked(int id);
    bool enabled(int id);
    void click(int id);
    // The panel values, read on the window thread.
    template <class Read> auto values(Read read) {
        return h.onWindowThread([this, read] { return read(*panelObject()); });
    }
    CTuningDlg* panelObject();
    // Waits until the tuning run in progress has ended (the Tuning button is enabled again).
    void waitForRunEnd();
    // Makes the watch timer tick once.
    void tick();

    Harness h;
    HWND panel = nullptr;
};

} // namespace harness
