// The navigation rules over a control list, without windows.

#include "platform/win/DialogNavigation.h"
#include "platform/win/Win32.h"

#include <gtest/gtest.h>

using platform::NavigationItem;

namespace {

// A list written as letters: T tab stop, G group mark, B both, - neither, S a static with a
// group mark, x an unavailable tab stop.
std::vector<NavigationItem> listOf(std::string_view layout) {
    std::vector<NavigationItem> items;
    for (char c : layout) {
        NavigationItem item;
        item.style = (c == 'T' || c == 'x') ? WS_TABSTOP : c == 'G' ? WS_GROUP : c == 'B' ? WS_GROUP | WS_TABSTOP : c == 'S' ? WS_GROUP : 0;
        item.isStatic = c == 'S';
        item.available = c != 'x';
        items.push_back(item);
    }
    return items;
}

struct Step {
    std::string_view layout;
    std::optional<size_t> from;
    bool previous;
    std::optional<size_t> expected;
};

} // namespace

TEST(DialogNavigation, TabStops) {
    const Step steps[] = {
        {"T-T-T", std::nullopt, false, 0},
        {"T-T-T", std::nullopt, true, 4},
        {"T-T-T", 0, false, 2},
        {"T-T-T", 4, false, 0},    // wraps to the first
        {"T-T-T", 0, true, 4},     // and back to the last
        {"TxT", 0, false, 2},      // an unavailable stop is passed over
        {"-T-", 1, false, 1},      // the only stop comes back to itself
        {"---", std::nullopt, false, std::nullopt},
        {"S-B", 0, false, 2},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(platform::nextTabStop(listOf(s.layout), s.from, s.previous), s.expected)
            << s.layout << " from " << (s.from ? std::to_string(*s.from) : "none") << (s.previous ? " back" : "");
    }
}

TEST(DialogNavigation, Groups) {
    const Step steps[] = {
        {"G--G--", 0, false, 1},
        {"G--G--", 2, false, 0},   // wraps inside the group
        {"G--G--", 0, true, 2},
        {"G--G--", 3, true, 5},
        {"--G-", 0, false, 1},     // the first control starts a group of its own
        {"G-S-G-", 1, false, 0},   // a static's group mark ends the group; statics never take focus
        {"Gx-", 0, false, 2},      // an unavailable control is passed over
    };
    for (const Step& s : steps) {
        EXPECT_EQ(platform::nextInGroup(listOf(s.layout), *s.from, s.previous), s.expected)
            << s.layout << " from " << *s.from << (s.previous ? " back" : "");
    }
    auto group = platform::groupOf(listOf("G--G--"), 4);
    EXPECT_EQ(group.first, 3u);
    EXPECT_EQ(group.last, 5u);
}
