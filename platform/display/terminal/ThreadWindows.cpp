#include "platform/display/terminal/ThreadWindows.h"

#include "platform/win/ThreadQueue.h"
#include "platform/win/Window.h"

#include <algorithm>

namespace platform::terminal {

std::vector<HWND> threadTopLevelWindows() {
    std::vector<HWND> windows = topLevelWindows();
    const ThreadQueue* own = &ThreadQueue::current();
    std::erase_if(windows, [&](HWND handle) { return queueOf(handle).get() != own; });
    return windows;
}

} // namespace platform::terminal
