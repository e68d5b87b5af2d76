#pragma once

#include <linux/dvb/frontend.h>

#include <cstdint>
#include <optional>

// The kernel's DVB statistics (DTV_STAT_*) in the units of the driver library's operations. Each
// statistic carries a scale that says whether the frontend gives it and in which unit; its first
// value is the one for the whole signal.

// DTV_STAT_CNR in tenths of a dB, rounded, from 0 to 65535. Empty unless the frontend gives it in
// decibels.
std::optional<std::uint16_t> cnrTenthsOfDb(const dtv_fe_stats& cnr);

// One reading of a pair of bit counters.
struct BitCounts {
    std::uint64_t errors = 0;
    std::uint64_t total = 0;
};

// A DTV_STAT_*_ERROR_BIT_COUNT and *_TOTAL_BIT_COUNT pair. Empty unless both are counters.
std::optional<BitCounts> bitCounts(const dtv_fe_stats& errors, const dtv_fe_stats& total);

// The bit error rate of one pair of counters over the bits counted between two readings, in
// units of 1E-6. Counters that stand still (the frontend had nothing to count) or go backwards (a
// driver started them again, for example on a new tuning) give no rate, so the last one stands.
class BitErrorRate {
public:
    // Takes a reading and gives the rate since the one before, or since zero for the first.
    std::uint32_t update(BitCounts reading);

private:
    BitCounts previous;
    std::uint32_t lastRate = 0;
};
