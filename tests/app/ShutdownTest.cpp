// The ways out of the panel: Exit, which saves, stops the watch and releases the receiver, and
// cancel, which ends the panel and releases nothing; also while a tuning run waits.

#include "panel/RunValues.h"
#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class Shutdown : public PanelFixture {
protected:
    // Arms the link watch: a lock on the real channel with Periodic Check ticked.
    void armWatch() {
        click(control::periodicCheckBox);
        click(control::tuningButton);
        waitForRunEnd();
    }
    void typeFrequency(const char* frequency) {
        h.onWindowThread([this, frequency] { SetWindowTextA(GetDlgItem(panel, control::frequencyBox), frequency); });
    }
};

const DriverCall freeIo{"DVBT_FREE_IO", {}};

} // namespace

TEST_F(Shutdown, ExitWithValidValuesReleasesTheReceiverOnceAndEnds) {
    startProgram();
    click(control::exitButton);
    EXPECT_EQ(h.finish(), 0);
    EXPECT_EQ(driver().calls(), (std::vector<DriverCall>{{"DVBT_INIT_IO", {}}, freeIo}));
    panel = nullptr;
}

TEST_F(Shutdown, EnterInTheFrequencyBoxTakesTheExitPath) {
    startProgram();
    click(control::frequencyBox);
    h.press(VK_RETURN);
    h.finish();
    EXPECT_EQ(driver().count("DVBT_FREE_IO"), 1);
    panel = nullptr;
}

TEST_F(Shutdown, ARefusedExitPromptsAndLeavesThePanelWorking) {
    startProgram();
    armWatch();
    typeFrequency("59x000");
    click(control::exitButton);
    HWND prompt = h.activeWindow();
    ASSERT_NE(prompt, panel);
    EXPECT_EQ(h.childTexts(prompt)[1], "Please enter an integer.");
    h.press(VK_RETURN);
    EXPECT_EQ(driver().count("DVBT_FREE_IO"), 0) << "the receiver stays open";

    int steps = driver().count("DVBT_AcquisitionTask");
    tick();
    EXPECT_EQ(driver().count("DVBT_AcquisitionTask"), steps + 1) << "the watch still ticks";

    typeFrequency("593000");
    click(control::exitButton);
    EXPECT_EQ(h.finish(), 0);
    EXPECT_EQ(driver().count("DVBT_FREE_IO"), 1);
    panel = nullptr;
}

TEST_F(Shutdown, EscWithLettersInTheFrequencyBoxClosesWithoutPromptOrRelease) {
    startProgram();
    typeFrequency("abc");
    h.press(VK_ESCAPE);
    h.finish();
    EXPECT_EQ(driver().count("DVBT_FREE_IO"), 0);
    panel = nullptr;
}

struct EndDuringRun {
    const char* name;
    std::function<void(Harness&, HWND panel)> end;
    bool releases;
};

class EndingDuringARun : public PanelFixture, public ::testing::WithParamInterface<EndDuringRun> {};

TEST_P(EndingDuringARun, AbortsTheRunAndReleasesOnlyAfterTheWorkerEnded) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 0; });
    startProgram();
    click(control::tuningButton);
    ASSERT_FALSE(enabled(control::tuningButton)) << "the run waits";
    GetParam().end(h, panel);
    h.finish();
    panel = nullptr;
    EXPECT_NE(abortFlag.load(), 0);
    auto calls = driver().calls();
    auto release = std::find(calls.begin(), calls.end(), freeIo);
    EXPECT_EQ(release != calls.end(), GetParam().releases);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), freeIo), GetParam().releases ? 1 : 0);
    if (release != calls.end()) {
        EXPECT_EQ(std::find(release, calls.end(), DriverCall{"DVBT_AcquisitionTask", {}}), calls.end())
            << "no acquisition step after the release";
    }
    for (const char* readBack : {"DVBT_GetChannelParams", "DVBT_GetOfdmParams"}) {
        EXPECT_EQ(driver().count(readBack), 0) << "an aborted run reads nothing back";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingDuringARun,
    ::testing::Values(
        EndDuringRun{"Exit", [](Harness& h, HWND p) { h.click(h.onWindowThread([p] { return GetDlgItem(p, IDOK); })); }, true},
        EndDuringRun{"AltF4", [](Harness& h, HWND) { h.press(VK_F4, {false, false, true}); }, false},
        EndDuringRun{"CloseBox",
                     [](Harness& h, HWND p) {
                         RECT r = h.onWindowThread([p] {
                             RECT w;
                             GetWindowRect(p, &w);
                             return w;
                         });
                         h.clickAt({r.right - 8, r.top + 10});
                     },
                     false},
        EndDuringRun{"CloseOnTheSystemMenu",
                     [](Harness& h, HWND) {
                         h.press(VK_SPACE, {false, false, true});
                         h.type("c");
                     },
                     false}),
    [](const ::testing::TestParamInfo<EndDuringRun>& info) { return std::string(info.param.name); });

TEST_F(Shutdown, WhileARunWaitsTheDialogKeyboardIsOff) {
    driver().configure([](DriverScript& s) { s.lockAtStep = 0; });
    startProgram();
    click(control::tuningButton);
    HWND focus = h.focus();
    h.press(VK_ESCAPE);
    h.press(VK_TAB);
    EXPECT_FALSE(h.finished()) << "Esc does not end the panel during a run";
    EXPECT_EQ(h.focus(), focus) << "Tab moves nothing";
    click(control::abortButton);
    waitForRunEnd();
    EXPECT_EQ(text(control::statusField), "Aborting....");
}
