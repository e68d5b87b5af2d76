#include "tests/driver/CardTest.h"

#include <array>
#include <optional>

namespace {

// Every output of every operation, each preset to a value that no operation writes.
struct AllOutputs {
    std::array<std::int32_t, 4> channelParams{7, 7, 7, 7};
    std::array<std::int32_t, 6> ofdmCodes{7, 7, 7, 7, 7, 7};
    std::array<std::uint16_t, 2> signalToNoise{7, 7};
    std::array<std::uint32_t, 3> errorRates{7, 7, 7};
};

AllOutputs readAllOutputs() {
    AllOutputs out;
    auto& c = out.channelParams;
    auto& o = out.ofdmCodes;
    DVBT_GetChannelParams(&c[0], &c[1], &c[2], &c[3]);
    DVBT_GetOfdmParams(&o[0], &o[1], &o[2], &o[3], &o[4], &o[5]);
    DVBT_GetSN(&out.signalToNoise[0], &out.signalToNoise[1]);
    DVBT_GetBer(&out.errorRates[0], &out.errorRates[1], &out.errorRates[2]);
    return out;
}

void expectClosedCardHarmless() {
    EXPECT_EQ(DVBT_SetChannelParams(0, 0, 2, 9), 0);
    EXPECT_EQ(DVBT_SetTuningValue(593'000), 0);
    EXPECT_EQ(DVBT_ResetTuner(), 0);
    EXPECT_EQ(DVBT_AcquisitionTask(), 0);
    EXPECT_EQ(DVBT_GetLastLockFrequency(), 0);
    AllOutputs out = readAllOutputs();
    EXPECT_EQ(out.channelParams, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(out.ofdmCodes, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(out.signalToNoise, (std::array<std::uint16_t, 2>{}));
    EXPECT_EQ(out.errorRates, (std::array<std::uint32_t, 3>{}));
    // Missing outputs are skipped rather than written through.
    DVBT_GetChannelParams(nullptr, nullptr, nullptr, nullptr);
    DVBT_GetOfdmParams(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    DVBT_GetSN(nullptr, nullptr);
    DVBT_GetBer(nullptr, nullptr, nullptr);
}

} // namespace

using LifecycleTest = CardTest;

TEST_F(LifecycleTest, ClosedCardIsHarmless) {
    {
        SCOPED_TRACE("never opened");
        expectClosedCardHarmless();
        EXPECT_EQ(DVBT_FREE_IO(), 0);
    }
    openBuiltIn();
    tune(593'000, code6Mhz);
    ASSERT_TRUE(pollForLock());
    EXPECT_NE(DVBT_FREE_IO(), 0);
    {
        SCOPED_TRACE("after a lock and DVBT_FREE_IO");
        expectClosedCardHarmless();
    }
}

TEST_F(LifecycleTest, ReopeningStartsAfresh) {
    openBuiltIn();
    tune(593'000, code6Mhz);
    ASSERT_TRUE(pollForLock());
    DVBT_FREE_IO();

    ASSERT_NE(DVBT_INIT_IO(), 0);
    EXPECT_EQ(DVBT_AcquisitionTask(), 0) << "no frequency set yet";
    EXPECT_EQ(DVBT_GetLastLockFrequency(), 0);
    AllOutputs out = readAllOutputs();
    EXPECT_EQ(out.ofdmCodes, (std::array<std::int32_t, 6>{-1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(out.channelParams[2], code8Mhz) << "the bandwidth starts at 8 MHz";
    EXPECT_EQ(out.channelParams[3], 2) << "no inversion known without a lock";
}

TEST_F(LifecycleTest, EnvironmentSelectsTheReceiver) {
    struct Case {
        std::optional<std::string> device;
        std::optional<std::string> seed;
        std::int32_t opened;
        std::string message;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, 1, ""},
        {"", std::nullopt, 1, ""},
        {"sim", "7", 1, ""},
        {"sim:", std::nullopt, 0, "DVBTDLL: DVBTDLL_DEVICE=sim: names no channel file\n"},
        // A path opens a Linux DVB frontend, here through the real system calls.
        {"/nonexistent/dvb/adapter0/frontend0", std::nullopt, 0,
         "DVBTDLL: DVBTDLL_DEVICE=/nonexistent/dvb/adapter0/frontend0: no such device\n"},
        {"/dev/null", std::nullopt, 0, "DVBTDLL: DVBTDLL_DEVICE=/dev/null: not a DVB frontend\n"},
        {"SIM", std::nullopt, 0,
         "DVBTDLL: DVBTDLL_DEVICE=SIM is not known; use sim, sim:FILE or the path of a DVB "
         "frontend such as /dev/dvb/adapter0/frontend0\n"},
        {"dev/dvb/adapter0/frontend0", std::nullopt, 0,
         "DVBTDLL: DVBTDLL_DEVICE=dev/dvb/adapter0/frontend0 is not known; use sim, sim:FILE or "
         "the path of a DVB frontend such as /dev/dvb/adapter0/frontend0\n"},
        {"sim", "-3", 0, "DVBTDLL: DVBTDLL_SIM_SEED=-3 is not a whole number\n"},
        {"sim", "12ab", 0, "DVBTDLL: DVBTDLL_SIM_SEED=12ab is not a whole number\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "DVBTDLL_DEVICE=" << c.device.value_or("(unset)")
                                          << " DVBTDLL_SIM_SEED=" << c.seed.value_or("(unset)"));
        // An open card must not survive a failed opening.
        unsetenv("DVBTDLL_DEVICE");
        unsetenv("DVBTDLL_SIM_SEED");
        ASSERT_EQ(DVBT_INIT_IO(), 1);
        tune(593'000, code6Mhz);

        c.device ? setenv("DVBTDLL_DEVICE", c.device->c_str(), 1) : unsetenv("DVBTDLL_DEVICE");
        c.seed ? setenv("DVBTDLL_SIM_SEED", c.seed->c_str(), 1) : unsetenv("DVBTDLL_SIM_SEED");
        ::testing::internal::CaptureStderr();
        std::int32_t opened = DVBT_INIT_IO();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(opened != 0, c.opened != 0);
        EXPECT_EQ(DVBT_SetTuningValue(593'000) != 0, c.opened != 0);
    }
}
