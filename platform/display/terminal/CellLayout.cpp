#include "platform/display/terminal/CellLayout.h"

#include "platform/display/terminal/CaptionText.h"
#include "platform/display/terminal/ColumnGrid.h"
#include "platform/display/terminal/FreeCells.h"
#include "platform/display/terminal/RowGrid.h"

#include <algorithm>
#include <cmath>

namespace platform::terminal {
namespace {

// Dialog units to a cell at the dialog's natural size: an average character is four units wide,
// and a row holds one line of controls, which dialogs space about twelve units apart. A line
// of text is eight units high.
constexpr int unitsPerColumn = 4;
constexpr int unitsPerRow = 12;
constexpr int unitsPerTextLine = 8;

// The natural size when the room allows, else the room, but never less than the tightest.
int sizeWithin(LONG units, int unitsPerCell, int tightest, int room) {
    int natural = static_cast<int>(std::lround(static_cast<double>(units) / unitsPerCell));
    return std::max(tightest, std::min(natural, room));
}

} // namespace

int contentWidth(const LayoutControl& control) {
    int caption = static_cast<int>(control.caption.size());
    switch (control.kind) {
    case ControlKind::Text: {
        int width = widestLine(control.caption);
        if (control.changing) {
            int reserved =
                static_cast<int>((control.units.right - control.units.left) * 3 + 9) / 10;
            width = std::max(width, reserved);
        }
        return std::max(width, 1);
    }
    case ControlKind::Edit:
        return editWidth(control.visibleCharacters);
    case ControlKind::Icon:
        return iconWidth;
    case ControlKind::Other:
        return std::max(widestLine(control.caption), 1);
    default:
        return caption + decorationWidth(control.kind);
    }
}

int contentHeight(const LayoutControl& control) {
    switch (control.kind) {
    case ControlKind::Text:
        return std::max<int>(1, (control.units.bottom - control.units.top + unitsPerTextLine / 2) /
                                    unitsPerTextLine);
    case ControlKind::Icon:
        return iconHeight;
    default:
        return 1;
    }
}

DialogLayout layOutDialog(SIZE clientUnits, const std::vector<LayoutControl>& controls, SIZE room) {
    DialogLayout layout;
    layout.controls.resize(controls.size());

    ColumnGrid columns(controls, clientUnits.cx, room.cx);
    int tightestWidth = columns.shortestWidth();
    int width = sizeWithin(clientUnits.cx, unitsPerColumn, tightestWidth, room.cx);
    std::vector<int> columnAt = columns.place(width);
    auto columnOf = [&](LONG x) { return columnAt[static_cast<size_t>(columns.lineOf(x))]; };

    // Each control is a band of rows, a group box two: its top line and its bottom line.
    std::vector<Band> bands;
    std::vector<size_t> controlOf;
    for (size_t i = 0; i < controls.size(); ++i) {
        const LayoutControl& c = controls[i];
        CellRect& r = layout.controls[i];
        r.col = columnOf(c.units.left);
        if (c.kind == ControlKind::GroupBox) {
            r.width = columnOf(c.units.right) - r.col + 1;
            bands.push_back({c.units.top + unitsPerTextLine / 2.0, r.col, r.right(), 1});
            bands.push_back({static_cast<double>(c.units.bottom), r.col, r.right(), 1});
            controlOf.insert(controlOf.end(), {i, i});
            continue;
        }
        r.width = contentWidth(c);
        r.height = contentHeight(c);
        // A text of several lines is placed by its first line; an icon's picture shows mostly on
        // its first row, which goes where the icon's middle is.
        bool byFirstLine = r.height > 1 && c.kind != ControlKind::Icon;
        double middle = byFirstLine ? c.units.top + unitsPerTextLine / 2.0
                                    : (c.units.top + c.units.bottom) / 2.0;
        bands.push_back({middle, r.col, r.right(), r.height});
        controlOf.push_back(i);
    }

    RowGrid rows(bands);
    int tightestHeight = rows.shortestHeight();
    int height = sizeWithin(clientUnits.cy, unitsPerRow, tightestHeight, room.cy);
    std::vector<int> rowAt = rows.place(height, clientUnits.cy);
    for (size_t b = 0; b < bands.size(); ++b) {
        CellRect& r = layout.controls[controlOf[b]];
        bool bottomSide = b > 0 && controlOf[b - 1] == controlOf[b];
        if (bottomSide) {
            r.height = rowAt[b] - r.row + 1;
        } else {
            r.row = rowAt[b];
        }
    }

    layout.client = {width, height};
    layout.minimum = {tightestWidth, tightestHeight};
    layout.fits = tightestWidth <= room.cx && tightestHeight <= room.cy;
    spreadIntoFreeCells(controls, static_cast<double>(width) / std::max<LONG>(clientUnits.cx, 1),
                        layout);
    return layout;
}

} // namespace platform::terminal
