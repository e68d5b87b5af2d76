#include "platform/display/terminal/CaptionText.h"

#include <algorithm>

namespace platform::terminal {

Caption parseMnemonic(std::string_view raw) {
    Caption caption;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&' && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != '&' && caption.mnemonic < 0) {
                caption.mnemonic = static_cast<int>(caption.text.size());
            }
        }
        caption.text += raw[i];
    }
    return caption;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

int widestLine(std::string_view text) {
    size_t widest = 0;
    for (const auto& line : splitLines(text)) {
        widest = std::max(widest, line.size());
    }
    return static_cast<int>(widest);
}

std::vector<std::string> wrapWords(std::string_view text, int width) {
    std::vector<std::string> wrapped;
    size_t limit = static_cast<size_t>(std::max(width, 1));
    for (std::string line : splitLines(text)) {
        while (line.size() > limit) {
            // Break at the last blank that leaves a fitting first part, else inside the word.
            size_t cut = line.rfind(' ', limit);
            size_t next = cut;
            if (cut == std::string::npos || cut == 0) {
                cut = limit;
                next = limit;
            } else {
                ++next;
            }
            wrapped.push_back(line.substr(0, cut));
            line.erase(0, next);
        }
        wrapped.push_back(std::move(line));
    }
    return wrapped;
}

} // namespace platform::terminal
