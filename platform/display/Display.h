#pragma once
// The seam between the window system and whatever shows it: a display turns the window tree
// into a picture and the user's input into mouse and keyboard input, and it owns the one
// place where the window thread blocks.

#include "platform/win/Clock.h"
#include "platform/win/Types.h"

#include <optional>

namespace platform {

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

struct ScreenMetrics {
    SIZE screen{1024, 768};
    RECT workArea{0, 0, 1024, 738}; // the screen less the task bar
    SIZE icon{32, 32};
    SIZE smallIcon{16, 16};
    SIZE iconicClient{36, 36}; // the client area of a minimized window
};

// Where a display hands the user's input; implemented by the window system. Called on the
// window thread only, from inside Display::wait.
class InputSink {
public:
    virtual ~InputSink() = default;
    // The left mouse button went down or up at a point on the screen, in pixels.
    virtual void mouseButton(POINT screen, bool down) = 0;
    // A key without a character of its own went down or up (Tab, arrows, F1, Enter ...).
    virtual void key(UINT virtualKey, bool down, Modifiers modifiers) = 0;
    // A key that types a character was pressed and released.
    virtual void character(unsigned char ch, Modifiers modifiers) = 0;
};

class Display {
public:
    virtual ~Display() = default;

    // Safe to call from any thread.
    virtual ScreenMetrics metrics() const = 0;

    // Draws the window tree; called on the window thread before it blocks, when some window
    // changed since the last call.
    virtual void present() = 0;

    // Blocks the window thread until input arrives (handed to the sink before returning), until
    // wake() is called (also when it was called before this wait began), or until the deadline
    // passes. No deadline means no time limit.
    virtual void wait(std::optional<TimePoint> deadline, InputSink& sink) = 0;

    // Ends the current or next wait early. Safe to call from any thread.
    virtual void wake() = 0;
};

// The display of the process; its screen metrics serve every thread. Set before the first
// window is made; nullptr restores the built-in metrics.
void setDisplay(Display* display);
Display* currentDisplay();
ScreenMetrics screenMetrics();

} // namespace platform
