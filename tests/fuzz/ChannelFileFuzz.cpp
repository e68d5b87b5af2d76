// The channel-file reader on any text: it either gives transmitters the simulated card can use,
// or refuses with one clear line that names the file, the line at fault (when there is one) and
// what is wrong. Nothing else may come out of it: no other exception, no crash, no hang.

#include "driver/ChannelFile.h"
#include "driver/OpenError.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

const std::string fileName = "fuzz.conf";

[[noreturn]] void unclear(const std::string& message, const char* why) {
    std::fprintf(stderr, "channel file refusal \"%s\": %s\n", message.c_str(), why);
    std::abort();
}

// The number of lines a reader going line by line sees in the text.
long countLines(std::string_view text) {
    long lines = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        ++lines;
        std::size_t end = text.find('\n', at);
        at = end == std::string_view::npos ? text.size() : end + 1;
    }
    return lines;
}

// The message is written as one line on standard error: a control character in it would break
// the line or, as a carriage return, hide the file's name and the line number on a terminal.
bool hasControlCharacter(std::string_view message) {
    return std::any_of(message.begin(), message.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7F;
    });
}

void checkRefusal(const std::string& message, std::string_view text) {
    if (hasControlCharacter(message)) {
        unclear(message, "holds a control character");
    }
    if (message.rfind(fileName + ":", 0) != 0) {
        unclear(message, "does not start with the file's name");
    }
    std::string rest = message.substr(fileName.size() + 1);
    if (!rest.empty() && rest[0] == ' ') {
        // A refusal of the whole file, which has no line of its own.
        if (rest.size() < 2) {
            unclear(message, "says nothing after the file's name");
        }
        return;
    }
    std::size_t colon = rest.find(": ");
    if (colon == std::string::npos || colon == 0 || rest.find_first_not_of("0123456789") != colon) {
        unclear(message, "has no line number after the file's name");
    }
    long line = std::strtol(rest.c_str(), nullptr, 10);
    if (line < 1 || line > countLines(text)) {
        unclear(message, "names a line that the file does not have");
    }
    if (rest.size() <= colon + 2) {
        unclear(message, "does not say what is wrong");
    }
}

void checkTransmitters(const std::vector<Transmitter>& transmitters) {
    if (transmitters.empty()) {
        std::fprintf(stderr, "a channel file was accepted with no transmitter\n");
        std::abort();
    }
    for (const Transmitter& t : transmitters) {
        bool usable = t.frequencyHz >= 45'000'000 && t.frequencyHz <= 870'000'000 &&
                      t.cnrDb >= 0.0 && t.cnrDb <= 60.0 && t.fade.length <= t.fade.period &&
                      t.fade.length.count() >= 0;
        if (!usable) {
            std::fprintf(stderr, "transmitter [%s] accepted out of range\n", t.name.c_str());
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::istringstream stream{std::string(text)};
    try {
        checkTransmitters(parseChannelFile(stream, fileName));
    } catch (const OpenError& refusal) {
        checkRefusal(refusal.what(), text);
    }
    return 0;
}
