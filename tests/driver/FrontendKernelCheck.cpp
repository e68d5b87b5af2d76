// The driver library on a real kernel's DVB-T frontend: the kernel's virtual frontend (vidtv),
// which scripts/dvb-vm-check.sh loads in a throw-away virtual machine. The check calls the eleven
// operations as the program does, prints each finding and exits with 0 when all of them held.
//
//     DVBTDLL_DEVICE=/dev/dvb/adapter0/frontend0 frontend_kernel_check SERVED OTHER UNSERVED
//
// SERVED and OTHER are frequencies in kHz on which the frontend locks, UNSERVED one in its range
// on which it does not. Beside the library, the check opens the frontend itself: read-only, as an
// observer of the settings that reach the kernel, and read-write where it plays another program.

#include "driver/DVBTDLL.h"

#include <linux/dvb/frontend.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// What vidtv reports for C/N on a served frequency with automatic settings: 34 dB less up to 2 %,
// in tenths of a dB.
constexpr int lowestCnr = 333;
constexpr int highestCnr = 340;

// The longest that any operation may take, even in a virtual machine without acceleration: the
// operations make only requests that the kernel answers at once.
constexpr auto promptLimit = 250ms;

int failures = 0;

void check(bool held, const std::string& what) {
    std::printf("%s %s\n", held ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!held) {
        ++failures;
    }
}

std::string show(const int32_t* values, std::size_t count) {
    std::string text = "{";
    for (std::size_t i = 0; i < count; ++i) {
        text += i ? ", " : "";
        text += std::to_string(values[i]);
    }
    return text + "}";
}

