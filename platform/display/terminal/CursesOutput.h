#pragma once
// Shows a picture on the terminal through ncurses: each role with its colours where the
// terminal has them and with plain attributes (reverse, bold, dim, underline) where it has
// not, the box-drawing characters with the terminal's line-drawing set. ncurses compares the
// new picture with the one on the terminal and sends only the difference.

#include "platform/display/terminal/ScreenPainter.h"

namespace platform::terminal {

class CursesOutput {
public:
    CursesOutput();
    void show(const Picture& picture);

private:
    struct Look {
        unsigned attributes;
        short pair;
    };
    Look lookOf(Role role) const;

    bool colours_;
};

} // namespace platform::terminal
