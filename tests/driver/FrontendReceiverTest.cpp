#include "driver/linux/FrontendReceiver.h"

#include "driver/OpenError.h"
#include "tests/driver/FakeFrontend.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/ioctl.h>
#include <vector>

namespace {

const std::string devicePath = "/dev/dvb/adapter0/frontend0";

// The receiver on a fake frontend that offers DVB-T from 174 to 862 MHz.
class FrontendReceiverTest : public ::testing::Test {
protected:
    std::unique_ptr<FrontendReceiver> open() {
        return std::make_unique<FrontendReceiver>(fake, devicePath);
    }

    // Opens the receiver and tunes it to `frequencyKHz` on 8 MHz, as the program does.
    std::unique_ptr<FrontendReceiver> openTuned(std::int32_t frequencyKHz = 593'000) {
        auto receiver = open();
        receiver->setChannelParams(0, 0, 0, 9);
        EXPECT_TRUE(receiver->setFrequency(frequencyKHz));
        return receiver;
    }

    std::shared_ptr<FakeFrontend> fake = std::make_shared<FakeFrontend>();
};

PropertyList tuning(std::uint32_t frequencyHz, std::uint32_t bandwidthHz) {
    return {
        {DTV_CLEAR, 0},
        {DTV_DELIVERY_SYSTEM, SYS_DVBT},
        {DTV_FREQUENCY, frequencyHz},
        {DTV_BANDWIDTH_HZ, bandwidthHz},
        {DTV_MODULATION, QAM_AUTO},
        {DTV_TRANSMISSION_MODE, TRANSMISSION_MODE_AUTO},
        {DTV_GUARD_INTERVAL, GUARD_INTERVAL_AUTO},
        {DTV_HIERARCHY, HIERARCHY_AUTO},
        {DTV_CODE_RATE_HP, FEC_AUTO},
        {DTV_CODE_RATE_LP, FEC_AUTO},
        {DTV_INVERSION, INVERSION_AUTO},
        {DTV_TUNE, 0},
    };
}

std::array<std::int32_t, 6> asArray(const Receiver::OfdmCodes& codes) {
    return {codes.transmissionMode, codes.guardInterval, codes.constellation,
            codes.hierarchy,        codes.priority,      codes.codeRate};
}

} // namespace

TEST_F(FrontendReceiverTest, OpensReadWriteSelectsDvbtAndClosesAtTheEnd) {
    fake->deliverySystems = {SYS_DVBC_ANNEX_A, SYS_DVBT, SYS_DVBT2};
    auto receiver = open();
    EXPECT_EQ(fake->openedPath, devicePath);
    EXPECT_EQ(fake->openFlags & O_ACCMODE, O_RDWR);
    EXPECT_NE(fake->openFlags & O_NONBLOCK, 0) << "opening must not wait for another program";
    EXPECT_EQ(fake->settings, (std::vector<PropertyList>{{{DTV_DELIVERY_SYSTEM, SYS_DVBT}}}));
    EXPECT_EQ(receiver->lastLockFrequencyKHz(), 0);
    EXPECT_FALSE(receiver->acquisitionStep()) << "nothing tuned yet";

    receiver.reset();
    EXPECT_FALSE(fake->isOpen);
    EXPECT_EQ(fake->closes, 1);
}