// Polls as the program's acquisition worker does: one step, then a 10 ms pause. Gives the number
// of pauses before the lock.
std::optional<int> pollForLock(std::chrono::milliseconds limit) {
    for (int pauses = 0; pauses * 10ms <= limit; ++pauses) {
        if (DVBT_AcquisitionTask() == 1) {
            return pauses;
        }
        std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
}

void checkLock(int32_t frequencyKHz, const std::string& what) {
    std::optional<int> pauses = pollForLock(3s);
    check(pauses.has_value(), what + ": lock on " + std::to_string(frequencyKHz) + " kHz" +
                                  (pauses ? " after " + std::to_string(*pauses) + " pauses" : ""));
    int32_t lastLock = DVBT_GetLastLockFrequency();
    check(lastLock == frequencyKHz, what + ": last lock frequency " + std::to_string(lastLock));
}

int32_t inversionCode() {
    int32_t params[4] = {0, 0, 9, 9};
    DVBT_GetChannelParams(&params[0], &params[1], &params[2], &params[3]);
    return params[3];
}

int32_t bandwidthCode() {
    int32_t params[4] = {0, 0, 9, 9};
    DVBT_GetChannelParams(&params[0], &params[1], &params[2], &params[3]);
    return params[2];
}

std::array<int32_t, 6> ofdmCodes() {
    std::array<int32_t, 6> c{9, 9, 9, 9, 9, 9};
    DVBT_GetOfdmParams(&c[0], &c[1], &c[2], &c[3], &c[4], &c[5]);
    return c;
}

// The frontend as another program holds it, through the kernel's DVB API directly.
class RawFrontend {
public:
    RawFrontend(const char* path, int flags) : descriptor(::open(path, flags)) {
        error = descriptor < 0 ? errno : 0;
    }
    ~RawFrontend() {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
    RawFrontend(const RawFrontend&) = delete;
    RawFrontend& operator=(const RawFrontend&) = delete;

    bool isOpen() const { return descriptor >= 0; }
    int openError() const { return error; }

    bool set(std::vector<std::pair<uint32_t, uint32_t>> settings) {
        std::vector<dtv_property> properties(settings.size());
        for (std::size_t i = 0; i < settings.size(); ++i) {
            properties[i].cmd = settings[i].first;
            properties[i].u.data = settings[i].second;
        }
        dtv_properties list{static_cast<uint32_t>(properties.size()), properties.data()};
        return ::ioctl(descriptor, FE_SET_PROPERTY, &list) == 0;
    }

    // The kernel's value of a property; UINT32_MAX when it cannot be read.
    uint32_t get(uint32_t command) {
        dtv_property property{};
        property.cmd = command;
        dtv_properties list{1, &property};
        return ::ioctl(descriptor, FE_GET_PROPERTY, &list) == 0 ? property.u.data : UINT32_MAX;
    }

    std::optional<dvb_frontend_info> info() {
        dvb_frontend_info info{};
        if (::ioctl(descriptor, FE_GET_INFO, &info) != 0) {
            return std::nullopt;
        }
        return info;
    }

private:
    int descriptor;
    int error;
};

// Runs `action` with standard error going to a file, and gives what it wrote there.
template <typename Action> std::string capturedStderr(Action action) {
    std::fflush(stderr);
    int saved = ::dup(2);
    std::FILE* file = std::tmpfile();
    if (saved < 0 || !file) {
        return "(standard error could not be captured)";
    }
    ::dup2(::fileno(file), 2);
    action();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

void checkBusyAndKernelNumbering(const char* device, int32_t servedKHz) {
    // Another program tunes with definite settings and keeps the frontend.
    RawFrontend other(device, O_RDWR);
    check(other.isOpen(), "another program opens the frontend read-write");
    check(other.set({{DTV_CLEAR, 0},
                     {DTV_DELIVERY_SYSTEM, SYS_DVBT},
                     {DTV_FREQUENCY, static_cast<uint32_t>(servedKHz) * 1000},
                     {DTV_BANDWIDTH_HZ, 8'000'000},
                     {DTV_MODULATION, QAM_64},
                     {DTV_TRANSMISSION_MODE, TRANSMISSION_MODE_8K},
                     {DTV_GUARD_INTERVAL, GUARD_INTERVAL_1_4},
                     {DTV_HIERARCHY, HIERARCHY_NONE},
                     {DTV_CODE_RATE_HP, FEC_7_8},
                     {DTV_CODE_RATE_LP, FEC_NONE},
                     {DTV_INVERSION, INVERSION_ON},
                     {DTV_TUNE, 0}}),
          "it tunes with QAM_64, FEC_7_8, 8K, 1/4, no hierarchy and inversion on");

    int32_t opened = 1;
    std::string message = capturedStderr([&] { opened = DVBT_INIT_IO(); });
    if (!message.empty() && message.back() == '\n') {
        message.pop_back();
    }
    check(opened == 0 && message.find("device busy") != std::string::npos,
          "DVBT_INIT_IO refuses the frontend that another program holds: \"" + message + "\"");
}

void checkRange(RawFrontend& observer) {
    std::optional<dvb_frontend_info> info = observer.info();
    check(info.has_value(), "the frontend gives its range");
    if (!info) {
        return;
    }
    auto lowest = static_cast<int32_t>((info->frequency_min + 999) / 1000);
    auto highest = static_cast<int32_t>(info->frequency_max / 1000);
    std::printf("     the frontend covers %d to %d kHz\n", lowest, highest);
    check(DVBT_SetTuningValue(lowest - 1) == 0, "refuses " + std::to_string(lowest - 1) + " kHz");
    check(DVBT_SetTuningValue(highest + 1) == 0, "refuses " + std::to_string(highest + 1) + " kHz");
    check(DVBT_SetTuningValue(lowest) != 0, "accepts " + std::to_string(lowest) + " kHz");
    check(DVBT_SetTuningValue(highest) != 0, "accepts " + std::to_string(highest) + " kHz");
}

void checkMeasurements() {
    std::string values;
    bool inRange = true;
    for (int read = 0; read < 10; ++read) {
        uint16_t cnr = 0;
        uint16_t reserved = 9;
        DVBT_GetSN(&cnr, &reserved);
        inRange = inRange && cnr >= lowestCnr && cnr <= highestCnr && reserved == 0;
        values += read ? " " : "";
        values += std::to_string(cnr);
    }
    check(inRange, "C/N in tenths of a dB within " + std::to_string(lowestCnr) + " to " +
                       std::to_string(highestCnr) + ": " + values);
    uint32_t rates[3] = {9, 9, 9};
    DVBT_GetBer(&rates[0], &rates[1], &rates[2]);
    // vidtv counts bits only while a demultiplexer filter streams, and none does here.
    check(rates[0] == 0 && rates[1] == 0 && rates[2] == 0,
          "PBER " + std::to_string(rates[0]) + ", APER " + std::to_string(rates[1]) +
              " from counters that stand at zero");
}

void checkBandwidthAndReset(RawFrontend& observer, int32_t servedKHz, int32_t otherKHz) {
    auto kernelSays = [&](uint32_t frequencyHz, uint32_t bandwidthHz) {
        uint32_t frequency = observer.get(DTV_FREQUENCY);
        uint32_t bandwidth = observer.get(DTV_BANDWIDTH_HZ);
        return std::make_pair(frequency == frequencyHz && bandwidth == bandwidthHz,
                              " (the kernel has " + std::to_string(frequency) + " Hz, " +
                                  std::to_string(bandwidth) + " Hz wide)");
    };
    const std::pair<int32_t, uint32_t> bandwidths[] = {{2, 6'000'000}, {1, 7'000'000}};
    for (auto [code, hz] : bandwidths) {
        check(DVBT_SetChannelParams(0, 0, code, 9) != 0, "bandwidth code " + std::to_string(code));
        auto [held, seen] = kernelSays(static_cast<uint32_t>(servedKHz) * 1000, hz);
        check(held, "the frontend is tuned again at once to " + std::to_string(hz) + " Hz" + seen);
        check(bandwidthCode() == code, "DVBT_GetChannelParams gives the bandwidth code");
        checkLock(servedKHz, "after the bandwidth change");
    }

    DVBT_SetChannelParams(0, 0, 2, 9);
    check(DVBT_SetTuningValue(otherKHz) != 0, "tunes to " + std::to_string(otherKHz) + " kHz");
    checkLock(otherKHz, "on the other served frequency");
    check(DVBT_ResetTuner() != 0, "DVBT_ResetTuner");
    auto [held, seen] = kernelSays(static_cast<uint32_t>(otherKHz) * 1000, 6'000'000);
    check(held, "Reset Tuner tunes the last frequency and bandwidth again" + seen);
    checkLock(otherKHz, "after Reset Tuner");
}

void checkNoLock(int32_t unservedKHz, int32_t lastLockKHz) {
    check(DVBT_SetTuningValue(unservedKHz) != 0, "accepts " + std::to_string(unservedKHz) + " kHz");
    check(!pollForLock(1s), "no lock on " + std::to_string(unservedKHz) + " kHz in 1 s");
    uint16_t cnr = 9;
    uint16_t reserved = 9;
    DVBT_GetSN(&cnr, &reserved);
    uint32_t rates[3] = {9, 9, 9};
    DVBT_GetBer(&rates[0], &rates[1], &rates[2]);
    check(cnr == 0 && rates[0] == 0 && rates[1] == 0,
          "without a lock no C/N and no error rates (errno 524 for the old requests): " +
              std::to_string(cnr) + ", " + std::to_string(rates[0]) + ", " +
              std::to_string(rates[1]));
    check(DVBT_GetLastLockFrequency() == lastLockKHz, "the last lock frequency stays");
}

// The program's worker polls the acquisition while its window thread presses the bandwidth
// buttons and Reset Tuner and reads the measurements.
void checkTwoThreads(int32_t servedKHz) {
    DVBT_SetChannelParams(0, 0, 0, 9);
    DVBT_SetTuningValue(servedKHz);
    std::atomic<bool> pressing{true};
    std::atomic<int> pollsWhilePressing{0};
    std::atomic<bool> workerLocked{false};
    std::atomic<long long> slowestMicroseconds{0};
    auto timed = [&](auto operation) {
        Clock::time_point start = Clock::now();
        auto result = operation();
        long long took =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
        long long slowest = slowestMicroseconds.load();
        while (took > slowest && !slowestMicroseconds.compare_exchange_weak(slowest, took)) {
        }
        return result;
    };
    // Every press tunes again, which drops the lock until the frontend finds it anew, so the
    // worker polls on until it sees the lock after the last press.
    std::thread worker([&] {
        std::optional<Clock::time_point> pressesEnded;
        while (true) {
            bool duringPresses = pressing;
            bool locked = timed([] { return DVBT_AcquisitionTask(); }) == 1;
            if (duringPresses) {
                ++pollsWhilePressing;
            } else if (locked) {
                workerLocked = true;
                return;
            } else if (!pressesEnded) {
                pressesEnded = Clock::now();
            } else if (Clock::now() - *pressesEnded > 3s) {
                return;
            }
            std::this_thread::sleep_for(1ms);
        }
    });
    bool allAnswered = true;
    constexpr int presses = 1000;
    for (int press = 0; press < presses; ++press) {
        allAnswered =
            timed([&] { return DVBT_SetChannelParams(0, 0, press % 3, 9); }) != 0 && allAnswered;
        allAnswered = timed([] { return DVBT_ResetTuner(); }) != 0 && allAnswered;
        uint16_t cnr = 0;
        uint32_t rates[2] = {0, 0};
        timed([&] { return DVBT_GetSN(&cnr, nullptr); });
        timed([&] { return DVBT_GetBer(&rates[0], &rates[1], nullptr); });
        timed([] { return ofdmCodes(); });
        timed([] { return DVBT_GetLastLockFrequency(); });
    }
    pressing = false;
    worker.join();
    check(allAnswered && pollsWhilePressing > 0,
          "two threads at once: " + std::to_string(2 * presses) +
              " bandwidth changes and resets answered while the worker polled " +
              std::to_string(pollsWhilePressing) + " times");
    check(workerLocked, "two threads at once: the worker sees the lock after the last press");
    auto slowest = std::chrono::microseconds(slowestMicroseconds.load());
    check(slowest < promptLimit,
          "two threads at once: the slowest call took " + std::to_string(slowest.count()) + " us");
    int32_t lastLock = DVBT_GetLastLockFrequency();
    check(lastLock == servedKHz,
          "two threads at once: last lock frequency " + std::to_string(lastLock));
}

void checkReopen(const char* device, int32_t servedKHz) {
    check(DVBT_FREE_IO() != 0, "DVBT_FREE_IO");
    check(DVBT_AcquisitionTask() == 0 && DVBT_SetTuningValue(servedKHz) == 0,
          "a closed card has no lock and refuses every frequency");
    {
        RawFrontend other(device, O_RDWR);
        check(other.isOpen(), "the frontend is free for another program");
    }
    check(DVBT_INIT_IO() != 0, "DVBT_INIT_IO opens it again");
    check(DVBT_GetLastLockFrequency() == 0 && DVBT_AcquisitionTask() == 0,
          "the card starts afresh: no last lock, no lock before a tuning");
    DVBT_SetChannelParams(0, 0, 0, 9);
    check(DVBT_SetTuningValue(servedKHz) != 0, "tunes to " + std::to_string(servedKHz) + " kHz");
    checkLock(servedKHz, "after the re-opening");
    check(DVBT_FREE_IO() != 0, "DVBT_FREE_IO at the end");
}

} // namespace

int main(int argc, char** argv) {
    const char* device = std::getenv("DVBTDLL_DEVICE");
    if (argc != 4 || !device || device[0] != '/') {
        std::fprintf(stderr,
                     "usage: DVBTDLL_DEVICE=/dev/dvb/adapterN/frontendM %s SERVED_KHZ "
                     "OTHER_SERVED_KHZ UNSERVED_KHZ\n",
                     argv[0]);
        return 2;
    }
    const int32_t servedKHz = std::atoi(argv[1]);
    const int32_t otherKHz = std::atoi(argv[2]);
    const int32_t unservedKHz = std::atoi(argv[3]);
    std::printf("     the driver library on %s\n", device);

    checkBusyAndKernelNumbering(device, servedKHz);

    check(DVBT_INIT_IO() != 0, "DVBT_INIT_IO opens the frontend once it is free");
    check(DVBT_AcquisitionTask() == 0 && DVBT_GetLastLockFrequency() == 0,
          "no lock and no last lock before the library tunes");
    // The other program's settings stay in the kernel until the library tunes; they show the
    // translation of the kernel's own values.
    std::array<int32_t, 6> codes = ofdmCodes();
    check(codes == std::array<int32_t, 6>{1, 3, 2, 0, 0, 4},
          "OFDM codes of those settings (8K, 1/4, 64QAM, none, high, 7/8) " +
              show(codes.data(), codes.size()));
    check(inversionCode() == 1,
          "inversion of those settings: " + std::to_string(inversionCode()) + " (on)");

    RawFrontend observer(device, O_RDONLY);
    check(observer.isOpen(), "an observer opens the frontend read-only");
    checkRange(observer);

    DVBT_SetChannelParams(0, 0, 0, 9);
    check(DVBT_SetTuningValue(servedKHz) != 0, "tunes to " + std::to_string(servedKHz) + " kHz");
    checkLock(servedKHz, "on a served frequency");
    // The library leaves every setting to the demodulator, and vidtv reports them as given.
    check(inversionCode() == 2,
          "inversion as the frontend reports it: " + std::to_string(inversionCode()) + " (AUTO)");
    codes = ofdmCodes();
    check(codes == std::array<int32_t, 6>{-1, -1, -1, -1, 0, -1},
          "OFDM codes as the frontend reports them, all AUTO but the priority: " +
              show(codes.data(), codes.size()));
    checkMeasurements();

    checkBandwidthAndReset(observer, servedKHz, otherKHz);
    checkNoLock(unservedKHz, otherKHz);
    checkTwoThreads(servedKHz);
    checkReopen(device, servedKHz);

    std::printf("%s: %d failed\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
