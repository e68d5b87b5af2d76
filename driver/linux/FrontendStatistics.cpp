#include "driver/linux/FrontendStatistics.h"

#include <algorithm>
#include <cmath>

namespace {

bool hasScale(const dtv_fe_stats& statistic, fecap_scale_params scale) {
    return statistic.len > 0 && statistic.stat[0].scale == scale;
}

} // namespace

std::optional<std::uint16_t> cnrTenthsOfDb(const dtv_fe_stats& cnr) {
    if (!hasScale(cnr, FE_SCALE_DECIBEL)) {
        return std::nullopt;
    }
    // The kernel gives decibels in thousandths; the clamp keeps the rounded result within 16 bits.
    std::int64_t thousandths = std::clamp<std::int64_t>(cnr.stat[0].svalue, 0, 6'553'500);
    return static_cast<std::uint16_t>((thousandths + 50) / 100);
}

std::optional<BitCounts> bitCounts(const dtv_fe_stats& errors, const dtv_fe_stats& total) {
    if (!hasScale(errors, FE_SCALE_COUNTER) || !hasScale(total, FE_SCALE_COUNTER)) {
        return std::nullopt;
    }
    return BitCounts{errors.stat[0].uvalue, total.stat[0].uvalue};
}

std::uint32_t BitErrorRate::update(BitCounts reading) {
    if (reading.total > previous.total && reading.errors >= previous.errors) {
        // In floating point, so that no product of large counts overflows.
        double rate = static_cast<double>(reading.errors - previous.errors) /
                      static_cast<double>(reading.total - previous.total);
        lastRate = static_cast<std::uint32_t>(std::lround(std::min(rate, 1.0) * 1e6));
    }
    previous = reading;
    return lastRate;
}
