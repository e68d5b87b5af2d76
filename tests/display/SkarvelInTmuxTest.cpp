// The real program in a real terminal (tmux at 80 x 24), driven by keys and mouse reports and
// read back with capture-pane: the panel with its defaults, a lock, the integer prompt, Abort by
// a click, the driver message, resizing, the way the terminal is left on every way out, and an
// idle program that sleeps.

#include "tests/display/PanelGolden.h"
#include "tests/display/TmuxSession.h"
#include "tests/support/Watchdog.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace terminaltest {
namespace {

const std::string program = SKARVEL_PROGRAM;
const std::string panelCaption = "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)";

// What tmux knows of the terminal's modes; all of it must be as before once the program ends.
const std::string terminalModes =
    "#{alternate_on} #{cursor_flag} #{mouse_any_flag} #{mouse_button_flag} #{mouse_sgr_flag} "
    "#{keypad_flag} #{keypad_cursor_flag} #{insert_flag} #{wrap_flag} #{origin_flag}";

bool matches(const std::vector<std::string>& screen, const std::string& pattern) {
    std::regex expression(pattern);
    for (const auto& line : screen) {
        if (std::regex_search(line, expression)) {
            return true;
        }
    }
    return false;
}

// capture-pane leaves out the blanks at the ends of lines.
std::vector<std::string> withoutTrailingBlanks(std::vector<std::string> lines) {
    for (auto& line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
    }
    return lines;
}

bool showsPanelWithDefaults(const std::vector<std::string>& screen) {
    return withoutTrailingBlanks(screen) == withoutTrailingBlanks(panelWithDefaults);
}

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SkarvelInTmux : public ::testing::Test {
protected:
    void SetUp() override {
        if (!tmuxAvailable()) {
            GTEST_SKIP() << "tmux is not installed";
        }
        if (program.empty() || access(program.c_str(), X_OK) != 0) {
            GTEST_SKIP() << "the skarvel program is not built";
        }
        char folder[] = "/tmp/skarvel-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        scratch = folder;
    }

    void TearDown() override {
        term.reset();
        if (!scratch.empty()) {
            runCommand({"rm", "-rf", scratch});
        }
    }

    // The program alone in the terminal, on the simulated card.
    void startProgram(const std::string& environment = "") {
        term = std::make_unique<TmuxSession>(environment + " exec '" + program + "'");
        ASSERT_TRUE(term->started());
        ASSERT_TRUE(term->waitForText("Unknowing...")) << "the panel did not appear";
    }

    // A shell in the terminal that notes its modes, runs the program and notes them again, and
    // then says how the program ended.
    void startInShell(const std::string& environment = "") {
        term = std::make_unique<TmuxSession>("PS1='$ ' exec sh");
        ASSERT_TRUE(term->started());
        ASSERT_TRUE(term->waitForText("$"));
        modesBefore = term->paneFormat(terminalModes);
        term->bytes("ulimit -c 0; cd " + scratch + "; stty -g > before; clear; " + environment +
                    " '" + program + "'; echo \"ended $?\"; stty -g > after\r");
    }

    int programPid() {
        std::string shell = term->paneFormat("#{pane_pid}");
        std::string children = fileText("/proc/" + shell + "/task/" + shell + "/children");
        return std::atoi(children.c_str());
    }

    void expectTerminalAsBefore() {
        ASSERT_TRUE(term->waitForText("ended ")) << "the program did not end";
        ASSERT_TRUE(
            term->waitFor([&](const auto&) { return !fileText(scratch + "/after").empty(); }));
        EXPECT_EQ(term->paneFormat(terminalModes), modesBefore);
        EXPECT_EQ(fileText(scratch + "/after"), fileText(scratch + "/before")) << "stty settings";
    }

    harness::Watchdog watchdog{std::chrono::seconds(110)};
    std::unique_ptr<TmuxSession> term;
    std::string scratch;
    std::string modesBefore;
};

TEST_F(SkarvelInTmux, ShowsThePanelWithItsDefaults) {
    startProgram();
    EXPECT_TRUE(term->waitFor(showsPanelWithDefaults))
        << "the screen is\n"
        << [&] {
               std::string all;
               for (const auto& line : term->screen()) {
                   all += line + "\n";
               }
               return all;
           }();
}

TEST_F(SkarvelInTmux, TuningOnTheDefaultsLocksAndShowsTheReadOuts) {
    startProgram();
    ASSERT_TRUE(term->clickText("[   Tuning   ]"));
    ASSERT_TRUE(term->waitForText("Status:    Locking in Real Ch..."));
    auto screen = term->screen();
    EXPECT_TRUE(matches(screen, R"(LastLockFrequency:   593000 +\(Khz\))"));
    EXPECT_TRUE(matches(screen, R"(S/N:  \d+\(1/10 dB\))"));
    EXPECT_TRUE(matches(screen, R"(PBER: \d+\(1E-6\) +APER: \d+\(1E-6\))"));
    EXPECT_TRUE(matches(screen, R"(Loop Times:     [1-9]\d*)"));
}

TEST_F(SkarvelInTmux, LettersInTheFrequencyBringTheIntegerPrompt) {
    startProgram();
    term->keys({"Tab", "Tab"}); // to the frequency box, which selects its text
    term->bytes("59x000");
    ASSERT_TRUE(term->waitForText("[59x000"));
    ASSERT_TRUE(term->clickText("[   Tuning   ]"));
    ASSERT_TRUE(term->waitForText("Please enter an integer."));
    term->keys({"Enter"});
    EXPECT_TRUE(term->waitForNoText("Please enter an integer."));
}

TEST_F(SkarvelInTmux, AClickOnAbortEndsARunWithoutLock) {
    startProgram();
    term->keys({"Tab", "Tab"});
    term->bytes("600000"); // no transmitter there
    ASSERT_TRUE(term->clickText("[   Tuning   ]"));
    ASSERT_TRUE(term->waitForText("Searching ..."));
    ASSERT_TRUE(term->clickText("[   Abort   ]"));
    EXPECT_TRUE(term->waitForText("Status:    Aborting...."));
}

TEST_F(SkarvelInTmux, AnUnusableDeviceShowsTheDriverMessageAndNoPanel) {
    startInShell("DVBTDLL_DEVICE=/dev/nonexistent");
    ASSERT_TRUE(term->waitForText("The Driver is not installed properly"));
    EXPECT_FALSE(screenHas(term->screen(), "OFDM Parameters"));
    term->keys({"Enter"});
    expectTerminalAsBefore();
    // What the library said on standard error while the box was up shows afterwards.
    EXPECT_TRUE(term->waitForText("DVBTDLL_DEVICE=/dev/nonexistent"));
}

struct WayOut {
    const char* what;
    std::vector<std::string> keys; // or a click on `click`
    const char* click;
};

TEST_F(SkarvelInTmux, EveryWayOutLeavesTheTerminalAsItWas) {
    const std::vector<WayOut> ways{
        {"Esc", {"Escape"}, nullptr},
        {"Alt+F4", {"M-F4"}, nullptr},
        {"Ctrl+C", {"C-c"}, nullptr},
        {"a click on Exit", {}, "[<   Exit   >]"},
        {"a click on the close box", {}, "[X]"},
    };
    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.what);
        startInShell();
        ASSERT_TRUE(term->waitForText("Unknowing..."));
        ASSERT_NE(term->paneFormat(terminalModes), modesBefore)
            << "the program took the terminal over";
        if (way.click != nullptr) {
            ASSERT_TRUE(term->clickText(way.click));
        } else {
            term->keys(way.keys);
        }
        expectTerminalAsBefore();
        EXPECT_TRUE(term->waitForText("ended 0"));
    }
}

