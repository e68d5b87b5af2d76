#include "platform/display/terminal/CursesOutput.h"

#include <ncursesw/curses.h>

namespace platform::terminal {
namespace {

// Colour pairs, numbered from 1.
enum Pair : short {
    windowPair = 1,
    titlePair,
    inactiveTitlePair,
    disabledPair,
    focusPair,
    pushedPair,
    fieldPair
};

const cchar_t* lineCharacter(char32_t ch) {
    switch (ch) {
    case line::horizontal:
        return WACS_HLINE;
    case line::vertical:
        return WACS_VLINE;
    case line::topLeft:
        return WACS_ULCORNER;
    case line::topRight:
        return WACS_URCORNER;
    case line::bottomLeft:
        return WACS_LLCORNER;
    case line::bottomRight:
        return WACS_LRCORNER;
    case line::teeLeft:
        return WACS_LTEE;
    case line::teeRight:
        return WACS_RTEE;
    default:
        return nullptr;
    }
}

} // namespace

CursesOutput::CursesOutput() : colours_(has_colors() && COLORS >= 8 && COLOR_PAIRS > fieldPair) {
    if (!colours_) {
        return;
    }
    // The grey of a dimmed control is the bright black of sixteen-colour terminals.
    short grey = COLORS >= 16 ? 8 : COLOR_BLACK;
    init_pair(windowPair, COLOR_BLACK, COLOR_WHITE);
    init_pair(titlePair, COLOR_WHITE, COLOR_BLUE);
    init_pair(inactiveTitlePair, COLOR_WHITE, COLOR_BLACK);
    init_pair(disabledPair, grey, COLOR_WHITE);
    init_pair(focusPair, COLOR_WHITE, COLOR_BLUE);
    init_pair(pushedPair, COLOR_WHITE, COLOR_BLACK);
    init_pair(fieldPair, COLOR_BLACK, COLOR_CYAN);
}

CursesOutput::Look CursesOutput::lookOf(Role role) const {
    if (colours_) {
        switch (role) {
        case Role::Desktop:
            return {A_NORMAL, 0};
        case Role::Window:
        case Role::Menu:
        case Role::TaskBar:
        case Role::TaskButton:
            return {A_NORMAL, windowPair};
        case Role::TitleActive:
        case Role::TaskButtonActive:
            return {A_BOLD, titlePair};
        case Role::TitleInactive:
            return {A_NORMAL, inactiveTitlePair};
        case Role::Disabled:
            return {A_DIM, disabledPair};
        case Role::Focus:
        case Role::Selection:
        case Role::MenuSelected:
            return {A_BOLD, focusPair};
        case Role::DefaultButton:
            return {A_BOLD, windowPair};
        case Role::Pushed:
            return {A_BOLD, pushedPair};
        case Role::Field:
            return {A_NORMAL, fieldPair};
        case Role::Notice:
            return {A_BOLD, 0};
        }
    }
    switch (role) {
    case Role::TitleActive:
    case Role::TaskButtonActive:
    case Role::Pushed:
        return {A_REVERSE | A_BOLD, 0};
    case Role::TitleInactive:
    case Role::Focus:
    case Role::Selection:
    case Role::MenuSelected:
        return {A_REVERSE, 0};
    case Role::Disabled:
        return {A_DIM, 0};
    case Role::DefaultButton:
    case Role::Notice:
        return {A_BOLD, 0};
    case Role::Field:
        return {A_UNDERLINE, 0};
    default:
        return {A_NORMAL, 0};
    }
}

void CursesOutput::show(const Picture& picture) {
    const Canvas& canvas = picture.canvas;
    for (int row = 0; row < canvas.height(); ++row) {
        for (int col = 0; col < canvas.width(); ++col) {
            const Cell& cell = canvas.at(col, row);
            Look look = lookOf(cell.role);
            attr_t attributes = look.attributes | (cell.underline ? A_UNDERLINE : 0);
            if (const cchar_t* drawn = lineCharacter(cell.ch)) {
                attr_set(attributes, look.pair, nullptr);
                mvadd_wch(row, col, drawn);
                continue;
            }
            wchar_t text[2] = {static_cast<wchar_t>(cell.ch), L'\0'};
            cchar_t shown;
            if (setcchar(&shown, text, attributes, look.pair, nullptr) != OK) {
                setcchar(&shown, L"?", attributes, look.pair, nullptr);
            }
            mvadd_wch(row, col, &shown);
        }
    }
    attr_set(A_NORMAL, 0, nullptr);
    if (picture.cursor) {
        move(picture.cursor->y, picture.cursor->x);
        curs_set(1);
    } else {
        curs_set(0);
    }
    refresh();
}

} // namespace platform::terminal
