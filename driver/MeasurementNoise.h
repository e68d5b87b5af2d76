#pragma once

#include <cstdint>
#include <random>

// The scatter of the card's measurements, drawn from a seeded generator so that a given seed
// repeats the same readings.
class MeasurementNoise {
public:
    explicit MeasurementNoise(std::uint64_t seed);

    // One draw from a normal distribution of mean 0.
    double gaussian(double standardDeviation);

private:
    std::mt19937_64 generator;
};
