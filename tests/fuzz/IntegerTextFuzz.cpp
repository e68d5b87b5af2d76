// The frequency box's integer parse against the reference model: for every text, both must
// refuse it or both must store the same value. A value that a load writes back (plain decimal)
// must also save as itself.

#include "platform/afx/IntegerText.h"
#include "tests/fuzz/IntegerTextModel.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string shown(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "\"";
}

std::string shown(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string("refused");
}

[[noreturn]] void disagree(std::string_view text, const std::optional<int>& parsed,
                           const std::optional<int>& expected) {
    std::fprintf(stderr, "integer text %s: parse gives %s, the rules give %s\n",
                 shown(text).c_str(), shown(parsed).c_str(), shown(expected).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (auto missed = modelMissesADocumentedCase()) {
        std::fprintf(stderr, "the reference model gets the documented case %s wrong\n",
                     shown(*missed).c_str());
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<int> parsed = parseIntegerText(text);
    std::optional<int> expected = integerTextModel(text);
    if (parsed != expected) {
        disagree(text, parsed, expected);
    }
    if (parsed) {
        std::string loaded = std::to_string(*parsed);
        if (parseIntegerText(loaded) != parsed) {
            disagree(loaded, parseIntegerText(loaded), parsed);
        }
    }
    return 0;
}
