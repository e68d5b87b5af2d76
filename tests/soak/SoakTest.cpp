// Thousands of tuning runs on the simulated card, through the whole program as a user drives
// it: locks on real and fault channels, aborts at random moments, refused frequencies, bandwidth
// and Reset Tuner clicks during runs, watch ticks, and the panel ended by Exit or its close
// commands, also during a run. After every run the panel must show what the run found, and
// nothing may hang; the sanitizer builds run the same soak for races and leaks.
//
// SKARVEL_SOAK_RUNS sets the number of runs (300 by default), SKARVEL_SOAK_SEED repeats the mix
// of a run that failed; the seed is printed at the start and with every failure.

#include "driver/DVBTDLL.h"
#include "driver/Driver.h"
#include "panel/RunValues.h"
#include "tests/soak/Channels.h"
#include "tests/soak/SoakSession.h"
#include "ui/ResourceIds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>

using namespace soak;
using namespace std::chrono_literals;

namespace {

constexpr int defaultRuns = 300;

std::uint64_t seedFromEnvironment() {
    if (const char* seed = std::getenv("SKARVEL_SOAK_SEED")) {
        return std::strtoull(seed, nullptr, 10);
    }
    return std::random_device{}();
}

int runsFromEnvironment() {
    if (const char* runs = std::getenv("SKARVEL_SOAK_RUNS")) {
        return std::max(1, std::atoi(runs));
    }
    return defaultRuns;
}

// A number as the read-out fields show it, with its line feed.
std::string readOut(int number) {
    return std::to_string(number) + "\n";
}

int bandwidthButton(BandwidthIndex bandwidth) {
    return control::bandwidth6 + bandwidth;
}

// The soak's state across the runs of one session, and the random choices it makes.
class Soak {
public:
    Soak(SoakSession& session, std::mt19937_64& random) : s(session), random_(random) {}

    int pick(std::size_t count) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    template <class Item> const Item& pickFrom(const std::vector<Item>& items) {
        return items[pick(items.size())];
    }
    // A real pause of random length, so that a click lands anywhere in the worker's 10 ms
    // cycle of step and pause; nothing is waited for here.
    void pauseUpTo(std::chrono::microseconds longest) {
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, longest.count())(random_)));
    }

    void select(int frequencyKHz, BandwidthIndex bandwidth) {
        s.setFrequencyText(std::to_string(frequencyKHz));
        s.click(bandwidthButton(bandwidth));
    }

    void startRun() {
        s.click(control::tuningButton);
        expectRunning();
    }

    void expectRunning() {
        EXPECT_FALSE(s.enabled(control::tuningButton)) << "the run waits for the worker";
        EXPECT_EQ(s.text(control::statusField), "Searching ...");
    }

    // `abortedLate`: an Abort was handled after the run had ended, which raises the abort mark.
    void expectLocked(const Channel& channel, bool abortedLate = false) {
        EXPECT_TRUE(s.enabled(control::tuningButton));
        EXPECT_EQ(s.text(control::statusField),
                  channel.throughImage ? "Locking in Fault Ch..." : "Locking in Real Ch...")
            << channel.name;
        EXPECT_EQ(s.text(control::lastLockField), readOut(channel.lastLockKHz)) << channel.name;
        EXPECT_EQ(s.tickedResultButtons(), channel.tickedButtons) << channel.name;
        EXPECT_TRUE(s.ticked(bandwidthButton(channel.bandwidth))) << channel.name;
        EXPECT_EQ(s.text(control::loopTimesField), readOut(pollCount.load()));
        EXPECT_EQ(acquisitionDone.load(), 1);
        EXPECT_EQ(abortFlag.load(), channel.throughImage || abortedLate ? 1 : 0) << channel.name;
        lockedOnRealChannel = channel.throughImage ? nullptr : &channel;
    }

    void expectAborted() {
        EXPECT_TRUE(s.enabled(control::tuningButton));
        EXPECT_EQ(s.text(control::statusField), "Aborting....");
        EXPECT_EQ(s.text(control::lastLockField), "0");
        EXPECT_EQ(s.text(control::loopTimesField), readOut(pollCount.load()));
        EXPECT_EQ(abortFlag.load(), 1);
        EXPECT_EQ(acquisitionDone.load(), 1);
        lockedOnRealChannel = nullptr;
    }

    // The link watch polls only after a lock on the real channel with Periodic Check ticked.
    bool watchArmed() {
        return lockedOnRealChannel != nullptr && s.ticked(control::periodicCheckBox);
    }

    // One tick of the watch: with the watch armed it shows the lock as it stands, otherwise
    // nothing changes.
    void tickExpecting(const char* armedStatus) {
        std::string before = s.text(control::statusField);
        bool armed = watchArmed();
        s.tick();
        EXPECT_EQ(s.text(control::statusField), armed ? std::string(armedStatus) : before)
            << (armed ? "the armed watch polls" : "the idle watch changes nothing");
    }

    SoakSession& s;
    // The channel of the last run, while that run's lock on the real channel stands.
    const Channel* lockedOnRealChannel = nullptr;

