#pragma once
// Lays a dialog out in character cells from its template's dialog units. Both axes are elastic
// grids (ColumnGrid, RowGrid): controls keep the order and the alignment that their template
// gives them, are pushed apart where their captions need more room than the units leave, group
// boxes keep enclosing what they enclose, and no two controls share a cell; static text then
// takes the free cells to its right (FreeCells). The client area takes the dialog's natural
// size (four units to a column, twelve to a row of controls) when the room allows, and is
// squeezed towards the tightest arrangement when it does not.

#include "platform/display/terminal/CellRect.h"
#include "platform/display/terminal/ControlLook.h"
#include "platform/win/Types.h"

#include <string>
#include <vector>

namespace platform::terminal {

struct LayoutControl {
    ControlKind kind = ControlKind::Other;
    RECT units{};        // where the template puts it, in dialog units
    std::string caption; // as shown, without the mnemonic mark
    // A static text that the program rewrites (it has an id): it keeps the room its template
    // gives it, counted as the dialog font shows digits and text, about ten characters to 33
    // units, so that longer texts than the first one still fit.
    bool changing = false;
    int visibleCharacters = 0; // edit boxes: how many characters the control shows at once
};

struct DialogLayout {
    SIZE client{0, 0};  // the client area, in cells
    SIZE minimum{0, 0}; // the smallest client area that holds every control
    bool fits = true;   // false when even the smallest client area exceeds the room
    // Where each control is drawn, in client cells; a group box: its whole frame. Static text
    // and push buttons also take free cells to their right, up to their next neighbour.
    std::vector<CellRect> controls;
};

// `room` is the largest client area the dialog may take, in cells.
DialogLayout layOutDialog(SIZE clientUnits, const std::vector<LayoutControl>& controls, SIZE room);

// The cells a control needs at the least: its caption with its decoration.
int contentWidth(const LayoutControl& control);
int contentHeight(const LayoutControl& control);

} // namespace platform::terminal
