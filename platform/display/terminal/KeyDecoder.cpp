#include "platform/display/terminal/KeyDecoder.h"

#include "platform/display/terminal/MouseDecoder.h"
#include "platform/win/Constants.h"

#include <charconv>
#include <optional>

namespace platform::terminal {
namespace {

constexpr unsigned char esc = 0x1B;
constexpr unsigned char ctrlC = 0x03;

// Keys the program does not use keep their Windows codes all the same.
constexpr UINT vkPrior = 0x21;
constexpr UINT vkNext = 0x22;
constexpr UINT vkInsert = 0x2D;
constexpr UINT vkF(int n) {
    return VK_F1 + static_cast<UINT>(n - 1);
}

struct Parsed {
    bool complete = true;
    size_t length = 0;
    std::optional<TerminalEvent> event;
    bool fromSequence = false; // a CSI or SS3 sequence, which ESC before it turns into Alt
};

Parsed incomplete() {
    return {false, 0, std::nullopt, false};
}
Parsed skip(size_t length) {
    return {true, length, std::nullopt, false};
}
Parsed key(size_t length, UINT vk, Modifiers modifiers = {}, bool sequence = false) {
    return {true, length, KeyEvent{vk, modifiers}, sequence};
}

// The modifier parameter of CSI keys is 1 plus a bit mask: 1 Shift, 2 Alt, 4 Ctrl, 8 Meta.
Modifiers modifiersFrom(int parameter) {
    int bits = parameter > 1 ? parameter - 1 : 0;
    return {(bits & 1) != 0, (bits & 4) != 0, (bits & 2) != 0 || (bits & 8) != 0};
}

std::vector<int> numbersOf(std::string_view text) {
    std::vector<int> values;
    while (!text.empty()) {
        int value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        values.push_back(error == std::errc{} ? value : 0);
        size_t next = text.find(';');
        if (next == std::string_view::npos) {
            break;
        }
        text.remove_prefix(next + 1);
    }
    return values;
}

std::optional<UINT> letterKey(char final) {
    switch (final) {
    case 'A':
        return VK_UP;
    case 'B':
        return VK_DOWN;
    case 'C':
        return VK_RIGHT;
    case 'D':
        return VK_LEFT;
    case 'H':
        return VK_HOME;
    case 'F':
        return VK_END;
    case 'P':
        return vkF(1);
    case 'Q':
        return vkF(2);
    case 'R':
        return vkF(3);
    case 'S':
        return vkF(4);
    default:
        return std::nullopt;
    }
}

std::optional<UINT> tildeKey(int number) {
    switch (number) {
    case 1:
    case 7:
        return VK_HOME;
    case 2:
        return vkInsert;
    case 3:
        return VK_DELETE;
    case 4:
    case 8:
        return VK_END;
    case 5:
        return vkPrior;
    case 6:
        return vkNext;
    case 11:
        return vkF(1);
    case 12:
        return vkF(2);
    case 13:
        return vkF(3);
    case 14:
        return vkF(4);
    case 15:
        return vkF(5);
    default:
        if (number >= 17 && number <= 21) {
            return vkF(number - 11); // F6 to F10
        }
        if (number == 23 || number == 24) {
            return vkF(number - 12); // F11, F12
        }
        return std::nullopt;
    }
}

// After "ESC [".
Parsed parseCsi(std::string_view bytes) {
    if (bytes.size() < 3) {
        return incomplete();
    }
    if (bytes[2] == '[') { // the Linux console's F1 to F5: ESC [ [ A to E
        if (bytes.size() < 4) {
            return incomplete();
        }
        char letter = bytes[3];
        return letter >= 'A' && letter <= 'E' ? key(4, vkF(letter - 'A' + 1), {}, true) : skip(4);
    }
    if (bytes[2] == 'M') { // the older mouse report: three bytes follow
        if (bytes.size() < 6) {
            return incomplete();
        }
        auto mouse = decodeX10Mouse(static_cast<unsigned char>(bytes[3]),
                                    static_cast<unsigned char>(bytes[4]),
                                    static_cast<unsigned char>(bytes[5]));
        return {true, 6, mouse ? std::optional<TerminalEvent>(*mouse) : std::nullopt, true};
    }
    size_t i = 2;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x20 &&
           static_cast<unsigned char>(bytes[i]) <= 0x3F) {
        ++i;
    }
    if (i == bytes.size()) {
        return incomplete();
    }
    auto finalByte = static_cast<unsigned char>(bytes[i]);
    if (finalByte < 0x40 || finalByte > 0x7E) {
        return skip(i); // not a sequence after all: drop what was read
    }
    char final = static_cast<char>(finalByte);
    std::string_view parameters = bytes.substr(2, i - 2);
    size_t length = i + 1;
    if (!parameters.empty() && parameters.front() == '<') {
        auto mouse = decodeSgrMouse(parameters.substr(1), final);
        return {true, length, mouse ? std::optional<TerminalEvent>(*mouse) : std::nullopt, true};
    }
    if (!parameters.empty() && (parameters.front() < '0' || parameters.front() > ';')) {
        return skip(length); // private replies (focus, modes) that carry no key
    }
    std::vector<int> numbers = numbersOf(parameters);
    Modifiers modifiers = modifiersFrom(numbers.size() >= 2 ? numbers[1] : 1);
    if (final == 'Z') {
        return key(length, VK_TAB, {true, modifiers.control, modifiers.alt}, true);
    }
    if (final == '~') {
        auto vk = tildeKey(numbers.empty() ? 0 : numbers[0]);
        return vk ? key(length, *vk, modifiers, true) : skip(length);
    }
    auto vk = letterKey(final);
    return vk ? key(length, *vk, modifiers, true) : skip(length);
}

// After "ESC O".
Parsed parseSs3(std::string_view bytes) {
    if (bytes.size() < 3) {
        return incomplete();
    }
    if (bytes[2] == 'M') {
        return key(3, VK_RETURN, {}, true); // Enter on the keypad
    }
    auto vk = letterKey(bytes[2]);
    return vk ? key(3, *vk, {}, true) : skip(3);
}

Parsed parseUtf8(std::string_view bytes) {
    auto lead = static_cast<unsigned char>(bytes[0]);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0) {
        return skip(1); // a stray continuation byte
    }
    if (bytes.size() < length) {
        return incomplete();
    }
    char32_t code = lead & (0x3F >> (length - 1));
    for (size_t i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) {
            return skip(i);
        }
        code = (code << 6) | (next & 0x3F);
    }
    // Text is single-byte: characters beyond Latin-1 cannot be typed into it.
    if (code > 0xFF) {
        return skip(length);
    }
    return {true, length, CharEvent{static_cast<unsigned char>(code), {}}, false};
}

