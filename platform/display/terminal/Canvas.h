#pragma once
// The picture of the screen as character cells, each with the role it plays; the terminal
// gives every role its colours or attributes. Drawing outside the canvas is clipped.

#include "platform/display/terminal/CellRect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::terminal {

enum class Role : std::uint8_t {
    Desktop,       // no window here
    Window,        // a window's face, its frame and its text
    TitleActive,   // the title bar of the active window
    TitleInactive, // the title bar of any other window
    Disabled,      // a control that takes no input
    Focus,         // the part of the focused control that shows the focus
    DefaultButton, // the default push button's face
    Pushed,        // a button held down
    Field,         // the inside of an edit box
    Selection,     // selected text in an edit box
    Menu,          // an open menu
    MenuSelected,  // its selected item
    TaskBar,       // the bottom line
    TaskButton,    // a window's button on it
    TaskButtonActive,
    Notice, // the line that asks for a larger terminal
};

// Box-drawing characters; the terminal shows them with its line-drawing set.
namespace line {
inline constexpr char32_t horizontal = U'\u2500';
inline constexpr char32_t vertical = U'\u2502';
inline constexpr char32_t topLeft = U'\u250C';
inline constexpr char32_t topRight = U'\u2510';
inline constexpr char32_t bottomLeft = U'\u2514';
inline constexpr char32_t bottomRight = U'\u2518';
inline constexpr char32_t teeLeft = U'\u251C';  // a separator's left end
inline constexpr char32_t teeRight = U'\u2524'; // a separator's right end
} // namespace line

struct Cell {
    char32_t ch = U' ';
    Role role = Role::Desktop;
    bool underline = false; // a mnemonic letter
    bool operator==(const Cell&) const = default;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    void put(int col, int row, char32_t ch, Role role, bool underline = false);
    // Writes single-byte text (Latin-1), clipped to `limit` cells when that is not negative.
    void write(int col, int row, std::string_view text, Role role, int limit = -1);
    void fill(const CellRect& area, Role role, char32_t ch = U' ');
    void frame(const CellRect& area, Role role);

    const Cell& at(int col, int row) const;
    // A row as text (UTF-8), for tests and for the terminal-less checks.
    std::string rowText(int row) const;
    std::vector<std::string> lines() const;

private:
    bool inside(int col, int row) const {
        return col >= 0 && col < width_ && row >= 0 && row < height_;
    }

    int width_;
    int height_;
    std::vector<Cell> cells_;
};

} // namespace platform::terminal
