// The terminal's bytes as keys, characters, clicks and Ctrl+C: one table of what xterm, tmux and
// the Linux console send, then the cases where timing and chunking matter.

#include "platform/display/terminal/KeyDecoder.h"
#include "platform/win/Constants.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace platform::terminal {

std::ostream& operator<<(std::ostream& out, const TerminalEvent& event) {
    auto mods = [&](const Modifiers& m) {
        out << (m.shift ? "+shift" : "") << (m.control ? "+ctrl" : "") << (m.alt ? "+alt" : "");
    };
    if (const auto* k = std::get_if<KeyEvent>(&event)) {
        out << "key 0x" << std::hex << k->key << std::dec;
        mods(k->modifiers);
    } else if (const auto* c = std::get_if<CharEvent>(&event)) {
        out << "char " << static_cast<int>(c->ch);
        mods(c->modifiers);
    } else if (const auto* m = std::get_if<MouseEvent>(&event)) {
        out << (m->down ? "press " : "release ") << m->col << "," << m->row;
    } else {
        out << "close";
    }
    return out;
}

namespace {

constexpr Modifiers none{};
constexpr Modifiers shift{true, false, false};
constexpr Modifiers alt{false, false, true};

KeyEvent key(UINT vk, Modifiers m = none) {
    return {vk, m};
}
CharEvent typed(unsigned char ch, Modifiers m = none) {
    return {ch, m};
}

struct Case {
    const char* what;
    std::string bytes;
    std::vector<TerminalEvent> expected;
};

// Each case is complete in itself: the decoder is flushed after it, as after the Esc pause.
const std::vector<Case> cases{
    {"Tab", "\t", {key(VK_TAB)}},
    {"Shift+Tab", "\x1b[Z", {key(VK_TAB, shift)}},
    {"Enter", "\r", {key(VK_RETURN)}},
    {"Enter on the keypad", "\x1bOM", {key(VK_RETURN)}},
    {"Esc alone", "\x1b", {key(VK_ESCAPE)}},
    {"Space", " ", {key(VK_SPACE)}},
    {"Backspace (DEL)", "\x7f", {key(VK_BACK)}},
    {"Backspace (BS)", "\x08", {key(VK_BACK)}},
    {"Delete", "\x1b[3~", {key(VK_DELETE)}},
    {"arrows", "\x1b[A\x1b[B\x1b[C\x1b[D", {key(VK_UP), key(VK_DOWN), key(VK_RIGHT), key(VK_LEFT)}},
    {"arrows in application mode", "\x1bOA\x1bOD", {key(VK_UP), key(VK_LEFT)}},
    {"Shift+Left", "\x1b[1;2D", {key(VK_LEFT, shift)}},
    {"Home and End", "\x1b[H\x1b[F", {key(VK_HOME), key(VK_END)}},
    {"Home and End, numbered",
     "\x1b[1~\x1b[4~\x1b[7~\x1b[8~",
     {key(VK_HOME), key(VK_END), key(VK_HOME), key(VK_END)}},
    {"F1", "\x1bOP", {key(VK_F1)}},
    {"F1, numbered", "\x1b[11~", {key(VK_F1)}},
    {"F1 on the Linux console", "\x1b[[A", {key(VK_F1)}},
    {"F4", "\x1bOS", {key(VK_F4)}},
    {"Alt+F4 with a modifier parameter", "\x1b[1;3S", {key(VK_F4, alt)}},
    {"Alt+F4, numbered with a parameter", "\x1b[14;3~", {key(VK_F4, alt)}},
    {"Alt+F4 as ESC then F4", "\x1b\x1bOS", {key(VK_F4, alt)}},
    {"Alt+F4 as ESC then numbered F4", "\x1b\x1b[14~", {key(VK_F4, alt)}},
    {"Alt+Space", "\x1b ", {key(VK_SPACE, alt)}},
    {"Alt+letter",
     "\x1b"
     "a",
     {typed('a', alt)}},
    {"typed text", "59x", {typed('5'), typed('9'), typed('x')}},
    {"a Latin-1 letter in UTF-8", "\xc3\xa9", {typed(0xE9)}},
    {"a character beyond Latin-1 is dropped",
     "\xe2\x82\xac"
     "1",
     {typed('1')}},
    {"Ctrl+C", "\x03", {CloseEvent{}}},
    {"other control keys do nothing", "\x01\x1a", {}},
    {"two Escs", "\x1b\x1b", {key(VK_ESCAPE), key(VK_ESCAPE)}},
    {"unknown sequences are dropped whole",
     "\x1b[200~\x1b[?1;2c"
     "1",
     {typed('1')}},
    {"SGR mouse press and release",
     "\x1b[<0;10;5M\x1b[<0;10;5m",
     {MouseEvent{true, 9, 4}, MouseEvent{false, 9, 4}}},
    {"SGR mouse past column 223", "\x1b[<0;300;5M", {MouseEvent{true, 299, 4}}},
    {"SGR mouse with Shift held", "\x1b[<4;2;3M", {MouseEvent{true, 1, 2}}},
    {"right button and wheel are dropped", "\x1b[<2;2;3M\x1b[<64;2;3M\x1b[<32;2;3M", {}},
    {"X10 mouse press and release",
     "\x1b[M !%\x1b[M#!%",
     {MouseEvent{true, 0, 4}, MouseEvent{false, 0, 4}}},
};

std::vector<TerminalEvent> decodeAll(KeyDecoder& decoder, const std::string& bytes) {
    auto events = decoder.feed(bytes);
    auto rest = decoder.flush();
    events.insert(events.end(), rest.begin(), rest.end());
    return events;
}

TEST(KeyDecoder, DecodesWhatTerminalsSend) {
    for (const Case& c : cases) {
        KeyDecoder decoder(true);
        EXPECT_EQ(decodeAll(decoder, c.bytes), c.expected) << c.what;
        EXPECT_FALSE(decoder.pending()) << c.what;
    }
}

TEST(KeyDecoder, DecodesTheSameWhenTheBytesComeOneByOne) {
    for (const Case& c : cases) {
        KeyDecoder decoder(true);
        std::vector<TerminalEvent> events;
        for (char byte : c.bytes) {
            auto got = decoder.feed(std::string(1, byte));
            events.insert(events.end(), got.begin(), got.end());
        }
        auto rest = decoder.flush();
        events.insert(events.end(), rest.begin(), rest.end());
        EXPECT_EQ(events, c.expected) << c.what;
    }
}

TEST(KeyDecoder, HoldsAnEscapeBackUntilTheSequenceIsWhole) {
    KeyDecoder decoder(true);
    EXPECT_TRUE(decoder.feed("\x1b").empty());
    EXPECT_TRUE(decoder.pending());
    EXPECT_TRUE(decoder.feed("[1;").empty());
    EXPECT_EQ(decoder.feed("3S"), std::vector<TerminalEvent>{key(VK_F4, alt)});
    EXPECT_FALSE(decoder.pending());

    // A sequence cut short by the pause is the Esc key followed by what came after it.
    EXPECT_TRUE(decoder.feed("\x1b[").empty());
    EXPECT_EQ(decoder.flush(), (std::vector<TerminalEvent>{key(VK_ESCAPE), typed('[')}));
}

TEST(KeyDecoder, TakesBytesAsLatin1OutsideUtf8) {
    KeyDecoder decoder(false);
    EXPECT_EQ(decodeAll(decoder, "\xe9"), std::vector<TerminalEvent>{typed(0xE9)});
}

} // namespace
} // namespace platform::terminal
