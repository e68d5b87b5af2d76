// The code tables between the driver's codes and the panel's radio indices.

#include "panel/CodeTables.h"

#include <gtest/gtest.h>

TEST(CodeTables, BandwidthIndexToDriverCode) {
    const std::pair<int, int> cases[] = {{0, 2}, {1, 1}, {2, 0}, {-1, 0}, {3, 0}};
    for (auto [index, code] : cases) {
        EXPECT_EQ(bandwidthCode(index), code) << "index " << index;
    }
}

TEST(CodeTables, SpectrumInversionToMirrorIndex) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 0}, {9, 0}, {-1, 0}};
    for (auto [code, index] : cases) {
        EXPECT_EQ(spectrumMirrorIndex(code), index) << "code " << code;
    }
}

TEST(CodeTables, OfdmCodesBeyondTheKeptOnesSelectAuto) {
    struct Case {
        int code;
        int autoAt;
        int expected;
    };
    const Case cases[] = {
        {0, autoIndex::transmissionMode, 0}, {1, autoIndex::transmissionMode, 1},
        {2, autoIndex::transmissionMode, 2}, {-1, autoIndex::transmissionMode, 2},
        {3, autoIndex::guardInterval, 3},    {4, autoIndex::guardInterval, 4},
        {2, autoIndex::constellation, 2},    {3, autoIndex::constellation, 3},
        {3, autoIndex::hierarchy, 3},        {9, autoIndex::hierarchy, 4},
        {1, autoIndex::priority, 1},         {2, autoIndex::priority, 2},
        {4, autoIndex::codeRate, 4},         {5, autoIndex::codeRate, 5},
        {-7, autoIndex::codeRate, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ofdmIndex(c.code, c.autoAt), c.expected) << "code " << c.code << ", Auto at " << c.autoAt;
    }
}
