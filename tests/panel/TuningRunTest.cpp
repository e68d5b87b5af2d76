// The tuning run, as a user sees it and as the driver sees it.

#include "panel/RunValues.h"
#include "platform/win/Threads.h"
#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class TuningRun : public PanelFixture {
protected:
    void SetUp() override { startProgram(); }
    void runToEnd() {
        click(control::tuningButton);
        waitForRunEnd();
    }
    std::vector<int> tickedOfdmAndMirror() {
        // Each group as its first id and its number of buttons.
        const std::pair<int, int> groups[] = {{1001, 3}, {1006, 5}, {1011, 4}, {1015, 5}, {1020, 3}, {1023, 6}, {1043, 3}};
        std::vector<int> ticked;
        h.onWindowThread([&] {
            for (auto [first, size] : groups) {
                for (int id = first; id < first + size; ++id) {
                    HWND button = GetDlgItem(panel, id);
                    if (button != nullptr && SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                        ticked.push_back(id);
                    }
                }
            }
        });
        return ticked;
    }
};

} // namespace

TEST_F(TuningRun, ALockOnTheRealChannelShowsWhatTheReceiverFound) {
    runToEnd();
    EXPECT_EQ(text(control::statusField), "Locking in Real Ch...");
    EXPECT_EQ(text(control::loopTimesField), "0\n") << "locked at the first step";
    EXPECT_EQ(text(control::lastLockField), "593000\n");
    EXPECT_EQ(text(control::snField), "254(1/10 dB)\n");
    EXPECT_EQ(text(control::pberField), "120(1E-6)\n");
    EXPECT_EQ(text(control::aperField), "0(1E-6)\n");
    // 8K, 1/8, QAM64, no hierarchy, high priority, 2/3, and the mirrored spectrum.
    EXPECT_EQ(tickedOfdmAndMirror(), (std::vector<int>{1002, 1008, 1013, 1015, 1020, 1024, 1045}));
    EXPECT_TRUE(enabled(control::tuningButton));
    EXPECT_EQ(abortFlag.load(), 0);
    EXPECT_EQ(acquisitionDone.load(), 1);
    EXPECT_EQ(driver().callsBesidesSteps(), (std::vector<DriverCall>{
                                                {"DVBT_INIT_IO", {}},
                                                {"DVBT_SetChannelParams", {0, 0, 2, 9}},
                                                {"DVBT_SetTuningValue", {593000}},
                                                {"DVBT_GetChannelParams", {0, 0, 9, 9}},
                                                {"DVBT_GetLastLockFrequency", {}},
                                                {"DVBT_GetSN", {}},
                                                {"DVBT_GetBer", {}},
                                                {"DVBT_GetOfdmParams", {}},
                                            }));
}

TEST_F(TuningRun, LoopTimesCountsThePausesBeforeTheLock) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 4; });
    runToEnd();
    EXPECT_EQ(text(control::loopTimesField), "3\n");
    EXPECT_EQ(driver().count("DVBT_AcquisitionTask"), 4);
}

TEST_F(TuningRun, ALockOnAnythingButAnInvertedSpectrumIsAFaultChannel) {
    struct Case {
        std::int32_t inversion;
        bool written;
        int mirrorTicked;
        const char* status;
        int abort;
    };
    const Case cases[] = {
        {1, true, 1045, "Locking in Real Ch...", 0},
        {0, true, 1044, "Locking in Fault Ch...", 1},
        {9, false, 1043, "Locking in Fault Ch...", 1}, // the driver left the preset
        {5, true, 1043, "Locking in Fault Ch...", 1},
    };
    for (const Case& c : cases) {
        driver().configure([&](DriverScript& s) {
            s.inversion = c.inversion;
            s.writesInversion = c.written;
        });
        runToEnd();
        EXPECT_EQ(text(control::statusField), c.status) << "code " << c.inversion;
        EXPECT_TRUE(ticked(c.mirrorTicked)) << "code " << c.inversion;
        EXPECT_EQ(abortFlag.load(), c.abort) << "code " << c.inversion;
        EXPECT_NE(text(control::lastLockField), "0") << "the signal report ran";
    }
}

TEST_F(TuningRun, OfdmCodesOutsideTheKeptOnesShowAuto) {
    driver().configure([](DriverScript& s) { s.ofdm = {2, -1, 3, 4, 2, 5}; });
    runToEnd();
    EXPECT_EQ(tickedOfdmAndMirror(), (std::vector<int>{1003, 1010, 1014, 1019, 1022, 1028, 1045}));
}

TEST_F(TuningRun, ARefusedFrequencyAbortsWithoutAWorker) {
    driver().configure([](DriverScript& s) { s.tuningResult = [](std::int32_t) { return 0; }; });
    runToEnd();
    EXPECT_EQ(text(control::statusField), "Aborting....");
    EXPECT_EQ(text(control::lastLockField), "0");
    EXPECT_EQ(text(control::loopTimesField), "0\n");
    EXPECT_EQ(driver().count("DVBT_AcquisitionTask"), 0);
    EXPECT_EQ(abortFlag.load(), 1);

    // After a run that made pauses, a refused frequency shows that run's count.
    driver().configure([](DriverScript& s) {
        s.tuningResult = [](std::int32_t) { return 1; };
        s.lockAtStep = 3;
    });
    runToEnd();
    driver().configure([](DriverScript& s) { s.tuningResult = [](std::int32_t) { return 0; }; });
    runToEnd();
    EXPECT_EQ(text(control::loopTimesField), "2\n");
    EXPECT_EQ(text(control::statusField), "Aborting....");
}

