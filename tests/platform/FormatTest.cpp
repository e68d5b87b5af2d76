// Text formatting with the system's formatter.

#include "platform/win/Win32.h"

#include <gtest/gtest.h>

#include <cstring>

#include <climits>
#include <functional>

namespace {

std::string format(const std::function<int(char*)>& call) {
    char buffer[1100];
    int written = call(buffer);
    EXPECT_EQ(written, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

} // namespace

TEST(Format, Conversions) {
    struct Case {
        std::function<int(char*)> call;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {[](char* b) { return wsprintfA(b, "%ld\n", LONG{-1}); }, "-1\n"},
        {[](char* b) { return wsprintfA(b, "%ld\n", LONG{593125}); }, "593125\n"},
        {[](char* b) { return wsprintfA(b, "%u(1/10 dB)\n", 254u); }, "254(1/10 dB)\n"},
        {[](char* b) { return wsprintfA(b, "%lu(1E-6)\n", ULONG{4294967295u}); }, "4294967295(1E-6)\n"},
        {[](char* b) { return wsprintfA(b, "%d", INT_MIN); }, "-2147483648"},
        {[](char* b) { return wsprintfA(b, "%d\n", 0); }, "0\n"},
        {[](char* b) { return wsprintfA(b, "[%5d|%-5d|%05d]", 42, 42, -42); }, "[   42|42   |-0042]"},
        {[](char* b) { return wsprintfA(b, "%x %X %#x", 255u, 255u, 16u); }, "ff FF 0x10"},
        {[](char* b) { return wsprintfA(b, "%s and %c, 100%%", "text", 'c'); }, "text and c, 100%"},
        {[](char* b) { return wsprintfA(b, "%hd", 65535); }, "-1"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(format(cases[i].call), cases[i].expected) << "case " << i;
    }
}

TEST(Format, OutputStopsAt1024Characters) {
    std::string longText(2000, 'a');
    std::string out = format([&](char* b) { return wsprintfA(b, "%s", longText.c_str()); });
    EXPECT_EQ(out.size(), 1023u);
}
