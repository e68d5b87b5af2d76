#pragma once

#include "driver/DvbtParameters.h"

// The carrier-to-noise ratio at which the high-priority stream is just quasi error free in a
// Gaussian channel: a bit error rate of 2E-4 after the Viterbi decoder.
double qefThresholdDb(Constellation constellation, Hierarchy hierarchy, CodeRate codeRateHp);
