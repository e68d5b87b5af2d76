#pragma once

#include "driver/DVBTDLL.h"
#include "driver/ManualClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// A test of the driver library through its eleven operations, with the simulated card on a clock
// that only the test moves and with a fixed noise seed. The card is closed and the environment
// restored after every test.
class CardTest : public ::testing::Test {
protected:
    static constexpr std::int32_t code8Mhz = 0;
    static constexpr std::int32_t code7Mhz = 1;
    static constexpr std::int32_t code6Mhz = 2;

    void SetUp() override;
    void TearDown() override;

    // Writes `text` to a fresh file and returns its path.
    std::string writeFile(const std::string& text);

    // Opens the card on the built-in transmitters, or on a channel file holding `channels`.
    void openBuiltIn();
    void openWithChannels(const std::string& channels);

    // Sets the bandwidth and the frequency as the program's tuning run does.
    void tune(std::int32_t frequencyKHz, std::int32_t bandwidthCode);

    // Polls as the program's acquisition worker does, one step every 10 ms of the test clock, for
    // at most `limit`. Gives the time from the first step to the first locked one.
    std::optional<std::chrono::milliseconds>
    pollForLock(std::chrono::milliseconds limit = std::chrono::seconds(2));

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();

private:
    std::filesystem::path folder;
    int filesWritten = 0;
};

// A DVB-T entry of a channel file: FREQUENCY and BANDWIDTH_HZ followed by `moreLines` as given.
std::string dvbtEntry(const std::string& name, std::int64_t frequencyHz, std::int64_t bandwidthHz,
                      const std::string& moreLines = "");
