#pragma once
// The columns of a cell layout. Every distinct left edge of the template (and the right side of
// each group box) is a grid line; controls standing side by side (their units overlap
// vertically) push the lines after them far enough for their content and a blank; a group box
// is wide enough for its caption. Left edges only a unit or two apart share a column, as long
// as that costs no width the room does not have.

#include "platform/display/terminal/CellLayout.h"
#include "platform/display/terminal/ElasticAxis.h"

#include <map>
#include <vector>

namespace platform::terminal {

class ColumnGrid {
public:
    // `room` is the widest the client area may be.
    ColumnGrid(const std::vector<LayoutControl>& controls, LONG clientUnits, int room);

    int shortestWidth() const { return axis().shortestLength(); }
    // The column of every grid line for a client area `width` columns wide.
    std::vector<int> place(int width) const;
    // The grid line of a left edge, or of a group box's right side.
    int lineOf(LONG x) const { return lineOf_.at(x); }

private:
    // A left edge with the width that the control starting there needs, a group box side
    // being one column wide.
    struct Span {
        LONG x;
        int width;
        RECT units;
    };

    ElasticAxis axis() const;
    bool standSideBySide(size_t line1, size_t line2) const;
    void merge(size_t line);

    const std::vector<LayoutControl>& controls_;
    std::vector<Span> spans_;
    LONG clientUnits_;
    std::vector<LONG> starts_;   // the first left edge of each grid line
    std::map<LONG, int> lineOf_; // each left edge's grid line
};

} // namespace platform::terminal
