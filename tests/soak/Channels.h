#pragma once
// What the simulated card's built-in transmitters look like from the panel: where to tune,
// and what a lock there shows. Written from the transmitters' published parameters, so that the
// soak checks the program's read-back against them rather than against itself.

#include <array>
#include <vector>

namespace soak {

// Indices of the bandwidth buttons, as the panel saves them.
enum BandwidthIndex { mhz6 = 0, mhz7 = 1, mhz8 = 2 };

struct Channel {
    const char* name;
    int frequencyKHz;
    BandwidthIndex bandwidth;
    // True when the lock comes through the tuner's image: a fault channel.
    bool throughImage;
    int lastLockKHz;
    // The radio buttons ticked after the lock: transmission mode, guard interval,
    // constellation, hierarchy, priority, code rate, and the Mirror group.
    std::array<int, 7> tickedButtons;
};

// Transmitters that lock within a second of card time, and two images that lock as fault
// channels.
const std::vector<Channel>& lockingChannels();

// Accepted frequencies on which the card never locks: nothing there, or a signal too weak.
struct SilentChannel {
    int frequencyKHz;
    BandwidthIndex bandwidth;
};
const std::vector<SilentChannel>& silentChannels();

// Frequencies that the card refuses, outside 45000 to 870000 kHz.
const std::vector<int>& refusedFrequencies();

} // namespace soak
