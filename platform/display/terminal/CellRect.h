#pragma once
// A rectangle of character cells: the left column, the top row, and the size in cells.

namespace platform::terminal {

struct CellRect {
    int col = 0;
    int row = 0;
    int width = 0;
    int height = 0;

    int right() const { return col + width; }   // the first column past it
    int bottom() const { return row + height; } // the first row past it
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int c, int r) const {
        return c >= col && c < right() && r >= row && r < bottom();
    }
    bool overlaps(const CellRect& other) const {
        return !empty() && !other.empty() && col < other.right() && other.col < right() &&
               row < other.bottom() && other.row < bottom();
    }
    bool operator==(const CellRect&) const = default;
};

} // namespace platform::terminal
