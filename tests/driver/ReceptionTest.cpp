#include "tests/driver/CardTest.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

struct ChannelParams {
    std::int32_t first = 7, second = 7, bandwidthCode = 7, inversion = 7;
};

ChannelParams readChannelParams() {
    ChannelParams params;
    DVBT_GetChannelParams(&params.first, &params.second, &params.bandwidthCode, &params.inversion);
    return params;
}

using OfdmCodes = std::array<std::int32_t, 6>;

OfdmCodes readOfdmCodes() {
    OfdmCodes codes{7, 7, 7, 7, 7, 7};
    DVBT_GetOfdmParams(&codes[0], &codes[1], &codes[2], &codes[3], &codes[4], &codes[5]);
    return codes;
}

// The median of a few S/N readings, which the card scatters a little.
int medianSignalToNoise() {
    std::vector<int> readings;
    for (int i = 0; i < 9; ++i) {
        std::uint16_t tenths = 0, reserved = 0;
        DVBT_GetSN(&tenths, &reserved);
        readings.push_back(tenths);
    }
    std::nth_element(readings.begin(), readings.begin() + 4, readings.end());
    return readings[4];
}

} // namespace

using ReceptionTest = CardTest;

TEST_F(ReceptionTest, LocksOnlyWithinCaptureRangeOnTheRightBandwidthAndAboveTheLockMargin) {
    // 64QAM 2/3 is quasi error free from 16.7 dB and holds a lock down to 13.7 dB; QPSK 1/2 from
    // 3.5 dB down to 0.5 dB.
    openWithChannels(
        dvbtEntry("strong", 474'000'000, 8'000'000, "MODULATION = QAM/64\nCODE_RATE_HP = 2/3\n") +
        dvbtEntry("marginal", 482'000'000, 8'000'000,
                  "MODULATION = QAM/64\nCODE_RATE_HP = 2/3\nSIM_CNR = 14.0\n") +
        dvbtEntry("too weak", 490'000'000, 8'000'000,
                  "MODULATION = QAM/64\nCODE_RATE_HP = 2/3\nSIM_CNR = 13.5\n") +
        dvbtEntry("robust", 498'000'000, 8'000'000,
                  "MODULATION = QPSK\nCODE_RATE_HP = 1/2\nSIM_CNR = 1.0\n") +
        dvbtEntry("offset", 506'000'000, 8'000'000, "SIM_OFFSET = 150\n") +
        dvbtEntry("7 MHz", 191'500'000, 7'000'000) + dvbtEntry("6 MHz", 593'000'000, 6'000'000));

    struct Case {
        std::int32_t frequencyKHz;
        std::int32_t bandwidthCode;
        std::int32_t lockFrequencyKHz; // 0: never locks
    };
    const Case cases[] = {
        {474'000, code8Mhz, 474'000}, {474'000, code7Mhz, 0},       {474'000, code6Mhz, 0},
        {474'200, code8Mhz, 474'000}, {473'800, code8Mhz, 474'000}, {474'201, code8Mhz, 0},
        {473'799, code8Mhz, 0},       {482'000, code8Mhz, 482'000}, {490'000, code8Mhz, 0},
        {498'000, code8Mhz, 498'000}, {506'000, code8Mhz, 506'150}, {506'350, code8Mhz, 506'150},
        {505'949, code8Mhz, 0},       {191'500, code7Mhz, 191'500}, {191'500, code8Mhz, 0},
        {593'000, code6Mhz, 593'000}, {600'000, code8Mhz, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tuned to " << c.frequencyKHz
                                          << " kHz, bandwidth code " << c.bandwidthCode);
        tune(c.frequencyKHz, c.bandwidthCode);
        bool locked = pollForLock().has_value();
        EXPECT_EQ(locked, c.lockFrequencyKHz != 0);
        if (locked) {
            EXPECT_EQ(DVBT_GetLastLockFrequency(), c.lockFrequencyKHz);
            EXPECT_EQ(readChannelParams().inversion, 1);
        }
    }
}

TEST_F(ReceptionTest, ImageTwiceTheIntermediateFrequencyAboveLocksWithAnUprightSpectrum) {
    openWithChannels(dvbtEntry("robust", 650'000'000, 8'000'000,
                               "MODULATION = QPSK\nCODE_RATE_HP = 1/2\nSIM_CNR = 20\n") +
                     dvbtEntry("robust, offset", 706'000'000, 8'000'000,
                               "MODULATION = QPSK\nCODE_RATE_HP = 1/2\nSIM_CNR = 20\n"
                               "SIM_OFFSET = 50\n") +
                     dvbtEntry("fragile", 522'000'000, 8'000'000,
                               "MODULATION = QAM/64\nCODE_RATE_HP = 2/3\nSIM_CNR = 25\n"));

    struct Case {
        std::int32_t frequencyKHz;
        bool locks;
        std::int32_t inversion;
        std::int32_t lockFrequencyKHz;
        int signalToNoise; // tenths of a dB
    };
    // The image lies 72334 kHz above the tuned frequency and comes through 15 dB weaker. Its
    // carrier offset reads mirrored, as the driver takes every signal for the wanted one.
    const Case cases[] = {
        {650'000, true, 1, 650'000, 200},   {650'000 - 72'334, true, 0, 577'666, 50},
        {706'000, true, 1, 706'050, 200},   {706'000 - 72'334, true, 0, 633'616, 50},
        {522'000 - 72'334, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tuned to " << c.frequencyKHz << " kHz");
        tune(c.frequencyKHz, code8Mhz);
        ASSERT_EQ(pollForLock().has_value(), c.locks);
        if (c.locks) {
            EXPECT_EQ(readChannelParams().inversion, c.inversion);
            EXPECT_EQ(DVBT_GetLastLockFrequency(), c.lockFrequencyKHz);
            EXPECT_NEAR(medianSignalToNoise(), c.signalToNoise, 5);
        }
    }
}

TEST_F(ReceptionTest, TunerRefusesFrequenciesOutsideItsRangeAndKeepsItsTuning) {
    openBuiltIn();
    tune(593'000, code6Mhz);
    ASSERT_TRUE(pollForLock());

    for (std::int32_t outside : {44'999, 870'001, 0, -593'000, INT_MAX}) {
        SCOPED_TRACE(::testing::Message() << outside << " kHz");
        EXPECT_EQ(DVBT_SetTuningValue(outside), 0);
        EXPECT_EQ(DVBT_AcquisitionTask(), 1) << "a refused frequency must leave the lock alone";
    }
    for (std::int32_t inside : {45'000, 870'000}) {
        EXPECT_NE(DVBT_SetTuningValue(inside), 0) << inside << " kHz";
    }
}

TEST_F(ReceptionTest, ReportsTheTpsCodesOfTheLockedTransmitter) {
    openWithChannels(
        dvbtEntry("2K", 474'000'000, 8'000'000,
                  "TRANSMISSION_MODE = 2K\nGUARD_INTERVAL = 1/32\nMODULATION = QPSK\n"
                  "HIERARCHY = NONE\nCODE_RATE_HP = 7/8\nSIM_CNR = 20\n") +
        dvbtEntry("8K", 482'000'000, 7'000'000,
                  "TRANSMISSION_MODE = 8K\nGUARD_INTERVAL = 1/16\nMODULATION = QAM/16\n"
                  "HIERARCHY = NONE\nCODE_RATE_HP = 3/4\n") +
        dvbtEntry("hierarchical", 490'000'000, 8'000'000,
                  "TRANSMISSION_MODE = 8K\nGUARD_INTERVAL = 1/4\nMODULATION = QAM/64\n"
                  "HIERARCHY = 4\nCODE_RATE_HP = 1/2\nCODE_RATE_LP = 5/6\n"));

    EXPECT_EQ(readOfdmCodes(), (OfdmCodes{-1, -1, -1, -1, -1, -1})) << "before any lock";

    struct Case {
        std::int32_t frequencyKHz;
        std::int32_t bandwidthCode;
        OfdmCodes codes; // mode, guard, constellation, hierarchy, priority, code rate
    };
    const Case cases[] = {
        {474'000, code8Mhz, {0, 0, 0, 0, 0, 4}},
        {482'000, code7Mhz, {1, 1, 1, 0, 0, 2}},
        {490'000, code8Mhz, {1, 3, 2, 3, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tuned to " << c.frequencyKHz << " kHz");
        tune(c.frequencyKHz, c.bandwidthCode);
        ASSERT_TRUE(pollForLock());
        EXPECT_EQ(readOfdmCodes(), c.codes);
    }
}

TEST_F(ReceptionTest, BuiltInTransmittersLockAsTheirListSays) {
    openBuiltIn();
    struct Case {
        std::int32_t frequencyKHz;
        std::int32_t bandwidthCode;
        std::int32_t inversion; // -1: never locks
        std::int32_t lockFrequencyKHz;
    };
    // The fading transmitter comes first, before its first fade 24 seconds after the opening.
    const Case cases[] = {
        {557'000, code6Mhz, 1, 557'030}, {593'000, code6Mhz, 1, 593'000},
        {533'000, code6Mhz, 1, 533'000}, {460'666, code6Mhz, 0, 460'666},
        {191'500, code7Mhz, 1, 191'625}, {529'500, code7Mhz, 1, 529'500},
        {474'000, code8Mhz, 1, 473'980}, {650'000, code8Mhz, 1, 650'000},
        {706'000, code8Mhz, 1, 706'000}, {633'666, code8Mhz, 0, 633'666},
        {482'000, code8Mhz, 1, 482'000}, {522'000, code8Mhz, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tuned to " << c.frequencyKHz
                                          << " kHz, bandwidth code " << c.bandwidthCode);
        tune(c.frequencyKHz, c.bandwidthCode);
        bool locked = pollForLock().has_value();
        ASSERT_EQ(locked, c.inversion != -1);
        if (locked) {
            EXPECT_EQ(readChannelParams().inversion, c.inversion);
            EXPECT_EQ(DVBT_GetLastLockFrequency(), c.lockFrequencyKHz);
        }
    }
}

TEST_F(ReceptionTest, PanelDefaultsLockOnTheRealChannel) {
    openBuiltIn();
    DVBT_SetChannelParams(0, 0, code6Mhz, 9);
    ASSERT_NE(DVBT_SetTuningValue(593'000), 0);
    ASSERT_TRUE(pollForLock());

    ChannelParams params = readChannelParams();
    EXPECT_EQ(params.first, 0);
    EXPECT_EQ(params.second, 0);
    EXPECT_EQ(params.bandwidthCode, code6Mhz);
    EXPECT_EQ(params.inversion, 1);
    // 8K, 1/8, 64QAM, no hierarchy, high priority, 2/3.
    EXPECT_EQ(readOfdmCodes(), (OfdmCodes{1, 2, 2, 0, 0, 1}));
    EXPECT_EQ(DVBT_GetLastLockFrequency(), 593'000);
}
