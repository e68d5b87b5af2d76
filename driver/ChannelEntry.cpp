#include "driver/ChannelEntry.h"

#include "driver/OpenError.h"
#include "driver/PrintableText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <utility>

using namespace std::chrono_literals;

namespace {

template <typename Value> struct Spelling {
    std::string_view text;
    Value value;
};

constexpr std::array modulations{
    Spelling<Constellation>{"QPSK", Constellation::Qpsk},
    Spelling<Constellation>{"QAM/16", Constellation::Qam16},
    Spelling<Constellation>{"QAM/64", Constellation::Qam64},
    Spelling<Constellation>{"QAM/AUTO", Constellation::Qam64},
};

constexpr std::array transmissionModes{
    Spelling<TransmissionMode>{"2K", TransmissionMode::Mode2K},
    Spelling<TransmissionMode>{"8K", TransmissionMode::Mode8K},
    Spelling<TransmissionMode>{"AUTO", TransmissionMode::Mode8K},
};

constexpr std::array guardIntervals{
    Spelling<GuardInterval>{"1/32", GuardInterval::Guard1_32},
    Spelling<GuardInterval>{"1/16", GuardInterval::Guard1_16},
    Spelling<GuardInterval>{"1/8", GuardInterval::Guard1_8},
    Spelling<GuardInterval>{"1/4", GuardInterval::Guard1_4},
    Spelling<GuardInterval>{"AUTO", GuardInterval::Guard1_4},
};

constexpr std::array hierarchies{
    Spelling<Hierarchy>{"NONE", Hierarchy::None}, Spelling<Hierarchy>{"1", Hierarchy::Alpha1},
    Spelling<Hierarchy>{"2", Hierarchy::Alpha2},  Spelling<Hierarchy>{"4", Hierarchy::Alpha4},
    Spelling<Hierarchy>{"AUTO", Hierarchy::None},
};

// NONE is what the tools write for a stream that is absent or not reported; for the stream the
// card decodes it is read like AUTO.
constexpr std::array codeRates{
    Spelling<CodeRate>{"1/2", CodeRate::Rate1_2},  Spelling<CodeRate>{"2/3", CodeRate::Rate2_3},
    Spelling<CodeRate>{"3/4", CodeRate::Rate3_4},  Spelling<CodeRate>{"5/6", CodeRate::Rate5_6},
    Spelling<CodeRate>{"7/8", CodeRate::Rate7_8},  Spelling<CodeRate>{"NONE", CodeRate::Rate2_3},
    Spelling<CodeRate>{"AUTO", CodeRate::Rate2_3},
};

constexpr std::array inversions{
    Spelling<bool>{"OFF", false},
    Spelling<bool>{"ON", true},
    Spelling<bool>{"AUTO", false},
};

constexpr std::array bandwidths{
    Spelling<Bandwidth>{"6000000", Bandwidth::Mhz6},
    Spelling<Bandwidth>{"7000000", Bandwidth::Mhz7},
    Spelling<Bandwidth>{"8000000", Bandwidth::Mhz8},
};

constexpr std::int64_t lowestFrequencyHz = 45'000'000;
constexpr std::int64_t highestFrequencyHz = 870'000'000;
constexpr std::int64_t largestOffsetKHz = 4000;
constexpr std::int64_t longestFadeSeconds = 86'400;
constexpr double highestCnrDb = 60.0;

bool sameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// Reads the keys of one entry, failing with the file name and the line at fault.
class EntryReader {
public:
    EntryReader(const ChannelEntry& entry, const std::string& fileName)
        : entry(entry), fileName(fileName) {}

    const ChannelEntry::Field* find(const std::string& key) const {
        auto found = entry.fields.find(key);
        return found == entry.fields.end() ? nullptr : &found->second;
    }

    [[noreturn]] void fail(int line, const std::string& what) const {
        throw OpenError(printableText(fileName + ":" + std::to_string(line) + ": " + what));
    }

    const ChannelEntry::Field& required(const std::string& key) const {
        const ChannelEntry::Field* field = find(key);
        if (!field) {
            fail(entry.line, "[" + entry.name + "] has no " + key);
        }
        return *field;
    }

    // A value from a fixed list; an absent key gives `absent`.
    template <typename Value, std::size_t count>
    Value choice(const std::string& key, const std::array<Spelling<Value>, count>& spellings,
                 Value absent) const {
        const ChannelEntry::Field* field = find(key);
        if (!field) {
            return absent;
        }
        for (const Spelling<Value>& spelling : spellings) {
            if (sameLetters(field->value, spelling.text)) {
                return spelling.value;
            }
        }
        std::string known;
        for (const Spelling<Value>& spelling : spellings) {
            known += (known.empty() ? "" : ", ") + std::string(spelling.text);
        }
        fail(field->line, key + " = " + field->value + " is not one of " + known);
    }

