#pragma once

#include "driver/DvbtParameters.h"

#include <chrono>

using Microseconds = std::chrono::duration<double, std::micro>;

// The duration of one OFDM symbol, guard interval included.
Microseconds symbolDuration(TransmissionMode mode, GuardInterval guard, Bandwidth bandwidth);

// The duration of one TPS frame: a receiver needs a whole frame to read the parameters once.
Microseconds tpsFrameDuration(TransmissionMode mode, GuardInterval guard, Bandwidth bandwidth);
