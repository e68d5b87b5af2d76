#include "driver/Driver.h"

#include "driver/BuiltInTransmitters.h"
#include "driver/ChannelFile.h"
#include "driver/DeviceSettings.h"
#include "driver/OpenError.h"
#include "driver/SimulatedReceiver.h"
#include "driver/SteadyClock.h"
#include "driver/linux/FrontendReceiver.h"
#include "driver/linux/SystemFrontendCalls.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <utility>

namespace {

std::uint64_t freshSeed() {
    std::random_device entropy;
    return (std::uint64_t{entropy()} << 32) ^ entropy();
}

void explain(const char* why) {
    std::fprintf(stderr, "DVBTDLL: %s\n", why);
}

// A failure names the setting as the user gave it, then says why.
std::unique_ptr<Receiver> openFrontend(const std::string& path) {
    try {
        return std::make_unique<FrontendReceiver>(std::make_shared<SystemFrontendCalls>(), path);
    } catch (const OpenError& reason) {
        throw OpenError("DVBTDLL_DEVICE=" + path + ": " + reason.what());
    }
}

} // namespace

Driver& Driver::instance() {
    static Driver driver;
    return driver;
}

Driver::Driver() : clock(std::make_shared<SteadyClock>()) {}

bool Driver::open() {
    close();
    try {
        DeviceSettings settings =
            readDeviceSettings(std::getenv("DVBTDLL_DEVICE"), std::getenv("DVBTDLL_SIM_SEED"));
        if (settings.frontendPath) {
            // The device is opened before the lock is taken, like the channel file below.
            std::unique_ptr<Receiver> frontend = openFrontend(*settings.frontendPath);
            std::lock_guard guard(mutex);
            receiver = std::move(frontend);
            return true;
        }
        // The channel file is read before the lock is taken, so that a slow disk holds up no
        // other call.
        std::vector<Transmitter> transmitters =
            settings.channelFile ? readChannelFile(*settings.channelFile) : builtInTransmitters();
        std::uint64_t seed = settings.noiseSeed ? *settings.noiseSeed : freshSeed();
        std::lock_guard guard(mutex);
        receiver = std::make_unique<SimulatedReceiver>(std::move(transmitters), clock, seed);
        return true;
    } catch (const OpenError& error) {
        explain(error.what());
    } catch (const std::exception& error) {
        explain(("the card cannot be opened: " + std::string(error.what())).c_str());
    }
    return false;
}

bool Driver::close() {
    std::lock_guard guard(mutex);
    bool wasOpen = receiver != nullptr;
    receiver.reset();
    return wasOpen;
}

void Driver::useClock(std::shared_ptr<const Clock> testClock) {
    std::lock_guard guard(mutex);
    clock = testClock ? std::move(testClock) : std::make_shared<SteadyClock>();
}
