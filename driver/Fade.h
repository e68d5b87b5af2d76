#pragma once

#include <chrono>
#include <optional>

// A transmitter that loses its signal for the last `length` of every `period`, counted from the
// moment the card was opened. A zero period or length means the signal never fades.
struct Fade {
    std::chrono::seconds period{0};
    std::chrono::seconds length{0};

    bool fades() const { return period.count() > 0 && length.count() > 0; }

    // Whether the signal is gone at `sinceOpen`.
    bool isLost(std::chrono::microseconds sinceOpen) const;

    // When the signal last came back after a fade, if it has faded at all by `sinceOpen`. The
    // demodulator has to acquire afresh from that moment on.
    std::optional<std::chrono::microseconds> lastReturn(std::chrono::microseconds sinceOpen) const;
};