TEST_F(FrontendReceiverTest, FailedOpeningsSayWhyAndLeaveNothingOpen) {
    struct Case {
        const char* name;
        std::function<void(FakeFrontend&)> arrange;
        std::string message;
    };
    const Case cases[] = {
        {"no device", [](FakeFrontend& f) { f.openError = ENOENT; }, "no such device"},
        {"no driver", [](FakeFrontend& f) { f.openError = ENODEV; }, "no such device"},
        {"no access", [](FakeFrontend& f) { f.openError = EACCES; },
         "permission denied; the user needs read and write access to the device, typically as "
         "a member of the video group"},
        {"not permitted", [](FakeFrontend& f) { f.openError = EPERM; },
         "permission denied; the user needs read and write access to the device, typically as "
         "a member of the video group"},
        {"held by another program", [](FakeFrontend& f) { f.openError = EBUSY; },
         "device busy; another program holds the frontend"},
        {"other error", [](FakeFrontend& f) { f.openError = EIO; },
         "cannot be opened: Input/output error"},
        {"not a frontend", [](FakeFrontend& f) { f.requestErrors[FE_GET_PROPERTY] = ENOTTY; },
         "not a DVB frontend"},
        {"no DVB-T",
         [](FakeFrontend& f) {
             f.deliverySystems = {SYS_DVBC_ANNEX_A, SYS_DVBS2};
         },
         "not a DVB-T frontend"},
        {"no delivery system at all", [](FakeFrontend& f) { f.deliverySystems = {}; },
         "not a DVB-T frontend"},
        {"DVB-T refused", [](FakeFrontend& f) { f.propertyErrors[DTV_DELIVERY_SYSTEM] = EINVAL; },
         "DVB-T cannot be selected: Invalid argument"},
        {"no range", [](FakeFrontend& f) { f.requestErrors[FE_GET_INFO] = EIO; },
         "the tuning range cannot be read: Input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake = std::make_shared<FakeFrontend>();
        c.arrange(*fake);
        try {
            open();
            ADD_FAILURE() << "opened";
        } catch (const OpenError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
        EXPECT_FALSE(fake->isOpen);
    }
}

TEST_F(FrontendReceiverTest, TuningSendsTheWholeSettingAndBandwidthsTakeEffectAtOnce) {
    auto receiver = open();
    std::size_t sent = fake->settings.size();
    receiver->setChannelParams(0, 0, 2, 9);
    receiver->resetTuner();
    EXPECT_EQ(fake->settings.size(), sent) << "nothing to tune before a frequency is set";

    ASSERT_TRUE(receiver->setFrequency(593'000));
    EXPECT_EQ(fake->settings.back(), tuning(593'000'000, 6'000'000));

    receiver->setChannelParams(0, 0, 1, 9);
    EXPECT_EQ(fake->settings.back(), tuning(593'000'000, 7'000'000));
    receiver->setChannelParams(0, 0, 0, 9);
    EXPECT_EQ(fake->settings.back(), tuning(593'000'000, 8'000'000));

    sent = fake->settings.size();
    receiver->setChannelParams(0, 0, 3, 9);
    receiver->setChannelParams(0, 0, -1, 9);
    EXPECT_EQ(fake->settings.size(), sent) << "an unknown bandwidth code changes nothing";

    receiver->resetTuner();
    EXPECT_EQ(fake->settings.size(), sent + 1);
    EXPECT_EQ(fake->settings.back(), tuning(593'000'000, 8'000'000));
}

TEST_F(FrontendReceiverTest, FrequenciesOutsideTheRangeOrRejectedByTheKernelAreRefused) {
    struct Case {
        std::int32_t frequencyKHz;
        std::uint32_t maximumHz;
        int kernelError;
        bool accepted;
    };
    const Case cases[] = {
        {174'000, 862'000'000, 0, true},
        {173'999, 862'000'000, 0, false},
        {862'000, 862'000'000, 0, true},
        {862'001, 862'000'000, 0, false},
        {0, 862'000'000, 0, false},
        {-474'000, 862'000'000, 0, false},
        {2'000'000, 0, 0, true},  // A driver that sets no upper limit.
        {4'294'968, 0, 0, false}, // Beyond what the kernel's 32 bits of Hz hold.
        {593'000, 862'000'000, EINVAL, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.frequencyKHz << " kHz, kernel error " << c.kernelError);
        fake = std::make_shared<FakeFrontend>();
        fake->maximumHz = c.maximumHz;
        auto receiver = openTuned(474'000);
        if (c.kernelError != 0) {
            fake->propertyErrors[DTV_TUNE] = c.kernelError;
        }
        EXPECT_EQ(receiver->setFrequency(c.frequencyKHz), c.accepted);
        fake->propertyErrors.clear();

        receiver->resetTuner();
        std::uint32_t expectedHz =
            static_cast<std::uint32_t>(c.accepted ? c.frequencyKHz : 474'000) * 1000;
        EXPECT_EQ(fake->settings.back(), tuning(expectedHz, 8'000'000))
            << "a refused frequency changes nothing";
    }
}

TEST_F(FrontendReceiverTest, LockIsTheLockBitAndItsFrequencyIsTheFrontends) {
    struct Case {
        std::uint32_t status;
        int error;
        bool locked;
    };
    const Case cases[] = {
        {0, 0, false},
        {FE_HAS_SIGNAL | FE_HAS_CARRIER | FE_HAS_VITERBI | FE_HAS_SYNC, 0, false},
        {FE_HAS_SIGNAL | FE_HAS_CARRIER | FE_HAS_VITERBI | FE_HAS_SYNC | FE_HAS_LOCK, 0, true},
        {FE_HAS_LOCK, 0, true},
        {FE_TIMEDOUT, 0, false},
        {FE_HAS_LOCK, EIO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "status " << c.status << ", error " << c.error);
        fake = std::make_shared<FakeFrontend>();
        fake->status = FE_HAS_LOCK;
        auto receiver = open();
        EXPECT_FALSE(receiver->acquisitionStep()) << "a lock nobody tuned for";
        receiver->setFrequency(593'000);
        fake->status = c.status;
        if (c.error != 0) {
            fake->requestErrors[FE_READ_STATUS] = c.error;
        }
        EXPECT_EQ(receiver->acquisitionStep(), c.locked);
        EXPECT_EQ(receiver->lastLockFrequencyKHz(), c.locked ? 593'000 : 0);
    }

    // The frontend reports where it locked, which may lie beside the frequency asked for.
    fake = std::make_shared<FakeFrontend>();
    auto receiver = openTuned(593'000);
    fake->status = FE_HAS_LOCK;
    fake->values[DTV_FREQUENCY] = 593'166'667;
    EXPECT_TRUE(receiver->acquisitionStep());
    EXPECT_EQ(receiver->lastLockFrequencyKHz(), 593'167);
    receiver->setFrequency(626'000);
    fake->status = 0;
    EXPECT_FALSE(receiver->acquisitionStep());
    EXPECT_EQ(receiver->lastLockFrequencyKHz(), 593'167) << "the last lock stays";
    fake->status = FE_HAS_LOCK;
    fake->propertyErrors[DTV_FREQUENCY] = EIO;
    EXPECT_TRUE(receiver->acquisitionStep());
    EXPECT_EQ(receiver->lastLockFrequencyKHz(), 626'000) << "without a report, the tuned one";
}

TEST_F(FrontendReceiverTest, ReadBackGivesTheFrontendsInversionAndOfdmSettings) {
    auto receiver = openTuned();
    receiver->setChannelParams(3, 4, 1, 9);
    Receiver::ChannelParams params = receiver->channelParams();
    EXPECT_EQ(params.first, 3);
    EXPECT_EQ(params.second, 4);
    EXPECT_EQ(params.bandwidthCode, 1);
    EXPECT_EQ(params.spectrumInversion, 2) << "the tuning left the inversion on AUTO";
    EXPECT_EQ(asArray(receiver->ofdmCodes()), (std::array<std::int32_t, 6>{-1, -1, -1, -1, 0, -1}))
        << "the tuning left every setting on AUTO";

    struct Case {
        std::uint32_t inversion;
        std::int32_t inversionCode;
        std::array<std::uint32_t, 5> kernel; // mode, guard, modulation, hierarchy, HP rate
        std::array<std::int32_t, 6> codes;
    };
    const Case cases[] = {
        {INVERSION_ON,
         1,
         {TRANSMISSION_MODE_8K, GUARD_INTERVAL_1_4, QAM_64, HIERARCHY_NONE, FEC_7_8},
         {1, 3, 2, 0, 0, 4}},
        {INVERSION_OFF,
         0,
         {TRANSMISSION_MODE_2K, GUARD_INTERVAL_1_16, QAM_16, HIERARCHY_2, FEC_5_6},
         {0, 1, 1, 2, 0, 3}},
    };
    for (const Case& c : cases) {
        fake->values[DTV_INVERSION] = c.inversion;
        fake->values[DTV_TRANSMISSION_MODE] = c.kernel[0];
        fake->values[DTV_GUARD_INTERVAL] = c.kernel[1];
        fake->values[DTV_MODULATION] = c.kernel[2];
        fake->values[DTV_HIERARCHY] = c.kernel[3];
        fake->values[DTV_CODE_RATE_HP] = c.kernel[4];
        fake->values[DTV_CODE_RATE_LP] = FEC_1_2;
        EXPECT_EQ(receiver->channelParams().spectrumInversion, c.inversionCode);
        EXPECT_EQ(asArray(receiver->ofdmCodes()), c.codes) << "inversion " << c.inversion;
    }

    fake->requestErrors[FE_GET_PROPERTY] = EIO;
    EXPECT_EQ(receiver->channelParams().spectrumInversion, 2);
    EXPECT_EQ(asArray(receiver->ofdmCodes()),
              (std::array<std::int32_t, 6>{-1, -1, -1, -1, -1, -1}));
}

TEST_F(FrontendReceiverTest, SignalToNoiseFromTheCnrInDecibelsElseTheOldRequest) {
    struct Case {
        const char* name;
        dtv_fe_stats cnr;
        std::optional<std::uint16_t> oldSnr;
        int oldSnrError;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {"C/N in dB", statistic(FE_SCALE_DECIBEL, 33'740), 0x1234, 0, 337},
        {"C/N not available", statistic(FE_SCALE_NOT_AVAILABLE), 0x1234, 0, 0x1234},
        {"C/N relative", statistic(FE_SCALE_RELATIVE, 40'000), 0x1234, 0, 0x1234},
        {"no C/N values", dtv_fe_stats{}, 0x1234, 0, 0x1234},
        {"neither, errno 524", statistic(FE_SCALE_NOT_AVAILABLE), std::nullopt, 0, 0},
        {"neither, EOPNOTSUPP", statistic(FE_SCALE_NOT_AVAILABLE), 0x1234, EOPNOTSUPP, 0},
    };
    auto receiver = openTuned();
    for (const Case& c : cases) {
        fake->statistics[DTV_STAT_CNR] = c.cnr;
        fake->snr = c.oldSnr;
        fake->requestErrors.erase(FE_READ_SNR);
        if (c.oldSnrError != 0) {
            fake->requestErrors[FE_READ_SNR] = c.oldSnrError;
        }
        Receiver::SignalToNoise result = receiver->signalToNoise();
        EXPECT_EQ(result.tenthsOfDb, c.expected) << c.name;
        EXPECT_EQ(result.reserved, 0) << c.name;
    }
}

TEST_F(FrontendReceiverTest, ErrorRatesFromCounterDifferencesElseTheOldRequest) {
    struct Case {
        const char* name;
        std::array<dtv_fe_stats, 4> counters; // pre errors, pre total, post errors, post total
        std::optional<std::uint32_t> oldBer;
        std::uint32_t before;
        std::uint32_t after;
    };
    const auto count = [](std::int64_t value) { return statistic(FE_SCALE_COUNTER, value); };
    const dtv_fe_stats none = statistic(FE_SCALE_NOT_AVAILABLE);
    const Case cases[] = {
        {"counters", {count(400), count(1'000'000), count(3), count(1'000'000)}, 77, 400, 3},
        {"standing still", {count(400), count(1'000'000), count(3), count(1'000'000)}, 77, 400, 3},
        {"moving on", {count(600), count(2'000'000), count(3), count(3'000'000)}, 77, 200, 0},
        {"pre-Viterbi missing", {none, none, count(5), count(4'000'000)}, 77, 77, 2},
        {"none", {none, none, none, none}, 77, 77, 77},
        {"nothing at all", {none, none, none, none}, std::nullopt, 0, 0},
    };
    auto receiver = openTuned();
    for (const Case& c : cases) {
        fake->statistics[DTV_STAT_PRE_ERROR_BIT_COUNT] = c.counters[0];
        fake->statistics[DTV_STAT_PRE_TOTAL_BIT_COUNT] = c.counters[1];
        fake->statistics[DTV_STAT_POST_ERROR_BIT_COUNT] = c.counters[2];
        fake->statistics[DTV_STAT_POST_TOTAL_BIT_COUNT] = c.counters[3];
        fake->ber = c.oldBer;
        Receiver::ErrorRates rates = receiver->errorRates();
        EXPECT_EQ(rates.beforeViterbi, c.before) << c.name;
        EXPECT_EQ(rates.afterViterbi, c.after) << c.name;
        EXPECT_EQ(rates.reserved, 0u) << c.name;
    }
}

// An unplugged card: the first request that finds the device gone closes it, and from then on
// every operation answers as for no lock, without reaching the kernel again.
TEST_F(FrontendReceiverTest, UnpluggedDeviceGivesNoLockRefusalsAndZeros) {
    auto receiver = openTuned();
    fake->status = FE_HAS_LOCK;
    fake->statistics[DTV_STAT_CNR] = statistic(FE_SCALE_DECIBEL, 30'000);
    fake->statistics[DTV_STAT_PRE_ERROR_BIT_COUNT] = statistic(FE_SCALE_COUNTER, 50);
    fake->statistics[DTV_STAT_PRE_TOTAL_BIT_COUNT] = statistic(FE_SCALE_COUNTER, 1'000);
    ASSERT_TRUE(receiver->acquisitionStep());
    ASSERT_NE(receiver->errorRates().beforeViterbi, 0u);

    fake->unplug();
    EXPECT_FALSE(receiver->acquisitionStep());
    EXPECT_FALSE(fake->isOpen) << "the descriptor of a vanished device is released";
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_FALSE(receiver->acquisitionStep());
        EXPECT_FALSE(receiver->setFrequency(593'000));
        receiver->setChannelParams(0, 0, 2, 9);
        receiver->resetTuner();
        EXPECT_EQ(receiver->channelParams().spectrumInversion, 2);
        EXPECT_EQ(asArray(receiver->ofdmCodes()),
                  (std::array<std::int32_t, 6>{-1, -1, -1, -1, -1, -1}));
        EXPECT_EQ(receiver->signalToNoise().tenthsOfDb, 0);
        Receiver::ErrorRates rates = receiver->errorRates();
        EXPECT_EQ(rates.beforeViterbi, 0u);
        EXPECT_EQ(rates.afterViterbi, 0u);
        EXPECT_EQ(receiver->lastLockFrequencyKHz(), 0);
    }
    EXPECT_EQ(fake->requestsAfterUnplug, 1);
    receiver.reset();
    EXPECT_EQ(fake->closes, 1) << "closed once only";
}
