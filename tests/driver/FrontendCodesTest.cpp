#include "driver/linux/FrontendCodes.h"

#include <linux/dvb/frontend.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct CodeCase {
    const char* name;
    std::int32_t (*translate)(std::uint32_t);
    std::uint32_t kernelValue;
    std::int32_t expected;
};

} // namespace

// The kernel's lists serve every delivery system, so where another system's value sits among the
// DVB-T ones a translation by position goes wrong. Those places, AUTO and values beyond the lists
// are the cases that matter.
TEST(FrontendCodesTest, KernelValuesBecomeTpsCodes) {
    const CodeCase cases[] = {
        {"TRANSMISSION_MODE_2K", tpsTransmissionMode, TRANSMISSION_MODE_2K, 0},
        {"TRANSMISSION_MODE_8K", tpsTransmissionMode, TRANSMISSION_MODE_8K, 1},
        {"TRANSMISSION_MODE_AUTO", tpsTransmissionMode, TRANSMISSION_MODE_AUTO, -1},
        {"TRANSMISSION_MODE_4K (DVB-H)", tpsTransmissionMode, TRANSMISSION_MODE_4K, -1},
        {"TRANSMISSION_MODE_32K (DVB-T2)", tpsTransmissionMode, TRANSMISSION_MODE_32K, -1},

        {"GUARD_INTERVAL_1_32", tpsGuardInterval, GUARD_INTERVAL_1_32, 0},
        {"GUARD_INTERVAL_1_16", tpsGuardInterval, GUARD_INTERVAL_1_16, 1},
        {"GUARD_INTERVAL_1_8", tpsGuardInterval, GUARD_INTERVAL_1_8, 2},
        {"GUARD_INTERVAL_1_4", tpsGuardInterval, GUARD_INTERVAL_1_4, 3},
        {"GUARD_INTERVAL_AUTO", tpsGuardInterval, GUARD_INTERVAL_AUTO, -1},
        {"GUARD_INTERVAL_1_128 (DVB-T2)", tpsGuardInterval, GUARD_INTERVAL_1_128, -1},

        {"QPSK", tpsConstellation, QPSK, 0},
        {"QAM_16", tpsConstellation, QAM_16, 1},
        {"QAM_32 (DVB-C), between QAM_16 and QAM_64", tpsConstellation, QAM_32, -1},
        {"QAM_64, the kernel's 3", tpsConstellation, QAM_64, 2},
        {"QAM_256", tpsConstellation, QAM_256, -1},
        {"QAM_AUTO", tpsConstellation, QAM_AUTO, -1},

        {"HIERARCHY_NONE", tpsHierarchy, HIERARCHY_NONE, 0},
        {"HIERARCHY_1", tpsHierarchy, HIERARCHY_1, 1},
        {"HIERARCHY_2", tpsHierarchy, HIERARCHY_2, 2},
        {"HIERARCHY_4", tpsHierarchy, HIERARCHY_4, 3},
        {"HIERARCHY_AUTO", tpsHierarchy, HIERARCHY_AUTO, -1},

        {"FEC_NONE", tpsCodeRate, FEC_NONE, -1},
        {"FEC_1_2", tpsCodeRate, FEC_1_2, 0},
        {"FEC_2_3", tpsCodeRate, FEC_2_3, 1},
        {"FEC_3_4", tpsCodeRate, FEC_3_4, 2},
        {"FEC_4_5 (DVB-S2), between FEC_3_4 and FEC_5_6", tpsCodeRate, FEC_4_5, -1},
        {"FEC_5_6, the kernel's 5", tpsCodeRate, FEC_5_6, 3},
        {"FEC_6_7", tpsCodeRate, FEC_6_7, -1},
        {"FEC_7_8, the kernel's 7", tpsCodeRate, FEC_7_8, 4},
        {"FEC_AUTO", tpsCodeRate, FEC_AUTO, -1},

        {"INVERSION_OFF", inversionCode, INVERSION_OFF, 0},
        {"INVERSION_ON", inversionCode, INVERSION_ON, 1},
        {"INVERSION_AUTO", inversionCode, INVERSION_AUTO, 2},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(c.translate(c.kernelValue), c.expected) << c.name;
    }
    // A value beyond every list, as a newer kernel or a faulty driver might give.
    for (auto translate :
         {tpsTransmissionMode, tpsGuardInterval, tpsConstellation, tpsHierarchy, tpsCodeRate}) {
        EXPECT_EQ(translate(0xffffffffu), -1);
    }
    EXPECT_EQ(inversionCode(0xffffffffu), 2);
}

TEST(FrontendCodesTest, BandwidthsInHertz) {
    EXPECT_EQ(bandwidthHz(Bandwidth::Mhz6), 6'000'000u);
    EXPECT_EQ(bandwidthHz(Bandwidth::Mhz7), 7'000'000u);
    EXPECT_EQ(bandwidthHz(Bandwidth::Mhz8), 8'000'000u);
}
