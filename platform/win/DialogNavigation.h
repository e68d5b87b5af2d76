#pragma once
// The rules of keyboard navigation in a dialog, as free functions over its controls in template
// order, so that they can be checked against tables without windows.

#include "platform/win/Types.h"

#include <optional>
#include <vector>

namespace platform {

struct NavigationItem {
    DWORD style = 0;          // WS_GROUP and WS_TABSTOP matter here
    bool available = true;    // visible and enabled
    bool isStatic = false;    // static texts and group boxes never take the focus
};

// The range [first, last] of the group that holds `index`: from the control with the group
// mark at or before it (or the first control) to the control before the next group mark.
struct GroupRange {
    size_t first;
    size_t last;
};
GroupRange groupOf(const std::vector<NavigationItem>& items, size_t index);

// Tab and Shift+Tab: the next available tab stop after (or before) `from`, wrapping around;
// with no starting control, the first (or last) one.
std::optional<size_t> nextTabStop(const std::vector<NavigationItem>& items,
                                  std::optional<size_t> from, bool previous);

// Arrow keys: the next available, focusable control of the same group, wrapping around inside
// the group.
std::optional<size_t> nextInGroup(const std::vector<NavigationItem>& items, size_t from,
                                  bool previous);

} // namespace platform