TEST_F(TuningRun, AbortEndsARunWithoutLockAndKeepsTheSavedSelections) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 0; });
    click(1012); // QAM16, a selection of the user's
    click(control::tuningButton);
    EXPECT_FALSE(enabled(control::tuningButton));
    EXPECT_EQ(text(control::statusField), "Searching ...");
    click(control::abortButton);
    waitForRunEnd();
    EXPECT_EQ(text(control::statusField), "Aborting....");
    EXPECT_EQ(text(control::lastLockField), "0");
    int steps = driver().count("DVBT_AcquisitionTask");
    EXPECT_EQ(text(control::loopTimesField), std::to_string(steps - 1) + "\n");
    EXPECT_TRUE(ticked(1012));
    EXPECT_EQ(driver().count("DVBT_GetChannelParams"), 0);
}

TEST_F(TuningRun, AbortDuringTheStepThatLocksStillEndsAsAborted) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 3; });
    driver().holdStep(3);
    click(control::tuningButton);
    driver().waitUntilHeld();
    click(control::abortButton);
    driver().releaseStep();
    waitForRunEnd();
    EXPECT_EQ(text(control::statusField), "Aborting....");
    EXPECT_EQ(text(control::loopTimesField), "2\n") << "the worker ended as locked, after two pauses";
}

TEST_F(TuningRun, WhileARunWaitsEveryButtonButTuningWorks) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 0; });
    click(control::tuningButton);
    EXPECT_FALSE(enabled(control::tuningButton));
    click(control::bandwidth7);
    EXPECT_EQ(driver().callsBesidesSteps().back(), (DriverCall{"DVBT_SetChannelParams", {0, 0, 1, 9}}))
        << "the bandwidth reaches the driver at once";
    click(control::tuningButton);
    EXPECT_EQ(driver().count("DVBT_SetTuningValue"), 1) << "no second run";
    click(control::abortButton);
    waitForRunEnd();
    EXPECT_TRUE(ticked(control::bandwidth7)) << "the final load shows the values as they stand";
}

TEST_F(TuningRun, AbortOutsideARunOnlyRaisesTheAbortMark) {
    click(control::abortButton);
    EXPECT_EQ(abortFlag.load(), 1);
    EXPECT_EQ(text(control::statusField), "Unknowing...");
    EXPECT_EQ(driver().calls().size(), 1u);
    runToEnd();
    EXPECT_EQ(text(control::statusField), "Locking in Real Ch...") << "the next run clears the mark";
}

TEST_F(TuningRun, AFrequencyTextThatIsNotAnIntegerTunesThePreviousFrequency) {
    h.onWindowThread([this] { SetWindowTextA(GetDlgItem(panel, control::frequencyBox), "12abc"); });
    click(control::bandwidth7); // 7Mhz is saved before the frequency...
    h.press(VK_RETURN);              // ...and the prompt it brought is closed
    click(control::tuningButton);
    h.press(VK_RETURN);              // the run's own save prompts again
    waitForRunEnd();
    auto tunings = driver().callsBesidesSteps();
    EXPECT_NE(std::find(tunings.begin(), tunings.end(), DriverCall{"DVBT_SetTuningValue", {593000}}), tunings.end());
    EXPECT_NE(std::find(tunings.begin(), tunings.end(), DriverCall{"DVBT_SetChannelParams", {0, 0, 1, 9}}), tunings.end());
    EXPECT_EQ(text(control::frequencyBox), "593000") << "the final load shows the previous frequency";
}

TEST_F(TuningRun, AWorkerThatCannotStartEndsTheRunAsAborted) {
    platform::failThreadCreations(1);
    runToEnd();
    EXPECT_EQ(text(control::statusField), "Aborting....");
    EXPECT_EQ(text(control::lastLockField), "0");
    EXPECT_EQ(text(control::loopTimesField), "0\n");
    EXPECT_EQ(abortFlag.load(), 1);
    EXPECT_TRUE(enabled(control::tuningButton));
    runToEnd();
    EXPECT_EQ(text(control::statusField), "Locking in Real Ch...") << "the next run works";
}

TEST_F(TuningRun, AQuitRequestDuringTheWaitStopsTheWorkerBeforeTheRunGoesOn) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 0; });
    click(control::tuningButton);
    h.onWindowThread([] { PostQuitMessage(0); });
    waitForRunEnd();
    EXPECT_EQ(text(control::statusField), "Aborting....");
    EXPECT_EQ(driver().count("DVBT_GetChannelParams"), 0);
    EXPECT_EQ(acquisitionDone.load(), 1);
    int steps = driver().count("DVBT_AcquisitionTask");
    EXPECT_EQ(text(control::loopTimesField), std::to_string(steps - 1) + "\n") << "the worker had ended";
}

TEST_F(TuningRun, TheSignalReportShowsUnwrittenOutputsAsZeroAndNumbersAsTheyCome) {
    driver().configure([](DriverScript& s) {
        s.writesSignalToNoise = false;
        s.writesErrorRates = false;
        s.lastLockFrequency = -1;
    });
    runToEnd();
    EXPECT_EQ(text(control::lastLockField), "-1\n");
    EXPECT_EQ(text(control::snField), "0(1/10 dB)\n");
    EXPECT_EQ(text(control::pberField), "0(1E-6)\n");
    EXPECT_EQ(text(control::aperField), "0(1E-6)\n");

    driver().configure([](DriverScript& s) {
        s.writesSignalToNoise = true;
        s.writesErrorRates = true;
        s.signalToNoise = 65535;
        s.preViterbi = 4294967295u;
        s.postViterbi = 2147483648u;
    });
    runToEnd();
    EXPECT_EQ(text(control::snField), "65535(1/10 dB)\n");
    EXPECT_EQ(text(control::pberField), "4294967295(1E-6)\n");
    EXPECT_EQ(text(control::aperField), "2147483648(1E-6)\n");
}