    std::int64_t wholeNumber(const std::string& key, std::int64_t absent, std::int64_t lowest,
                             std::int64_t highest, std::string_view unit) const {
        const ChannelEntry::Field* field = find(key);
        if (!field) {
            return absent;
        }
        std::int64_t number = 0;
        const std::string& text = field->value;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc{} || end != text.data() + text.size()) {
            fail(field->line, key + " = " + text + " is not a whole number");
        }
        if (number < lowest || number > highest) {
            fail(field->line, key + " = " + text + " is out of range (" + std::to_string(lowest) +
                                  " to " + std::to_string(highest) + " " + std::string(unit) + ")");
        }
        return number;
    }

    double decimalNumber(const std::string& key, double absent, double lowest, double highest,
                         std::string_view unit) const {
        const ChannelEntry::Field* field = find(key);
        if (!field) {
            return absent;
        }
        double number = 0.0;
        const std::string& text = field->value;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc{} || end != text.data() + text.size()) {
            fail(field->line, key + " = " + text + " is not a number");
        }
        // Written this way round so that "nan" is out of range too.
        if (!(number >= lowest && number <= highest)) {
            fail(field->line, key + " = " + text + " is out of range (" +
                                  std::to_string(static_cast<int>(lowest)) + " to " +
                                  std::to_string(static_cast<int>(highest)) + " " +
                                  std::string(unit) + ")");
        }
        return number;
    }

private:
    const ChannelEntry& entry;
    const std::string& fileName;
};

} // namespace

std::optional<Transmitter> transmitterFromEntry(const ChannelEntry& entry,
                                                const std::string& fileName) {
    EntryReader reader(entry, fileName);
    if (!sameLetters(reader.required("DELIVERY_SYSTEM").value, "DVBT")) {
        return std::nullopt;
    }

    // Absent parameters, like AUTO ones, take the values most DVB-T networks use.
    Transmitter transmitter;
    transmitter.name = entry.name;
    reader.required("FREQUENCY");
    transmitter.frequencyHz =
        reader.wholeNumber("FREQUENCY", 0, lowestFrequencyHz, highestFrequencyHz, "Hz");
    transmitter.bandwidth = reader.choice("BANDWIDTH_HZ", bandwidths, Bandwidth::Mhz8);
    transmitter.constellation = reader.choice("MODULATION", modulations, Constellation::Qam64);
    transmitter.mode =
        reader.choice("TRANSMISSION_MODE", transmissionModes, TransmissionMode::Mode8K);
    transmitter.guard = reader.choice("GUARD_INTERVAL", guardIntervals, GuardInterval::Guard1_4);
    transmitter.hierarchy = reader.choice("HIERARCHY", hierarchies, Hierarchy::None);
    transmitter.codeRateHp = reader.choice("CODE_RATE_HP", codeRates, CodeRate::Rate2_3);
    transmitter.codeRateLp = reader.choice("CODE_RATE_LP", codeRates, CodeRate::Rate2_3);
    transmitter.invertedSpectrum = reader.choice("INVERSION", inversions, false);

    if (transmitter.hierarchy != Hierarchy::None &&
        transmitter.constellation == Constellation::Qpsk) {
        const ChannelEntry::Field& hierarchy = *reader.find("HIERARCHY");
        reader.fail(hierarchy.line,
                    "HIERARCHY = " + hierarchy.value + " needs MODULATION = QAM/16 or QAM/64");
    }

    transmitter.cnrDb = reader.decimalNumber("SIM_CNR", 25.0, 0.0, highestCnrDb, "dB");
    transmitter.offsetHz =
        1000 * reader.wholeNumber("SIM_OFFSET", 0, -largestOffsetKHz, largestOffsetKHz, "kHz");
    std::int64_t period =
        reader.wholeNumber("SIM_FADE_PERIOD", 0, 0, longestFadeSeconds, "seconds");
    std::int64_t length =
        reader.wholeNumber("SIM_FADE_LENGTH", 0, 0, longestFadeSeconds, "seconds");
    if (length > period) {
        reader.fail(reader.find("SIM_FADE_LENGTH")->line,
                    "SIM_FADE_LENGTH = " + std::to_string(length) +
                        " is longer than SIM_FADE_PERIOD = " + std::to_string(period));
    }
    transmitter.fade = {std::chrono::seconds(period), std::chrono::seconds(length)};
    return transmitter;
}
