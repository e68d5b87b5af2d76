// The rules of the integer box: which texts save, as what number, and which bring the prompt.

#include "platform/afx/IntegerText.h"

#include <gtest/gtest.h>

#include <string>

TEST(IntegerText, TextsThatSave) {
    const std::pair<std::string, int> cases[] = {
        {"593000", 593000},
        {" \t593000\t ", 593000},
        {"+593000", 593000},
        {"-100", -100},
        {"0", 0},
        {"000", 0},
        {" 0 ", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 2147483647},
        {" \n5", 5}, // white space other than blanks is skipped by the conversion itself
        // The box is read into 32 characters: the 32nd, a letter here, is never seen.
        {"593000" + std::string(25, ' ') + "x", 593000},
    };
    for (const auto& [text, expected] : cases) {
        auto value = parseIntegerText(text);
        ASSERT_TRUE(value) << '"' << text << '"';
        EXPECT_EQ(*value, expected) << '"' << text << '"';
    }
}

TEST(IntegerText, TextsThatBringThePrompt) {
    const std::string cases[] = {
        "", "   ", "+0", "-0", "12 34", "12abc", "0x10", "1e3", "12.5", "abc", "+", "- 5",
        "593000" + std::string(24, ' ') + "x", // the letter is the 31st character: seen
    };
    for (const std::string& text : cases) {
        EXPECT_FALSE(parseIntegerText(text)) << '"' << text << '"';
    }
}
