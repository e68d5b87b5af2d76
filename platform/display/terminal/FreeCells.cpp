#include "platform/display/terminal/FreeCells.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace platform::terminal {
namespace {

// Which cells of the client area are taken.
class Occupancy {
public:
    Occupancy(int width, int height)
        : width_(width), height_(height), taken_(static_cast<size_t>(width * height), false) {}

    void take(const CellRect& r) {
        for (int row = r.row; row < r.bottom(); ++row) {
            for (int col = r.col; col < r.right(); ++col) {
                if (inside(col, row)) {
                    taken_[index(col, row)] = true;
                }
            }
        }
    }

    // A group box takes its frame only; its inside belongs to what it encloses.
    void takeFrame(const CellRect& r) {
        take({r.col, r.row, r.width, 1});
        take({r.col, r.bottom() - 1, r.width, 1});
        take({r.col, r.row, 1, r.height});
        take({r.right() - 1, r.row, 1, r.height});
    }

    // How wide a rectangle can grow to the right, up to `wanted`, keeping a blank cell before
    // its neighbour and the blank column inside the window's frame.
    int widthUpTo(const CellRect& r, int wanted) const {
        int width = r.width;
        while (width < wanted && r.col + width + 1 < width_ && free(r.col + width, r) &&
               free(r.col + width + 1, r)) {
            ++width;
        }
        return width;
    }

private:
    bool inside(int col, int row) const {
        return col >= 0 && col < width_ && row >= 0 && row < height_;
    }
    size_t index(int col, int row) const { return static_cast<size_t>(row * width_ + col); }
    bool free(int col, const CellRect& rows) const {
        for (int row = rows.row; row < rows.bottom(); ++row) {
            if (inside(col, row) && taken_[index(col, row)]) {
                return false;
            }
        }
        return true;
    }

    int width_;
    int height_;
    std::vector<bool> taken_;
};

bool isButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton;
}

} // namespace

void spreadIntoFreeCells(const std::vector<LayoutControl>& controls, double columnsPerUnit,
                         DialogLayout& layout) {
    Occupancy occupancy(layout.client.cx, layout.client.cy);
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind == ControlKind::GroupBox) {
            occupancy.takeFrame(layout.controls[i]);
        } else {
            occupancy.take(layout.controls[i]);
        }
    }
    // From the top left on, so that what stands further left on a row grows first.
    std::vector<size_t> order(controls.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const CellRect& ra = layout.controls[a];
        const CellRect& rb = layout.controls[b];
        return ra.row != rb.row ? ra.row < rb.row : ra.col < rb.col;
    });
    for (size_t i : order) {
        const LayoutControl& c = controls[i];
        CellRect& r = layout.controls[i];
        int wanted = r.width;
        if (c.kind == ControlKind::Text) {
            wanted = layout.client.cx;
        } else if (isButton(c.kind)) {
            wanted = static_cast<int>(std::lround((c.units.right - c.units.left) * columnsPerUnit));
            // The caption stands in the middle only when the blanks split evenly.
            wanted -= std::max(wanted - r.width, 0) % 2;
        }
        int grown = occupancy.widthUpTo(r, wanted);
        occupancy.take({r.right(), r.row, grown - r.width, r.height});
        r.width = grown;
    }
}

} // namespace platform::terminal
