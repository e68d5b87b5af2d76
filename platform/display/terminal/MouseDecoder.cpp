#include "platform/display/terminal/MouseDecoder.h"

#include <charconv>
#include <vector>

namespace platform::terminal {
namespace {

// Button numbers carry modifier bits (4 Shift, 8 Alt, 16 Ctrl) that a click does not care for.
constexpr int modifierBits = 4 | 8 | 16;
constexpr int motionBit = 32;
constexpr int x10Offset = 32;

std::optional<std::vector<int>> numbers(std::string_view text) {
    std::vector<int> values;
    while (true) {
        int value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{}) {
            return std::nullopt;
        }
        values.push_back(value);
        text.remove_prefix(static_cast<size_t>(end - text.data()));
        if (text.empty()) {
            return values;
        }
        if (text.front() != ';') {
            return std::nullopt;
        }
        text.remove_prefix(1);
    }
}

} // namespace

std::optional<MouseEvent> decodeSgrMouse(std::string_view parameters, char final) {
    auto values = numbers(parameters);
    if (!values || values->size() != 3 || (final != 'M' && final != 'm')) {
        return std::nullopt;
    }
    int button = (*values)[0];
    int col = (*values)[1];
    int row = (*values)[2];
    if ((button & ~modifierBits) != 0 || col < 1 || row < 1) {
        return std::nullopt;
    }
    return MouseEvent{final == 'M', col - 1, row - 1};
}

std::optional<MouseEvent> decodeX10Mouse(unsigned char button, unsigned char col,
                                         unsigned char row) {
    int code = button - x10Offset;
    if (code < 0 || (code & motionBit) != 0 || col <= x10Offset || row <= x10Offset) {
        return std::nullopt;
    }
    // This form does not say which button came up: a release is reported as button 3.
    int pressed = code & ~modifierBits;
    if (pressed != 0 && pressed != 3) {
        return std::nullopt;
    }
    return MouseEvent{pressed == 0, col - x10Offset - 1, row - x10Offset - 1};
}

} // namespace platform::terminal