private:
    std::mt19937_64& random_;
};

// Each action makes some tuning runs (or none) and checks what the panel shows; it gives the
// number of runs it made.
using Action = std::function<int(Soak&)>;

int lockRun(Soak& soak) {
    const Channel& channel = soak.pickFrom(lockingChannels());
    soak.select(channel.frequencyKHz, channel.bandwidth);
    soak.startRun();
    for (int ticks = soak.pick(3); ticks > 0; --ticks) {
        soak.s.tick();
        soak.expectRunning(); // the watch stays out of a run, and no card time has passed
    }
    soak.s.letCardLock();
    soak.s.waitForRunEnd();
    soak.expectLocked(channel);
    return 1;
}

int abortRun(Soak& soak) {
    // Either nothing to lock on, or a transmitter that the card has had no time to lock on.
    if (soak.chance(0.5)) {
        const SilentChannel& channel = soak.pickFrom(silentChannels());
        soak.select(channel.frequencyKHz, channel.bandwidth);
    } else {
        const Channel& channel = soak.pickFrom(lockingChannels());
        soak.select(channel.frequencyKHz, channel.bandwidth);
    }
    soak.startRun();
    soak.pauseUpTo(30ms);
    if (soak.chance(0.3)) {
        soak.s.tick();
        soak.expectRunning();
    }
    soak.s.click(control::abortButton);
    soak.s.waitForRunEnd();
    soak.expectAborted();
    return 1;
}

int abortRacingTheLock(Soak& soak) {
    const Channel& channel = soak.pickFrom(lockingChannels());
    soak.select(channel.frequencyKHz, channel.bandwidth);
    soak.startRun();
    soak.s.letCardLock();
    soak.pauseUpTo(15ms);
    soak.s.click(control::abortButton);
    soak.s.waitForRunEnd();
    // An Abort handled during the wait ends the run as aborted; one that came after the worker's
    // lock ended the wait is handled once the run is over and only raises the abort mark.
    if (soak.s.text(control::statusField) == "Aborting....") {
        soak.expectAborted();
    } else {
        soak.expectLocked(channel, true);
    }
    soak.lockedOnRealChannel = nullptr;
    return 1;
}

int refusedRun(Soak& soak) {
    int frequency = soak.pickFrom(refusedFrequencies());
    soak.s.setFrequencyText(std::to_string(frequency));
    int pausesBefore = pollCount.load();
    int doneBefore = acquisitionDone.load();
    soak.s.click(control::tuningButton);
    soak.s.waitForRunEnd();
    EXPECT_EQ(soak.s.text(control::statusField), "Aborting....") << frequency << " kHz";
    EXPECT_EQ(soak.s.text(control::lastLockField), "0");
    EXPECT_EQ(soak.s.text(control::loopTimesField), readOut(pausesBefore))
        << "the count of the last worker";
    EXPECT_EQ(acquisitionDone.load(), doneBefore) << "no worker was started";
    EXPECT_EQ(abortFlag.load(), 1);
    soak.lockedOnRealChannel = nullptr;
    return 1;
}

int bandwidthDuringRun(Soak& soak) {
    const Channel& channel = soak.pickFrom(lockingChannels());
    auto wrong = static_cast<BandwidthIndex>((channel.bandwidth + 1 + soak.pick(2)) % 3);
    soak.select(channel.frequencyKHz, wrong);
    soak.startRun();
    soak.s.letCardLock();
    // With the channel filter at the wrong width no step locks, however long the card runs.
    soak.pauseUpTo(30ms);
    soak.expectRunning();
    soak.s.click(bandwidthButton(channel.bandwidth)); // reaches the driver during the run
    soak.s.letCardLock();
    soak.s.waitForRunEnd();
    soak.expectLocked(channel);
    return 1;
}

