#include "driver/MeasurementNoise.h"

#include <cmath>
#include <numbers>

MeasurementNoise::MeasurementNoise(std::uint64_t seed) : generator(seed) {}

double MeasurementNoise::gaussian(double standardDeviation) {
    // Box-Muller over the raw generator rather than std::normal_distribution, whose output differs
    // between standard libraries, so that a seed gives the same readings everywhere.
    constexpr double scale = 1.0 / 18446744073709551616.0; // 2^-64
    double u1 = (static_cast<double>(generator()) + 1.0) * scale;
    double u2 = static_cast<double>(generator()) * scale;
    double standard = std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    return standardDeviation * standard;
}
