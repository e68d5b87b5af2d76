#pragma once
// Summaries of a series of timings, in milliseconds.

#include <vector>

namespace bench {

struct Summary {
    double mean = 0;
    double p99 = 0;
    double max = 0;
    int count = 0;
};

// The 99th percentile is the nearest-rank one: the smallest sample that at least 99% of the
// samples do not exceed.
Summary summarize(std::vector<double> samples);

} // namespace bench
