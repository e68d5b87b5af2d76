#pragma once

#include <string>
#include <string_view>

// The text with every control character but the tab written as \xNN, so that a message quoting
// a file's content stays one readable line on a terminal.
std::string printableText(std::string_view text);
