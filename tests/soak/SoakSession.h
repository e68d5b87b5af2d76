#pragma once
// One life of the program for the soak: start-up on a harness window thread, with the driver
// library's real simulated card behind it on a clock that only the soak moves, then clicks,
// ticks and reads as a user sees the panel, until the panel ends.

#include "driver/ManualClock.h"
#include "tests/support/Harness.h"

#include <array>
#include <chrono>
#include <string>

namespace soak {

class SoakSession {
public:
    // Starts the program as a fresh process would, with the run values at 0.
    explicit SoakSession(ManualClock& cardClock);
    // Ends the panel through its cancel command if it is still open.
    ~SoakSession();

    HWND item(int id);
    std::string text(int id);
    bool ticked(int id);
    bool enabled(int id);
    void click(int id);
    void setFrequencyText(const std::string& text);

    // Waits until a run has ended: the Tuning button is enabled again.
    void waitForRunEnd();
    // Makes the watch timer tick once; the card's clock stays where it is.
    void tick();
    // Lets the card's clock run on far enough for any acquisition under way to lock.
    void letCardLock();

    // The buttons ticked in the six OFDM groups and in the Mirror group, in that order.
    std::array<int, 7> tickedResultButtons();

    // Waits for the program to end and gives its result.
    int finish();

    harness::Harness h;
    HWND panel = nullptr;

private:
    ManualClock& cardClock_;
};

} // namespace soak