int resetTunerDuringRun(Soak& soak) {
    const Channel& channel = soak.pickFrom(lockingChannels());
    soak.select(channel.frequencyKHz, channel.bandwidth);
    soak.startRun();
    bool racing = soak.chance(0.3);
    if (racing) {
        soak.s.letCardLock(); // the worker may lock before the reset or after it
    }
    soak.s.click(control::resetTunerBox);
    EXPECT_FALSE(soak.s.ticked(control::resetTunerBox)) << "the box unticks itself";
    if (!racing) {
        soak.expectRunning();
    }
    soak.s.letCardLock();
    soak.s.waitForRunEnd();
    constexpr std::size_t mirrorGroup = 6;
    constexpr int mirrorAuto = 1043;
    if (racing && soak.s.tickedResultButtons()[mirrorGroup] == mirrorAuto) {
        // The worker locked, and the reset came before the wait had ended: the read-back then
        // finds the acquisition started over, with the spectrum not known, which is a fault
        // channel showing what the last lock found.
        Channel resetAfterLock = channel;
        resetAfterLock.throughImage = true;
        resetAfterLock.tickedButtons[mirrorGroup] = mirrorAuto;
        soak.expectLocked(resetAfterLock);
    } else {
        soak.expectLocked(channel);
    }
    return 1;
}

int watchTicks(Soak& soak) {
    if (soak.chance(0.5)) {
        soak.s.click(control::periodicCheckBox);
    }
    for (int ticks = 1 + soak.pick(3); ticks > 0; --ticks) {
        soak.tickExpecting("Locking in Real Ch...");
    }
    return 0;
}

// With the watch armed: the lock is lost while the channel filter is set wrong, and found again
// once it is set right. The first locked tick after the loss resets the tuner, which the next
// tick shows as a lock still to be found; a locked tick with no loss before it resets nothing.
int watchLosesTheLock(Soak& soak) {
    if (!soak.watchArmed()) {
        return watchTicks(soak);
    }
    const Channel& channel = *soak.lockedOnRealChannel;
    auto wrong = static_cast<BandwidthIndex>((channel.bandwidth + 1 + soak.pick(2)) % 3);
    soak.s.click(bandwidthButton(wrong));
    for (int ticks = 1 + soak.pick(3); ticks > 0; --ticks) {
        soak.tickExpecting("UnLocked...");
    }
    soak.s.click(bandwidthButton(channel.bandwidth));
    soak.s.letCardLock();
    soak.tickExpecting("Locking in Real Ch...");
    soak.tickExpecting("UnLocked...");
    soak.s.letCardLock();
    soak.tickExpecting("Locking in Real Ch...");
    soak.s.letCardLock();
    soak.tickExpecting("Locking in Real Ch...");
    soak.tickExpecting("Locking in Real Ch...");
    return 0;
}

// With the watch armed: a Reset Tuner click starts the acquisition over, which the next tick
// shows as a lost lock; the lock found again after that resets the tuner once more.
int resetTunerWithTheWatchOn(Soak& soak) {
    if (!soak.watchArmed()) {
        return watchTicks(soak);
    }
    soak.s.click(control::resetTunerBox);
    EXPECT_FALSE(soak.s.ticked(control::resetTunerBox)) << "the box unticks itself";
    soak.tickExpecting("UnLocked...");
    soak.s.letCardLock();
    soak.tickExpecting("Locking in Real Ch...");
    soak.s.letCardLock();
    soak.tickExpecting("Locking in Real Ch...");
    return 0;
}

int abortOutsideRun(Soak& soak) {
    std::string status = soak.s.text(control::statusField);
    soak.s.click(control::abortButton);
    EXPECT_EQ(abortFlag.load(), 1);
    soak.lockedOnRealChannel = nullptr;
    soak.s.tick();
    EXPECT_EQ(soak.s.text(control::statusField), status) << "the watch stops after Abort";
    return 0;
}

struct WeightedAction {
    const char* name;
    int weight;
    Action act;
};

