#include "driver/QefThreshold.h"

#include <array>
#include <cstddef>

namespace {

using RateTable = std::array<double, 5>;

// EN 300 744, non-hierarchical transmission in a Gaussian channel, by code rate 1/2 to 7/8.
constexpr RateTable qpskDb{3.5, 5.3, 6.3, 7.3, 7.9};
constexpr RateTable qam16Db{9.3, 11.4, 12.6, 13.8, 14.4};
constexpr RateTable qam64Db{13.8, 16.7, 18.2, 19.4, 20.2};

// In a hierarchical signal the high-priority stream is QPSK that picks the quadrant, while the
// low-priority bits spread the points within it and so act on the quadrant decision like added
// noise. These penalties over plain QPSK are the extra C/N at which the quadrant decision of each
// constellation errs as often as plain QPSK does at its own 2/3 threshold.
double hierarchicalPenaltyDb(Constellation constellation, Hierarchy hierarchy) {
    bool qam16 = constellation == Constellation::Qam16;
    switch (hierarchy) {
    case Hierarchy::Alpha1:
        return qam16 ? 5.3 : 8.9;
    case Hierarchy::Alpha2:
        return qam16 ? 2.3 : 4.8;
    case Hierarchy::Alpha4:
        return qam16 ? 0.8 : 2.2;
    case Hierarchy::None:
        break;
    }
    return 0.0;
}

} // namespace

double qefThresholdDb(Constellation constellation, Hierarchy hierarchy, CodeRate codeRateHp) {
    auto rate = static_cast<std::size_t>(codeRateHp);
    if (hierarchy != Hierarchy::None && constellation != Constellation::Qpsk) {
        return qpskDb[rate] + hierarchicalPenaltyDb(constellation, hierarchy);
    }
    switch (constellation) {
    case Constellation::Qpsk:
        return qpskDb[rate];
    case Constellation::Qam16:
        return qam16Db[rate];
    case Constellation::Qam64:
        break;
    }
    return qam64Db[rate];
}
