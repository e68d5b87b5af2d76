#pragma once
// Captions as the controls show them: the '&' that marks a mnemonic is hidden and the letter
// after it underlined ("&&" shows one '&'), and static text breaks into lines at line feeds
// and, where it is too long, between words.

#include <string>
#include <string_view>
#include <vector>

namespace platform::terminal {

struct Caption {
    std::string text;
    int mnemonic = -1; // the index in `text` of the underlined letter, or -1
};

Caption parseMnemonic(std::string_view raw);

// The lines a text is written on; a line feed at the very end opens no line of its own.
std::vector<std::string> splitLines(std::string_view text);
int widestLine(std::string_view text);

// Breaks the text into lines of at most `width` characters, between words where it can.
std::vector<std::string> wrapWords(std::string_view text, int width);

} // namespace platform::terminal