Parsed parseOne(std::string_view bytes, bool utf8, bool atEnd);

Parsed parseEscape(std::string_view bytes, bool utf8, bool atEnd) {
    if (bytes.size() == 1) {
        return atEnd ? key(1, VK_ESCAPE) : incomplete();
    }
    Parsed parsed;
    if (bytes[1] == '[') {
        parsed = parseCsi(bytes);
    } else if (bytes[1] == 'O') {
        parsed = parseSs3(bytes);
    } else {
        // ESC before a key is Alt with that key; ESC before a sequence is Alt with its key.
        Parsed inner = parseOne(bytes.substr(1), utf8, atEnd);
        if (!inner.complete) {
            return inner;
        }
        bool loneEscape = bytes[1] == static_cast<char>(esc) && !inner.fromSequence;
        if (loneEscape || !inner.event) {
            return key(1, VK_ESCAPE);
        }
        if (auto* k = std::get_if<KeyEvent>(&*inner.event)) {
            k->modifiers.alt = true;
        } else if (auto* c = std::get_if<CharEvent>(&*inner.event)) {
            c->modifiers.alt = true;
        }
        inner.length += 1;
        return inner;
    }
    if (!parsed.complete && atEnd) {
        return key(1, VK_ESCAPE); // a sequence cut short: the Esc key, then what followed
    }
    return parsed;
}

Parsed parseOne(std::string_view bytes, bool utf8, bool atEnd) {
    auto byte = static_cast<unsigned char>(bytes[0]);
    switch (byte) {
    case esc:
        return parseEscape(bytes, utf8, atEnd);
    case ctrlC:
        return {true, 1, CloseEvent{}, false};
    case '\t':
        return key(1, VK_TAB);
    case '\r':
    case '\n':
        return key(1, VK_RETURN);
    case 0x7F:
    case 0x08:
        return key(1, VK_BACK);
    case ' ':
        return key(1, VK_SPACE);
    default:
        break;
    }
    if (byte < 0x20) {
        return skip(1); // other control keys do nothing
    }
    if (byte < 0x80 || !utf8) {
        return {true, 1, CharEvent{byte, {}}, false};
    }
    Parsed parsed = parseUtf8(bytes);
    return !parsed.complete && atEnd ? skip(bytes.size()) : parsed;
}

} // namespace

std::vector<TerminalEvent> KeyDecoder::feed(std::string_view bytes) {
    held_.append(bytes);
    return decode(false);
}

std::vector<TerminalEvent> KeyDecoder::flush() {
    return decode(true);
}

std::vector<TerminalEvent> KeyDecoder::decode(bool atEnd) {
    std::vector<TerminalEvent> events;
    std::string_view rest = held_;
    while (!rest.empty()) {
        Parsed parsed = parseOne(rest, utf8_, atEnd);
        if (!parsed.complete) {
            break;
        }
        if (parsed.event) {
            events.push_back(*parsed.event);
        }
        rest.remove_prefix(parsed.length);
    }
    held_ = std::string(rest);
    return events;
}

} // namespace platform::terminal
