#include "platform/afx/IntegerText.h"

#include <algorithm>
#include <cstdint>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal conversion as the C library's does it for a 32-bit long: white space, a sign,
// digits; out of range gives the nearest end of the range. `end` is where it stopped, which is
// where it began when no digit came.
std::int32_t convert(std::string_view text, size_t begin, size_t& end) {
    size_t i = begin;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i])) {
        end = begin;
        return 0;
    }
    std::int64_t magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) {
            overflow = true;
            magnitude = std::int64_t{INT32_MAX} + 1;
        }
    }
    end = i;
    if (negative) {
        return static_cast<std::int32_t>(-magnitude);
    }
    return overflow || magnitude > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(magnitude);
}

} // namespace

std::optional<int> parseIntegerText(std::string_view text) {
    constexpr size_t seen = 31; // the box is read into 32 characters with its terminator
    text = text.substr(0, std::min(text.size(), seen));
    if (auto nul = text.find('\0'); nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    char first = start < text.size() ? text[start] : '\0';
    size_t end = start;
    std::int32_t value = convert(text, start, end);
    if (value == 0 && first != '0') {
        return std::nullopt;
    }
    while (end < text.size() && isBlank(text[end])) {
        ++end;
    }
    if (end != text.size()) {
        return std::nullopt;
    }
    return value;
}
