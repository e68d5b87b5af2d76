#include "tests/driver/CardTest.h"

#include <algorithm>
#include <vector>

namespace {

struct Readings {
    int signalToNoise; // tenths of a dB
    std::uint32_t beforeViterbi;
    std::uint32_t afterViterbi;
};

// The medians of a few readings, which the card scatters a little.
Readings medianReadings() {
    std::vector<int> signalToNoise;
    std::vector<std::uint32_t> beforeViterbi;
    std::vector<std::uint32_t> afterViterbi;
    for (int i = 0; i < 9; ++i) {
        std::uint16_t tenths = 0, reservedShort = 0;
        std::uint32_t pber = 0, aper = 0, reserved = 0;
        DVBT_GetSN(&tenths, &reservedShort);
        DVBT_GetBer(&pber, &aper, &reserved);
        signalToNoise.push_back(tenths);
        beforeViterbi.push_back(pber);
        afterViterbi.push_back(aper);
    }
    auto median = [](auto& values) {
        std::nth_element(values.begin(), values.begin() + 4, values.end());
        return values[4];
    };
    return {median(signalToNoise), median(beforeViterbi), median(afterViterbi)};
}

// A rate falls until it reaches 0 and stays there.
void expectFalls(std::uint32_t now, std::uint32_t before) {
    if (before > 0) {
        EXPECT_LT(now, before);
    } else {
        EXPECT_EQ(now, 0u);
    }
}

std::string cnrLine(double cnrDb) {
    return "SIM_CNR = " + std::to_string(cnrDb) + "\n";
}

} // namespace

using MeasurementTest = CardTest;

TEST_F(MeasurementTest, ErrorRatesFallAsCarrierToNoiseRises) {
    const double cnrs[] = {14.0, 16.0, 18.0, 20.0, 23.0, 27.0, 32.0};
    std::string channels;
    for (int i = 0; i < 7; ++i) {
        channels += dvbtEntry("64QAM 2/3", 474'000'000 + i * 8'000'000, 8'000'000,
                              "MODULATION = QAM/64\nCODE_RATE_HP = 2/3\n" + cnrLine(cnrs[i]));
    }
    openWithChannels(channels);

    Readings previous{0, UINT32_MAX, UINT32_MAX};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(::testing::Message() << "C/N " << cnrs[i] << " dB");
        tune(474'000 + i * 8'000, code8Mhz);
        ASSERT_TRUE(pollForLock());
        Readings now = medianReadings();
        EXPECT_NEAR(now.signalToNoise, cnrs[i] * 10, 5);
        expectFalls(now.beforeViterbi, previous.beforeViterbi);
        expectFalls(now.afterViterbi, previous.afterViterbi);
        previous = now;
    }
    EXPECT_EQ(previous.afterViterbi, 0u) << "far above the threshold";
    EXPECT_LT(previous.beforeViterbi, 10u);
}

TEST_F(MeasurementTest, ErrorRateAfterViterbiIsAbout2E4AtEachQuasiErrorFreeThreshold) {
    struct Case {
        const char* modulation;
        const char* codeRate;
        double thresholdDb;
    };
    const Case cases[] = {
        {"QPSK", "1/2", 3.5},
        {"QAM/16", "2/3", 11.4},
        {"QAM/64", "2/3", 16.7},
        {"QAM/64", "7/8", 20.2},
    };
    std::string channels;
    for (int i = 0; i < 4; ++i) {
        channels += dvbtEntry(cases[i].modulation, 474'000'000 + i * 8'000'000, 8'000'000,
                              std::string("MODULATION = ") + cases[i].modulation +
                                  "\nCODE_RATE_HP = " + cases[i].codeRate + "\n" +
                                  cnrLine(cases[i].thresholdDb));
    }
    openWithChannels(channels);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(::testing::Message() << cases[i].modulation << " " << cases[i].codeRate);
        tune(474'000 + i * 8'000, code8Mhz);
        ASSERT_TRUE(pollForLock());
        std::uint32_t afterViterbi = medianReadings().afterViterbi;
        EXPECT_GE(afterViterbi, 100u);
        EXPECT_LE(afterViterbi, 400u);
    }
}

TEST_F(MeasurementTest, WithoutLockTheCardMeasuresNothing) {
    openWithChannels(
        dvbtEntry("fading", 474'000'000, 8'000'000, "SIM_FADE_PERIOD = 10\nSIM_FADE_LENGTH = 5\n"));
    tune(474'000, code8Mhz);
    ASSERT_TRUE(pollForLock());
    clock->advance(std::chrono::seconds(5) + std::chrono::milliseconds(100));
    ASSERT_EQ(DVBT_AcquisitionTask(), 0);

    std::uint16_t tenths = 7, reservedShort = 7;
    std::uint32_t pber = 7, aper = 7, reserved = 7;
    DVBT_GetSN(&tenths, &reservedShort);
    DVBT_GetBer(&pber, &aper, &reserved);
    EXPECT_EQ(tenths, 0);
    EXPECT_EQ(reservedShort, 0);
    EXPECT_EQ(pber, 500'000u);
    EXPECT_EQ(aper, 500'000u);
    EXPECT_EQ(reserved, 0u);
}

TEST_F(MeasurementTest, SeedMakesTheScatterRepeatable) {
    auto readingsWithSeed = [&](const char* seed) {
        setenv("DVBTDLL_SIM_SEED", seed, 1);
        openBuiltIn();
        tune(593'000, code6Mhz);
        EXPECT_TRUE(pollForLock());
        std::vector<int> readings;
        for (int i = 0; i < 20; ++i) {
            std::uint16_t tenths = 0, reserved = 0;
            DVBT_GetSN(&tenths, &reserved);
            readings.push_back(tenths);
        }
        return readings;
    };
    std::vector<int> first = readingsWithSeed("42");
    auto [lowest, highest] = std::minmax_element(first.begin(), first.end());
    EXPECT_GT(*highest - *lowest, 0) << "a real measurement scatters";
    EXPECT_LE(*highest - *lowest, 15) << "but only a little";
    EXPECT_EQ(readingsWithSeed("42"), first);
    EXPECT_NE(readingsWithSeed("43"), first);
}
