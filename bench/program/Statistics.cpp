#include "bench/program/Statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace bench {

Summary summarize(std::vector<double> samples) {
    Summary summary;
    if (samples.empty()) {
        return summary;
    }
    std::sort(samples.begin(), samples.end());
    summary.count = static_cast<int>(samples.size());
    summary.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / summary.count;
    auto rank = static_cast<std::size_t>(std::ceil(0.99 * summary.count));
    summary.p99 = samples[std::max<std::size_t>(rank, 1) - 1];
    summary.max = samples.back();
    return summary;
}

} // namespace bench
