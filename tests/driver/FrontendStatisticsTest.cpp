#include "driver/linux/FrontendStatistics.h"

#include "tests/driver/FakeFrontend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

TEST(FrontendStatisticsTest, CnrCountsOnlyInDecibels) {
    struct Case {
        const char* name;
        dtv_fe_stats cnr;
        std::optional<std::uint16_t> expected;
    };
    dtv_fe_stats noValues = statistic(FE_SCALE_DECIBEL, 33'000);
    noValues.len = 0;
    const Case cases[] = {
        {"33.999 dB rounds up", statistic(FE_SCALE_DECIBEL, 33'999), 340},
        {"33.949 dB rounds down", statistic(FE_SCALE_DECIBEL, 33'949), 339},
        {"0.05 dB", statistic(FE_SCALE_DECIBEL, 50), 1},
        {"negative", statistic(FE_SCALE_DECIBEL, -3'000), 0},
        {"beyond 16 bits", statistic(FE_SCALE_DECIBEL, 9'000'000), 65'535},
        {"relative scale", statistic(FE_SCALE_RELATIVE, 40'000), std::nullopt},
        {"counter scale", statistic(FE_SCALE_COUNTER, 40'000), std::nullopt},
        {"not available", statistic(FE_SCALE_NOT_AVAILABLE, 33'000), std::nullopt},
        {"no values", noValues, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cnrTenthsOfDb(c.cnr), c.expected) << c.name;
    }
}

TEST(FrontendStatisticsTest, BitCountsNeedBothCounters) {
    dtv_fe_stats errors = statistic(FE_SCALE_COUNTER, 12);
    dtv_fe_stats total = statistic(FE_SCALE_COUNTER, 5'000);
    auto both = bitCounts(errors, total);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->errors, 12u);
    EXPECT_EQ(both->total, 5'000u);
    EXPECT_FALSE(bitCounts(statistic(FE_SCALE_NOT_AVAILABLE), total));
    EXPECT_FALSE(bitCounts(errors, statistic(FE_SCALE_NOT_AVAILABLE)));
    EXPECT_FALSE(bitCounts(errors, dtv_fe_stats{}));
}

// One meter fed a run of readings; each step gives the rate that the program is to see.
TEST(FrontendStatisticsTest, RatesComeFromTheBitsCountedBetweenReadings) {
    struct Step {
        const char* name;
        BitCounts reading;
        std::uint32_t expected;
    };
    const std::vector<Step> steps = {
        {"nothing counted yet", {0, 0}, 0},
        {"first bits, counted from zero", {25, 1'000'000}, 25},
        {"standing still keeps the last rate", {25, 1'000'000}, 25},
        {"only the new bits count", {125, 2'000'000}, 100},
        {"one error in three bits rounds", {126, 2'000'003}, 333'333},
        {"counters started again keep the last rate", {1, 500}, 333'333},
        {"and count on from there", {3, 1'500}, 2'000},
        {"errors going back alone keep the last rate", {2, 2'500}, 2'000},
        {"more errors than bits is every bit", {3'000, 3'000}, 1'000'000},
        {"large counts do not overflow", {3'000 + (1ull << 60), 3'000 + (1ull << 61)}, 500'000},
    };
    BitErrorRate meter;
    for (const Step& step : steps) {
        EXPECT_EQ(meter.update(step.reading), step.expected) << step.name;
    }
}
