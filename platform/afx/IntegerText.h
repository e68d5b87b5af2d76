#pragma once
// The rules by which the text of an integer box is read as a 32-bit signed number: blanks and
// tabs around it, an optional sign, decimal digits, values beyond the range held at its ends.
// At most the first 31 characters of the box are seen.

#include <optional>
#include <string_view>

// The number, or nothing when the text is refused.
std::optional<int> parseIntegerText(std::string_view text);
