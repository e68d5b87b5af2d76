#include "driver/ErrorRateModel.h"

#include "driver/QefThreshold.h"

#include <algorithm>
#include <cmath>

namespace {

// The tail of the standard normal distribution.
double q(double x) {
    return 0.5 * std::erfc(x / std::sqrt(2.0));
}

// The usual estimate for Gray-mapped square QAM with M points at a symbol C/N: the nearest
// neighbours dominate.
double squareQamBer(double points, double cnr) {
    double bitsPerSymbol = std::log2(points);
    double neighbourFactor = 4.0 / bitsPerSymbol * (1.0 - 1.0 / std::sqrt(points));
    return neighbourFactor * q(std::sqrt(3.0 * cnr / (points - 1.0)));
}

double fromDb(double db) {
    return std::pow(10.0, db / 10.0);
}

constexpr double worstBer = 0.5;

} // namespace

double preViterbiBer(Constellation constellation, Hierarchy hierarchy, double cnrDb) {
    if (hierarchy != Hierarchy::None && constellation != Constellation::Qpsk) {
        // The high-priority stream is the quadrant decision: QPSK with the low-priority bits as
        // added noise, the same penalty its threshold carries.
        double penaltyDb = qefThresholdDb(constellation, hierarchy, CodeRate::Rate2_3) -
                           qefThresholdDb(Constellation::Qpsk, Hierarchy::None, CodeRate::Rate2_3);
        return std::min(worstBer, squareQamBer(4.0, fromDb(cnrDb - penaltyDb)));
    }
    double points = constellation == Constellation::Qpsk    ? 4.0
                    : constellation == Constellation::Qam16 ? 16.0
                                                            : 64.0;
    return std::min(worstBer, squareQamBer(points, fromDb(cnrDb)));
}

double postViterbiBer(double marginDb) {
    // A parabola in the logarithm: about 1.2 decades per dB at the threshold, steeper above it
    // and flatter below it, where the demodulator can still hold a lock down to 3 dB under.
    constexpr double thresholdLog10 = -3.69897; // log10(2E-4)
    double margin = std::max(marginDb, -4.0);
    double log10Ber = thresholdLog10 - 1.2 * margin - 0.15 * margin * margin;
    return std::min(worstBer, std::pow(10.0, log10Ber));
}
