#include "tests/driver/CardTest.h"

using namespace std::chrono_literals;

using AcquisitionTest = CardTest;

TEST_F(AcquisitionTest, LockTakesRealisticTimeForTheTransmissionMode) {
    // A TPS frame is 68 symbols; the demodulator needs at least two of them.
    struct Case {
        const char* description;
        std::int64_t bandwidthHz;
        std::int32_t bandwidthCode;
        std::string parameters;
        std::chrono::milliseconds twoTpsFrames;
        std::chrono::milliseconds fastest;
        std::chrono::milliseconds slowest;
    };
    const Case cases[] = {
        {"2K, short symbols, strong", 8'000'000, code8Mhz,
         "TRANSMISSION_MODE = 2K\nGUARD_INTERVAL = 1/32\nSIM_CNR = 30\n", 32ms, 150ms, 400ms},
        {"2K, long symbols, weak, far off", 6'000'000, code6Mhz,
         "TRANSMISSION_MODE = 2K\nGUARD_INTERVAL = 1/4\nSIM_CNR = 14\nSIM_OFFSET = 199\n", 51ms,
         150ms, 400ms},
        {"8K, short symbols, strong", 8'000'000, code8Mhz,
         "TRANSMISSION_MODE = 8K\nGUARD_INTERVAL = 1/32\nSIM_CNR = 30\n", 126ms, 300ms, 900ms},
        {"8K, long symbols, weak, far off", 6'000'000, code6Mhz,
         "TRANSMISSION_MODE = 8K\nGUARD_INTERVAL = 1/4\nSIM_CNR = 14\nSIM_OFFSET = 199\n", 203ms,
         300ms, 900ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        openWithChannels(dvbtEntry(c.description, 474'000'000, c.bandwidthHz,
                                   "MODULATION = QAM/64\nCODE_RATE_HP = 2/3\n" + c.parameters));
        tune(474'000, c.bandwidthCode);
        auto lockTime = pollForLock();
        ASSERT_TRUE(lockTime);
        EXPECT_GE(*lockTime, c.twoTpsFrames);
        EXPECT_GE(*lockTime, c.fastest);
        EXPECT_LE(*lockTime, c.slowest);
    }
}

TEST_F(AcquisitionTest, WeakOrDistantSignalsTakeLonger) {
    openWithChannels(
        dvbtEntry("strong", 474'000'000, 8'000'000, "SIM_CNR = 30\n") +
        dvbtEntry("weak", 482'000'000, 8'000'000, "SIM_CNR = 14\n") +
        dvbtEntry("far off", 490'000'000, 8'000'000, "SIM_CNR = 30\nSIM_OFFSET = 190\n"));
    auto lockTimeAt = [&](std::int32_t frequencyKHz) {
        tune(frequencyKHz, code8Mhz);
        return pollForLock().value_or(std::chrono::milliseconds::max());
    };
    auto strong = lockTimeAt(474'000);
    EXPECT_GT(lockTimeAt(482'000), strong);
    EXPECT_GT(lockTimeAt(490'000), strong);
}

TEST_F(AcquisitionTest, RetuningAndResetRestartFromTheFirstStage) {
    openBuiltIn();
    struct Case {
        const char* description;
        void (*restart)();
    };
    const Case cases[] = {
        {"frequency", [] { DVBT_SetTuningValue(593'000); }},
        {"bandwidth", [] { DVBT_SetChannelParams(0, 0, 2, 9); }},
        {"reset", [] { DVBT_ResetTuner(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        tune(593'000, code6Mhz);
        auto undisturbed = pollForLock();
        ASSERT_TRUE(undisturbed);

        // An 8K signal never locks within 300 ms, so 290 ms into the acquisition it has most of
        // its stages behind it; a restart then costs a whole acquisition again.
        tune(593'000, code6Mhz);
        clock->advance(290ms);
        ASSERT_EQ(DVBT_AcquisitionTask(), 0);
        ASSERT_LT(*undisturbed - 290ms, 300ms);
        c.restart();
        auto afterRestart = pollForLock();
        ASSERT_TRUE(afterRestart);
        EXPECT_GE(*afterRestart, 300ms);
    }
}

TEST_F(AcquisitionTest, FadeLosesTheLockAndTheCardLocksAgainByItself) {
    // Gone for the last 3 of every 10 seconds since the opening.
    openWithChannels(
        dvbtEntry("fading", 474'000'000, 8'000'000, "SIM_FADE_PERIOD = 10\nSIM_FADE_LENGTH = 3\n"));
    tune(474'000, code8Mhz);
    ASSERT_TRUE(pollForLock());

    // Poll every 10 ms, as the program's worker would, and note when the lock goes and comes.
    std::chrono::milliseconds now = 0ms;
    std::chrono::milliseconds lost = -1ms;
    std::chrono::milliseconds regained = -1ms;
    std::int32_t lockFrequency = 0;
    auto openedAgo = std::chrono::duration_cast<std::chrono::milliseconds>(clock->now());
    for (now = openedAgo; now < 12s; now += 10ms, clock->advance(10ms)) {
        bool locked = DVBT_AcquisitionTask() == 1;
        if (!locked && lost < 0ms) {
            lost = now;
            lockFrequency = DVBT_GetLastLockFrequency();
        }
        if (locked && lost >= 0ms && regained < 0ms) {
            regained = now;
        }
    }
    EXPECT_EQ(lost, 7s);
    EXPECT_GE(regained, 10s + 300ms);
    EXPECT_LE(regained, 10s + 900ms);
    EXPECT_EQ(lockFrequency, 474'000) << "the last lock is remembered while the signal is gone";
}
