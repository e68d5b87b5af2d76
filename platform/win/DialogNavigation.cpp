#include "platform/win/DialogNavigation.h"

namespace platform {
namespace {

constexpr DWORD wsGroup = 0x00020000;
constexpr DWORD wsTabStop = 0x00010000;

// Steps through indices around the list, starting after `from`, until `accept` says yes.
template <class Accept>
std::optional<size_t> stepAround(size_t first, size_t last, size_t from, bool previous, Accept accept) {
    size_t count = last - first + 1;
    size_t position = from - first;
    for (size_t step = 1; step <= count; ++step) {
        size_t offset = previous ? (position + count - step % count) % count : (position + step) % count;
        if (accept(first + offset)) {
            return first + offset;
        }
    }
    return std::nullopt;
}

} // namespace

GroupRange groupOf(const std::vector<NavigationItem>& items, size_t index) {
    size_t first = index;
    while (first > 0 && (items[first].style & wsGroup) == 0) {
        --first;
    }
    size_t last = index;
    while (last + 1 < items.size() && (items[last + 1].style & wsGroup) == 0) {
        ++last;
    }
    return {first, last};
}

std::optional<size_t> nextTabStop(const std::vector<NavigationItem>& items,
                                  std::optional<size_t> from, bool previous) {
    if (items.empty()) {
        return std::nullopt;
    }
    auto isTabStop = [&](size_t i) {
        return items[i].available && (items[i].style & wsTabStop) != 0;
    };
    // Without a starting control, start from the far end so the first step lands on the near one.
    size_t start = from ? *from : (previous ? 0 : items.size() - 1);
    return stepAround(0, items.size() - 1, start, previous, isTabStop);
}

std::optional<size_t> nextInGroup(const std::vector<NavigationItem>& items, size_t from,
                                  bool previous) {
    if (from >= items.size()) {
        return std::nullopt;
    }
    GroupRange group = groupOf(items, from);
    return stepAround(group.first, group.last, from, previous,
                      [&](size_t i) { return items[i].available && !items[i].isStatic; });
}

} // namespace platform
