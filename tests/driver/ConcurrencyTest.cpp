#include "tests/driver/CardTest.h"

#include <array>
#include <atomic>
#include <thread>

using namespace std::chrono_literals;

using ConcurrencyTest = CardTest;

// The program's worker polls the acquisition while its window thread may still press the
// bandwidth buttons and Reset Tuner. Run under the thread sanitizer, this shows the overlap safe.
TEST_F(ConcurrencyTest, AcquisitionOverlapsBandwidthAndResetFromTheWindowThread) {
    openBuiltIn();
    tune(593'000, code6Mhz);

    std::atomic<bool> workerLocked{false};
    std::thread worker([&] {
        while (DVBT_AcquisitionTask() != 1) {
            std::this_thread::yield();
        }
        workerLocked = true;
    });

    // Restarts keep the lock away however long they go on; once they stop, the clock runs on
    // until the worker sees the lock.
    for (int press = 0; press < 200; ++press) {
        DVBT_SetChannelParams(0, 0, code6Mhz, 9);
        DVBT_ResetTuner();
        clock->advance(5ms);
        EXPECT_EQ(DVBT_GetLastLockFrequency(), 0) << "press " << press;
    }
    while (!workerLocked) {
        clock->advance(10ms);
        std::this_thread::yield();
    }
    worker.join();
    EXPECT_EQ(DVBT_GetLastLockFrequency(), 593'000);
}

// Opening and closing while another thread reads must never show a half-opened card.
TEST_F(ConcurrencyTest, ReadsStayWholeWhileTheCardOpensAndCloses) {
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done) {
            std::array<std::int32_t, 6> codes{7, 7, 7, 7, 7, 7};
            std::int32_t open = DVBT_GetOfdmParams(&codes[0], &codes[1], &codes[2], &codes[3],
                                                   &codes[4], &codes[5]);
            std::int32_t expected = open ? -1 : 0;
            EXPECT_EQ(codes, (std::array<std::int32_t, 6>{expected, expected, expected, expected,
                                                          expected, expected}));
            EXPECT_EQ(DVBT_AcquisitionTask(), 0) << "nothing is tuned on a freshly opened card";
        }
    });
    for (int round = 0; round < 300; ++round) {
        ASSERT_EQ(DVBT_INIT_IO(), 1);
        DVBT_FREE_IO();
    }
    done = true;
    reader.join();
}
