#include "driver/ChannelFile.h"

#include "driver/ChannelEntry.h"
#include "driver/OpenError.h"
#include "driver/PrintableText.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

[[noreturn]] void failAt(const std::string& fileName, int line, const std::string& what) {
    throw OpenError(printableText(fileName + ":" + std::to_string(line) + ": " + what));
}

} // namespace

std::vector<Transmitter> parseChannelFile(std::istream& text, const std::string& fileName) {
    std::vector<ChannelEntry> entries;
    std::string rawLine;
    int lineNumber = 0;
    while (std::getline(text, rawLine)) {
        ++lineNumber;
        std::string_view line = trimmed(rawLine);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                failAt(fileName, lineNumber,
                       "expected \"[name]\", found \"" + std::string(line) + "\"");
            }
            ChannelEntry entry;
            entry.name = std::string(trimmed(line.substr(1, line.size() - 2)));
            entry.line = lineNumber;
            entries.push_back(std::move(entry));
            continue;
        }
        auto equals = line.find('=');
        std::string_view key = trimmed(line.substr(0, equals));
        if (equals == std::string_view::npos || key.empty()) {
            failAt(fileName, lineNumber,
                   "expected \"KEY = VALUE\", found \"" + std::string(line) + "\"");
        }
        if (entries.empty()) {
            failAt(fileName, lineNumber, "\"" + std::string(line) + "\" comes before any [name]");
        }
        entries.back().fields[std::string(key)] = {std::string(trimmed(line.substr(equals + 1))),
                                                   lineNumber};
    }
    if (text.bad()) {
        throw OpenError(fileName + ": cannot be read: " + std::strerror(errno));
    }

    std::vector<Transmitter> transmitters;
    for (const ChannelEntry& entry : entries) {
        if (auto transmitter = transmitterFromEntry(entry, fileName)) {
            transmitters.push_back(std::move(*transmitter));
        }
    }
    if (transmitters.empty()) {
        throw OpenError(fileName + ": no DVB-T entry (DELIVERY_SYSTEM = DVBT)");
    }
    return transmitters;
}

std::vector<Transmitter> readChannelFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw OpenError(path + ": cannot be read: " + std::strerror(errno));
    }
    return parseChannelFile(file, path);
}
