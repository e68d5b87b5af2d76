#pragma once

#include "driver/Clock.h"
#include "driver/Receiver.h"

#include <memory>
#include <mutex>

// The library's one card: which receiver is open, and the lock that lets the program call the
// library from two threads at once. Every call holds the lock only for one short, non-blocking
// operation of the receiver.
class Driver {
public:
    static Driver& instance();

    // Opens the receiver that DVBTDLL_DEVICE selects, afresh even when one is open already.
    // Returns false, after writing one line to standard error that says why, when it cannot;
    // the card is closed then.
    bool open();

    // Returns false when the card was not open.
    bool close();

    // Runs `operation` on the open receiver. Returns false, running nothing, when the card is not
    // open, and also when the operation fails, so that no exception reaches the caller.
    template <typename Operation> bool withReceiver(Operation&& operation) noexcept {
        std::lock_guard guard(mutex);
        if (!receiver) {
            return false;
        }
        try {
            operation(*receiver);
            return true;
        } catch (...) {
            return false;
        }
    }

    // For tests: the clock that the simulated card reads from its next opening on; nullptr
    // brings back the machine's steady clock.
    void useClock(std::shared_ptr<const Clock> testClock);

private:
    Driver();

    std::mutex mutex;
    std::unique_ptr<Receiver> receiver;
    std::shared_ptr<const Clock> clock;
};
