// The link watch: once a second after a lock on the real channel, with Periodic Check ticked.

#include "panel/RunValues.h"
#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class LinkWatch : public PanelFixture {
protected:
    void SetUp() override { startProgram(); }
    void lockWithWatchOn() {
        click(control::periodicCheckBox);
        click(control::tuningButton);
        waitForRunEnd();
        ASSERT_EQ(text(control::statusField), "Locking in Real Ch...");
    }
    int steps() { return driver().count("DVBT_AcquisitionTask"); }
};

} // namespace

TEST_F(LinkWatch, ALostLockIsCountedAndTheFirstLockAfterItResetsTheTunerOnce) {
    lockWithWatchOn();
    driver().configure([](DriverScript& s) { s.stepAnswers = {0, 0, 0, 1, 1}; });
    for (int expected = 1; expected <= 3; ++expected) {
        tick();
        EXPECT_EQ(text(control::statusField), "UnLocked...");
        EXPECT_EQ(unlockCount, expected);
    }
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 0);
    driver().configure([](DriverScript& s) { s.lastLockFrequency = 593125; });
    tick();
    EXPECT_EQ(text(control::statusField), "Locking in Real Ch...");
    EXPECT_EQ(unlockCount, 0);
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 1);
    EXPECT_EQ(text(control::lastLockField), "593125\n") << "the read-outs refresh on every polled tick";
    tick();
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 1) << "further locked ticks make no reset";
    EXPECT_EQ(driver().count("DVBT_GetBer"), 6) << "one report for the run and one per tick";
}

TEST_F(LinkWatch, BeforeAnyRunTheWatchStaysIdle) {
    click(control::periodicCheckBox);
    tick();
    EXPECT_EQ(steps(), 0);
    EXPECT_EQ(text(control::statusField), "Unknowing...");
}

TEST_F(LinkWatch, DoesNotPollWhenItsConditionsAreNotMet) {
    struct Case {
        const char* name;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"unticked", [this] { click(control::periodicCheckBox); }},
        {"aborted", [this] { click(control::abortButton); }},
        {"minimized", [this] { click(control::minimizeButton); }},
        {"hidden", [this] { h.onWindowThread([this] { ShowWindow(panel, SW_HIDE); }); }},
    };
    lockWithWatchOn();
    for (const Case& c : cases) {
        c.prepare();
        int before = steps();
        std::string status = text(control::statusField);
        tick();
        EXPECT_EQ(steps(), before) << c.name;
        EXPECT_EQ(text(control::statusField), status) << c.name;
        // Bring the panel back to a watched state for the next case.
        h.onWindowThread([this] {
            ShowWindow(panel, SW_RESTORE);
            ShowWindow(panel, SW_SHOW);
        });
        if (!ticked(control::periodicCheckBox)) {
            click(control::periodicCheckBox);
        }
        click(control::tuningButton);
        waitForRunEnd();
        before = steps();
        tick();
        EXPECT_EQ(steps(), before + 1) << "polling resumes after " << c.name;
    }
}

TEST_F(LinkWatch, ALockOnAFaultChannelLeavesTheWatchIdle) {
    driver().configure([](DriverScript& s) { s.inversion = 0; });
    click(control::periodicCheckBox);
    click(control::tuningButton);
    waitForRunEnd();
    int before = steps();
    tick();
    EXPECT_EQ(steps(), before);
    EXPECT_EQ(text(control::statusField), "Locking in Fault Ch...");
}

TEST_F(LinkWatch, TicksWithoutLockBeforeANewRunMakeItsFirstLockedTickReset) {
    lockWithWatchOn();
    driver().configure([](DriverScript& s) { s.stepAnswers = {0, 0}; });
    tick();
    tick();
    click(control::tuningButton);
    waitForRunEnd();
    EXPECT_EQ(unlockCount, 2) << "a run leaves the count alone";
    tick();
    EXPECT_EQ(driver().count("DVBT_ResetTuner"), 1);
    EXPECT_EQ(unlockCount, 0);
}

TEST_F(LinkWatch, PeriodicCheckWithLettersInTheFrequencyBoxKeepsItsOldValue) {
    h.onWindowThread([this] { SetWindowTextA(GetDlgItem(panel, control::frequencyBox), "12abc"); });
    click(control::periodicCheckBox);
    HWND prompt = h.activeWindow();
    EXPECT_EQ(h.childTexts(prompt)[1], "Please enter an integer.");
    h.press(VK_RETURN);
    EXPECT_EQ(values([](CTuningDlg& p) { return p.periodicCheck; }), 0);
    EXPECT_TRUE(ticked(control::periodicCheckBox)) << "the box shows the new state until the next load";
}
