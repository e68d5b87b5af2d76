#include "tests/driver/CardTest.h"

#include <array>

namespace {

using OfdmCodes = std::array<std::int32_t, 6>;

OfdmCodes readOfdmCodes() {
    OfdmCodes codes{7, 7, 7, 7, 7, 7};
    DVBT_GetOfdmParams(&codes[0], &codes[1], &codes[2], &codes[3], &codes[4], &codes[5]);
    return codes;
}

// Lines 1 to 3 of most of the files below.
const std::string entryStart = "[A]\n\tDELIVERY_SYSTEM = DVBT\n\tFREQUENCY = 474000000\n";

} // namespace

using ChannelFileTest = CardTest;

TEST_F(ChannelFileTest, FileWrittenByTheStandardToolsLoadsAsItIs) {
    setenv("DVBTDLL_DEVICE", "sim:" SKARVEL_DRIVER_TEST_DATA "/dvbv5-scan-sample.conf", 1);
    ::testing::internal::CaptureStderr();
    ASSERT_EQ(DVBT_INIT_IO(), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    struct Case {
        std::int32_t frequencyKHz;
        bool locks;
        OfdmCodes codes;
    };
    // The second multiplex carries DVB-T2 only, which the card skips.
    const Case cases[] = {
        {538'000, true, {1, 3, 1, 0, 0, 1}},
        {690'000, true, {1, 0, 2, 0, 0, 2}},
        {626'000, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tuned to " << c.frequencyKHz << " kHz");
        tune(c.frequencyKHz, code8Mhz);
        ASSERT_EQ(pollForLock().has_value(), c.locks);
        if (c.locks) {
            EXPECT_EQ(readOfdmCodes(), c.codes);
        }
    }
}

TEST_F(ChannelFileTest, AbsentAndAutoParametersTakeTypicalValues) {
    openWithChannels("[absent]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 474000000\n"
                     "[auto]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 482000000\n"
                     "BANDWIDTH_HZ = 8000000\nMODULATION = QAM/AUTO\nTRANSMISSION_MODE = AUTO\n"
                     "GUARD_INTERVAL = AUTO\nHIERARCHY = AUTO\nCODE_RATE_HP = AUTO\n"
                     "CODE_RATE_LP = AUTO\nINVERSION = AUTO\n");
    for (std::int32_t frequencyKHz : {474'000, 482'000}) {
        SCOPED_TRACE(::testing::Message() << "tuned to " << frequencyKHz << " kHz");
        tune(frequencyKHz, code8Mhz);
        ASSERT_TRUE(pollForLock());
        // 8K, 1/4, 64QAM, no hierarchy, high priority, 2/3.
        EXPECT_EQ(readOfdmCodes(), (OfdmCodes{1, 3, 2, 0, 0, 1}));
    }
}

TEST_F(ChannelFileTest, HandEditedFilesLoadToo) {
    // Windows line ends, indented comments, values in small letters, a key given twice.
    openWithChannels("# Transmitters for the bench\r\n"
                     "\r\n"
                     "[Local 2K]\r\n"
                     "    # moved to another channel\r\n"
                     "    FREQUENCY = 474000000\r\n"
                     "    FREQUENCY = 482000000\r\n"
                     "    TRANSMISSION_MODE = 2k\r\n"
                     "    MODULATION = qam/16\r\n"
                     "    DELIVERY_SYSTEM = dvbt\r\n");
    tune(474'000, code8Mhz);
    EXPECT_FALSE(pollForLock());
    tune(482'000, code8Mhz);
    ASSERT_TRUE(pollForLock());
    EXPECT_EQ(readOfdmCodes(), (OfdmCodes{0, 3, 1, 0, 0, 1}));
}

TEST_F(ChannelFileTest, InversionOnMakesTheWantedSignalLookUpright) {
    openWithChannels(dvbtEntry("inverted", 474'000'000, 8'000'000, "INVERSION = ON\n"));
    tune(474'000, code8Mhz);
    ASSERT_TRUE(pollForLock());
    std::int32_t first = 7, second = 7, bandwidthCode = 7, inversion = 7;
    DVBT_GetChannelParams(&first, &second, &bandwidthCode, &inversion);
    EXPECT_EQ(inversion, 0);
}

TEST_F(ChannelFileTest, EachErrorGivesOneLineNamingFileLineAndFault) {
    struct Case {
        std::string text;
        std::string fault; // after "DVBTDLL: <path>"
    };
    const Case cases[] = {
        {"[A]\nFREQUENCY 474000000\n",
         R"(:2: expected "KEY = VALUE", found "FREQUENCY 474000000")"},
        {entryStart + "  = 5\n", R"(:4: expected "KEY = VALUE", found "= 5")"},
        {"[A\nDELIVERY_SYSTEM = DVBT\n", R"(:1: expected "[name]", found "[A")"},
        {"DELIVERY_SYSTEM = DVBT\n[A]\n",
         R"(:1: "DELIVERY_SYSTEM = DVBT" comes before any [name])"},
        {entryStart + "MODULATION = QAM/256\n",
         ":4: MODULATION = QAM/256 is not one of QPSK, QAM/16, QAM/64, QAM/AUTO"},
        {entryStart + "BANDWIDTH_HZ = 5000000\n",
         ":4: BANDWIDTH_HZ = 5000000 is not one of 6000000, 7000000, 8000000"},
        {entryStart + "TRANSMISSION_MODE = 32K\n",
         ":4: TRANSMISSION_MODE = 32K is not one of 2K, 8K, AUTO"},
        {entryStart + "GUARD_INTERVAL = 1/128\n",
         ":4: GUARD_INTERVAL = 1/128 is not one of 1/32, 1/16, 1/8, 1/4, AUTO"},
        {entryStart + "HIERARCHY = 3\n", ":4: HIERARCHY = 3 is not one of NONE, 1, 2, 4, AUTO"},
        {entryStart + "CODE_RATE_LP = 3/5\n",
         ":4: CODE_RATE_LP = 3/5 is not one of 1/2, 2/3, 3/4, 5/6, 7/8, NONE, AUTO"},
        {entryStart + "INVERSION = MAYBE\n", ":4: INVERSION = MAYBE is not one of OFF, ON, AUTO"},
        {"[A]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 870000001\n",
         ":3: FREQUENCY = 870000001 is out of range (45000000 to 870000000 Hz)"},
        {"[A]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 474 MHz\n",
         ":3: FREQUENCY = 474 MHz is not a whole number"},
        // Control characters from the file are shown, not sent to the terminal.
        {"[A]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 47\r4000000\n",
         ":3: FREQUENCY = 47\\x0D4000000 is not a whole number"},
        {entryStart + "SIM_CNR = high\n", ":4: SIM_CNR = high is not a number"},
        {entryStart + "SIM_CNR = 60.5\n", ":4: SIM_CNR = 60.5 is out of range (0 to 60 dB)"},
        {entryStart + "SIM_CNR = nan\n", ":4: SIM_CNR = nan is out of range (0 to 60 dB)"},
        {entryStart + "SIM_OFFSET = -4001\n",
         ":4: SIM_OFFSET = -4001 is out of range (-4000 to 4000 kHz)"},
        {entryStart + "SIM_FADE_PERIOD = -1\n",
         ":4: SIM_FADE_PERIOD = -1 is out of range (0 to 86400 seconds)"},
        {entryStart + "SIM_FADE_LENGTH = 40\nSIM_FADE_PERIOD = 30\n",
         ":4: SIM_FADE_LENGTH = 40 is longer than SIM_FADE_PERIOD = 30"},
        {entryStart + "HIERARCHY = 2\nMODULATION = QPSK\n",
         ":4: HIERARCHY = 2 needs MODULATION = QAM/16 or QAM/64"},
        {entryStart + "\n[B]\nDELIVERY_SYSTEM = DVBT\nBANDWIDTH_HZ = 7000000\n",
         ":5: [B] has no FREQUENCY"},
        {"[A]\nFREQUENCY = 474000000\n", ":1: [A] has no DELIVERY_SYSTEM"},
        {"[T2]\nDELIVERY_SYSTEM = DVBT2\nFREQUENCY = 474000000\n"
         "[Cable]\nDELIVERY_SYSTEM = DVBC/ANNEX_A\nFREQUENCY = 346000000\n",
         ": no DVB-T entry (DELIVERY_SYSTEM = DVBT)"},
        {"# nothing yet\n", ": no DVB-T entry (DELIVERY_SYSTEM = DVBT)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("file:\n" + c.text);
        std::string path = writeFile(c.text);
        setenv("DVBTDLL_DEVICE", ("sim:" + path).c_str(), 1);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(DVBT_INIT_IO(), 0);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "DVBTDLL: " + path + c.fault + "\n");
    }
}

TEST_F(ChannelFileTest, UnreadableFileIsReported) {
    struct Case {
        std::string path;
        std::string fault;
    };
    const Case cases[] = {
        {"/nonexistent/channels.conf", "No such file or directory"},
        {SKARVEL_DRIVER_TEST_DATA, "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        setenv("DVBTDLL_DEVICE", ("sim:" + c.path).c_str(), 1);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(DVBT_INIT_IO(), 0);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "DVBTDLL: " + c.path + ": cannot be read: " + c.fault + "\n");
    }
}