const std::vector<WeightedAction>& actions() {
    static const std::vector<WeightedAction> all{
        {"lock", 5, lockRun},
        {"abort at a random moment", 5, abortRun},
        {"abort racing the lock", 2, abortRacingTheLock},
        {"refused frequency", 2, refusedRun},
        {"bandwidth click during a run", 2, bandwidthDuringRun},
        {"Reset Tuner click during a run", 2, resetTunerDuringRun},
        {"watch ticks", 2, watchTicks},
        {"watch loses the lock", 3, watchLosesTheLock},
        {"Reset Tuner click with the watch on", 2, resetTunerWithTheWatchOn},
        {"Abort outside a run", 1, abortOutsideRun},
    };
    return all;
}

const WeightedAction& pickAction(Soak& soak) {
    int total = 0;
    for (const auto& action : actions()) {
        total += action.weight;
    }
    int chosen = soak.pick(static_cast<std::size_t>(total));
    for (const auto& action : actions()) {
        if (chosen < action.weight) {
            return action;
        }
        chosen -= action.weight;
    }
    return actions().front();
}

bool cardIsOpen() {
    return DVBT_SetTuningValue(593000) != 0;
}

// The end of a session. Exit releases the card, the close commands leave it open; a run in
// progress is aborted first, and its worker has ended by the time the program returns.
void endSession(Soak& soak) {
    enum Ending { exitIdle, exitDuringRun, closeDuringRun, escapeIdle };
    auto ending = static_cast<Ending>(soak.pick(4));
    bool duringRun = ending == exitDuringRun || ending == closeDuringRun;
    SCOPED_TRACE(duringRun ? "ending the panel during a run" : "ending the idle panel");
    if (duringRun) {
        const SilentChannel& channel = soak.pickFrom(silentChannels());
        soak.select(channel.frequencyKHz, channel.bandwidth);
        soak.startRun();
        soak.pauseUpTo(20ms);
    }
    switch (ending) {
    case exitIdle:
    case exitDuringRun:
        soak.s.click(control::exitButton);
        break;
    case closeDuringRun:
        soak.s.h.press(VK_F4, {false, false, true});
        break;
    case escapeIdle:
        soak.s.h.press(VK_ESCAPE);
        break;
    }
    soak.s.finish();
    if (duringRun) {
        EXPECT_EQ(acquisitionDone.load(), 1) << "the worker ended with the run";
        EXPECT_EQ(abortFlag.load(), 1);
    }
    bool released = ending == exitIdle || ending == exitDuringRun;
    EXPECT_EQ(cardIsOpen(), !released);
}

class SoakTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("DVBTDLL_DEVICE");
        setenv("DVBTDLL_SIM_SEED", "1", 1);
        Driver::instance().useClock(cardClock);
    }
    void TearDown() override {
        DVBT_FREE_IO();
        Driver::instance().useClock(nullptr);
    }

    std::shared_ptr<ManualClock> cardClock = std::make_shared<ManualClock>();
};

} // namespace

TEST_F(SoakTest, EveryRunEndsWithThePanelShowingWhatItFound) {
    const std::uint64_t seed = seedFromEnvironment();
    const int runs = runsFromEnvironment();
    std::printf("soak: %d runs, seed %llu (SKARVEL_SOAK_SEED=%llu repeats the mix)\n", runs,
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    SCOPED_TRACE("SKARVEL_SOAK_SEED=" + std::to_string(seed));
    std::mt19937_64 random(seed);

    int runsDone = 0;
    int sessions = 0;
    while (runsDone < runs && !HasFailure()) {
        // Each session stands for one start of the program; a few dozen runs keep it well
        // inside the harness's watchdog.
        SoakSession session(*cardClock);
        ASSERT_NE(session.panel, nullptr) << "the panel opened";
        ++sessions;
        Soak soak(session, random);
        if (soak.chance(0.7)) {
            session.click(control::periodicCheckBox); // most sessions watch their locks
        }
        int sessionRuns = std::min(runs - runsDone, 5 + soak.pick(16));
        int sessionEnd = runsDone + sessionRuns;
        while (runsDone < sessionEnd && !HasFailure()) {
            const WeightedAction& action = pickAction(soak);
            SCOPED_TRACE("run " + std::to_string(runsDone + 1) + ", session " +
                         std::to_string(sessions) + ": " + action.name);
            runsDone += action.act(soak);
        }
        if (!HasFailure()) {
            endSession(soak);
        }
    }
    std::printf("soak: %d runs in %d sessions\n", runsDone, sessions);
}