TEST_F(SkarvelInTmux, ACrashOrTerminationSignalLeavesTheTerminalAsItWas) {
    for (int signal : {SIGSEGV, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        startInShell();
        ASSERT_TRUE(term->waitForText("Unknowing..."));
        int pid = programPid();
        ASSERT_GT(pid, 0);
        ASSERT_EQ(kill(pid, signal), 0);
        expectTerminalAsBefore();
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        // A sanitizer reports a crash signal and ends the program its own way.
        EXPECT_TRUE(matches(term->screen(), "ended [1-9]"));
#else
        EXPECT_TRUE(term->waitForText("ended " + std::to_string(128 + signal)));
#endif
    }
}

TEST_F(SkarvelInTmux, ResizingRedrawsAndATooSmallTerminalAsksForMore) {
    startProgram();
    term->resize(70, 20);
    ASSERT_TRUE(
        term->waitForText("Skarvel needs a terminal of at least 79x21; this one is 70x20."));
    term->resize(80, 24);
    EXPECT_TRUE(term->waitFor(showsPanelWithDefaults));
}

TEST_F(SkarvelInTmux, SleepsWhileNothingHappens) {
    startProgram();
    std::string pid = term->paneFormat("#{pane_pid}");
    auto cpuTicks = [&] {
        std::istringstream stat(fileText("/proc/" + pid + "/stat"));
        std::string field;
        long ticks = 0;
        for (int i = 1; i <= 15 && stat >> field; ++i) {
            if (i == 14 || i == 15) { // user and system time
                ticks += std::atol(field.c_str());
            }
        }
        return ticks;
    };
    long before = cpuTicks();
    // Idleness can only be seen over time: the program's own second-long timer ticks meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    long used = cpuTicks() - before;
    EXPECT_LE(used, 15) << "clock ticks of CPU time in 1.5 s while nothing happened";
}

} // namespace
} // namespace terminaltest
