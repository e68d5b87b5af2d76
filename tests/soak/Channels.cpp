#include "tests/soak/Channels.h"

namespace soak {
namespace {

// Radio buttons of the panel's groups, by the index a lock reports.
constexpr int mode2K = 1001, mode8K = 1002;
constexpr int guard1of32 = 1006, guard1of16 = 1007, guard1of8 = 1008, guard1of4 = 1009;
constexpr int qam16 = 1012, qam64 = 1013;
constexpr int noHierarchy = 1015, alpha2 = 1017;
constexpr int highPriority = 1020;
constexpr int rate1of2 = 1023, rate2of3 = 1024, rate3of4 = 1025;
constexpr int normalSpectrum = 1044, mirroredSpectrum = 1045;

} // namespace

const std::vector<Channel>& lockingChannels() {
    static const std::vector<Channel> channels{
        {"UHF 34",
         593000,
         mhz6,
         false,
         593000,
         {mode8K, guard1of8, qam64, noHierarchy, highPriority, rate2of3, mirroredSpectrum}},
        {"UHF 24",
         533000,
         mhz6,
         false,
         533000,
         {mode8K, guard1of4, qam16, noHierarchy, highPriority, rate1of2, mirroredSpectrum}},
        // Its carrier sits 125 kHz above the raster.
        {"VHF 191.5",
         191500,
         mhz7,
         false,
         191625,
         {mode8K, guard1of16, qam64, noHierarchy, highPriority, rate3of4, mirroredSpectrum}},
        {"UHF 529.5",
         529500,
         mhz7,
         false,
         529500,
         {mode2K, guard1of8, qam16, noHierarchy, highPriority, rate2of3, mirroredSpectrum}},
        // Its carrier sits 20 kHz below the raster.
        {"UHF 21",
         474000,
         mhz8,
         false,
         473980,
         {mode8K, guard1of32, qam64, noHierarchy, highPriority, rate2of3, mirroredSpectrum}},
        {"UHF 43",
         650000,
         mhz8,
         false,
         650000,
         {mode2K, guard1of32, qam64, noHierarchy, highPriority, rate3of4, mirroredSpectrum}},
        {"UHF 50, hierarchical",
         706000,
         mhz8,
         false,
         706000,
         {mode8K, guard1of8, qam64, alpha2, highPriority, rate1of2, mirroredSpectrum}},
        {"UHF 22, marginal",
         482000,
         mhz8,
         false,
         482000,
         {mode8K, guard1of4, qam64, noHierarchy, highPriority, rate2of3, mirroredSpectrum}},
        // Twice the 36167 kHz intermediate frequency below UHF 24 and UHF 50.
        {"image of UHF 24",
         460666,
         mhz6,
         true,
         460666,
         {mode8K, guard1of4, qam16, noHierarchy, highPriority, rate1of2, normalSpectrum}},
        {"image of UHF 50",
         633666,
         mhz8,
         true,
         633666,
         {mode8K, guard1of8, qam64, alpha2, highPriority, rate1of2, normalSpectrum}},
    };
    return channels;
}

const std::vector<SilentChannel>& silentChannels() {
    static const std::vector<SilentChannel> channels{
        {800000, mhz8},
        {45000, mhz7},
        {870000, mhz6},
        {522000, mhz8}, // a transmitter too weak for its code rate
    };
    return channels;
}

const std::vector<int>& refusedFrequencies() {
    static const std::vector<int> frequencies{0, 44999, 870001, -593000, 2147483647};
    return frequencies;
}

} // namespace soak
