#pragma once
// Hands what the user did at the terminal to the window system, as a user at the real system
// would have done it: keys and characters through the input sink; a click as a press and a
// release at the pixels of what the screen shows under the mouse; a click on a task-bar button
// restores its window, as the shell does; Ctrl+C closes the active window as its close box
// would; Enter restores the minimized window when no other window is there to take it.
// Call on the window thread, from inside the display's wait.

#include "platform/display/terminal/HitMap.h"
#include "platform/display/terminal/TerminalEvent.h"

namespace platform::terminal {

class InputDispatcher {
public:
    void deliver(const TerminalEvent& event, const HitMap& screen, InputSink& sink);

private:
    void click(const MouseEvent& mouse, const HitMap& screen, InputSink& sink);
    void key(const KeyEvent& key, InputSink& sink);

    ClickTarget pressed_; // what the last press went to, which its release concerns
};

} // namespace platform::terminal
