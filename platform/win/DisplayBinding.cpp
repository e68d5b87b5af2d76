// Which display the process draws on, and the window thread that blocks in it.

#include "platform/display/Display.h"
#include "platform/win/ThreadQueue.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<Display*> display{nullptr};
}

void setDisplay(Display* newDisplay) {
    display.store(newDisplay, std::memory_order_release);
    ThreadQueue::current().bindDisplay(newDisplay);
}

Display* currentDisplay() { return display.load(std::memory_order_acquire); }

ScreenMetrics screenMetrics() {
    Display* d = currentDisplay();
    return d != nullptr ? d->metrics() : ScreenMetrics{};
}

} // namespace platform
