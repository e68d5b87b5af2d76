#include "tests/driver/CardTest.h"

#include "driver/Driver.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

using namespace std::chrono_literals;

void CardTest::SetUp() {
    unsetenv("DVBTDLL_DEVICE");
    setenv("DVBTDLL_SIM_SEED", "12345", 1);
    Driver::instance().useClock(clock);
    std::string testName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder = std::filesystem::temp_directory_path() /
             ("skarvel-driver-" + std::to_string(getpid()) + "-" + testName);
    std::filesystem::create_directories(folder);
}

void CardTest::TearDown() {
    DVBT_FREE_IO();
    Driver::instance().useClock(nullptr);
    unsetenv("DVBTDLL_DEVICE");
    unsetenv("DVBTDLL_SIM_SEED");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string CardTest::writeFile(const std::string& text) {
    std::filesystem::path path = folder / ("channels-" + std::to_string(++filesWritten) + ".conf");
    std::ofstream(path) << text;
    return path.string();
}

void CardTest::openBuiltIn() {
    unsetenv("DVBTDLL_DEVICE");
    ASSERT_EQ(DVBT_INIT_IO(), 1);
}

void CardTest::openWithChannels(const std::string& channels) {
    setenv("DVBTDLL_DEVICE", ("sim:" + writeFile(channels)).c_str(), 1);
    ASSERT_EQ(DVBT_INIT_IO(), 1);
}

void CardTest::tune(std::int32_t frequencyKHz, std::int32_t bandwidthCode) {
    DVBT_SetChannelParams(0, 0, bandwidthCode, 9);
    ASSERT_NE(DVBT_SetTuningValue(frequencyKHz), 0) << frequencyKHz << " kHz";
}

std::optional<std::chrono::milliseconds> CardTest::pollForLock(std::chrono::milliseconds limit) {
    for (std::chrono::milliseconds waited = 0ms; waited <= limit; waited += 10ms) {
        if (DVBT_AcquisitionTask() == 1) {
            return waited;
        }
        clock->advance(10ms);
    }
    return std::nullopt;
}

std::string dvbtEntry(const std::string& name, std::int64_t frequencyHz, std::int64_t bandwidthHz,
                      const std::string& moreLines) {
    return "[" + name +
           "]\n\tDELIVERY_SYSTEM = DVBT\n\tFREQUENCY = " + std::to_string(frequencyHz) +
           "\n\tBANDWIDTH_HZ = " + std::to_string(bandwidthHz) + "\n" + moreLines + "\n";
}
