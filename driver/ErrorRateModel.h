#pragma once

#include "driver/DvbtParameters.h"

// Bit error rates of the high-priority stream at a given carrier-to-noise ratio.

// Before the Viterbi decoder: what the demapper of the stream's constellation gets wrong.
double preViterbiBer(Constellation constellation, Hierarchy hierarchy, double cnrDb);

// After the Viterbi decoder, from how far the C/N lies above (or below) the stream's quasi
// error free threshold. It is 2E-4 at the threshold and falls ever more steeply above it.
double postViterbiBer(double marginDb);
