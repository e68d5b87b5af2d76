#include "tests/fuzz/IntegerTextModel.h"

#include <climits>
#include <string>

namespace {

constexpr std::string_view blanksAndTabs = " \t";
constexpr std::string_view whiteSpace = " \t\n\v\f\r";

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t firstNotOf(const std::string& text, std::string_view set, std::size_t from) {
    std::size_t found = text.find_first_not_of(set, from);
    return found == std::string::npos ? text.size() : found;
}

// The digits' value, held at `limit` (a decimal text of ten digits) when they exceed it. Compared
// as text: a number with more significant digits, or as many and sorting after, is larger.
long long heldValue(std::string_view digits, std::string_view limit) {
    std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string_view::npos) {
        return 0;
    }
    std::string_view significant = digits.substr(firstSignificant);
    bool beyond = significant.size() > limit.size() ||
                  (significant.size() == limit.size() && significant > limit);
    std::string_view kept = beyond ? limit : significant;
    long long value = 0;
    for (char c : kept) {
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<int> integerTextModel(std::string_view boxText) {
    // The box is read into 32 characters with the terminating NUL: at most 31 are seen, and a
    // NUL in the text ends it.
    std::string seen(boxText.substr(0, boxText.find('\0')));
    if (seen.size() > 31) {
        seen.resize(31);
    }

    std::size_t start = firstNotOf(seen, blanksAndTabs, 0);
    char remembered = start < seen.size() ? seen[start] : '\0';

    // The decimal conversion from `start`: white space, one optional sign, digits.
    std::size_t at = firstNotOf(seen, whiteSpace, start);
    bool negative = false;
    if (at < seen.size() && (seen[at] == '+' || seen[at] == '-')) {
        negative = seen[at] == '-';
        ++at;
    }
    std::size_t digitsEnd = at;
    while (digitsEnd < seen.size() && isDecimalDigit(seen[digitsEnd])) {
        ++digitsEnd;
    }
    long long result = 0;
    std::size_t stoppedAt = start;
    if (digitsEnd > at) {
        std::string_view digits(seen.data() + at, digitsEnd - at);
        long long magnitude = heldValue(digits, negative ? "2147483648" : "2147483647");
        result = negative ? -magnitude : magnitude;
        stoppedAt = digitsEnd;
    }

    if (result == 0 && remembered != '0') {
        return std::nullopt;
    }
    if (firstNotOf(seen, blanksAndTabs, stoppedAt) != seen.size()) {
        return std::nullopt;
    }
    return static_cast<int>(result);
}

std::optional<std::string_view> modelMissesADocumentedCase() {
    struct Case {
        std::string_view text;
        std::optional<int> value;
    };
    static const std::string lastLetterUnread = "593000" + std::string(25, ' ') + "x";
    static const Case cases[] = {
        {"593000", 593000},
        {" \t 593000 \t", 593000},
        {"+593000", 593000},
        {"-100", -100},
        {"0", 0},
        {"000", 0},
        {" 0 ", 0},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {lastLetterUnread, 593000},
        {"", std::nullopt},
        {"+0", std::nullopt},
        {"-0", std::nullopt},
        {"12 34", std::nullopt},
        {"12abc", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"12.5", std::nullopt},
    };
    for (const Case& c : cases) {
        if (integerTextModel(c.text) != c.value) {
            return c.text;
        }
    }
    return std::nullopt;
}
