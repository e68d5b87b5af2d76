#pragma once

#include "driver/Transmitter.h"

#include <vector>

// The transmitters around the simulated card when no channel file is given. The panel's starting
// values (593000 kHz, 6 MHz) find the first of them on the real channel.
std::vector<Transmitter> builtInTransmitters();
