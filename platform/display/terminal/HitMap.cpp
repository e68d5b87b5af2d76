#include "platform/display/terminal/HitMap.h"

namespace platform::terminal {

HitMap::HitMap(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      targets_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

void HitMap::set(int col, int row, const ClickTarget& target) {
    if (col >= 0 && col < width_ && row >= 0 && row < height_) {
        targets_[static_cast<size_t>(row * width_ + col)] = target;
    }
}

void HitMap::set(const CellRect& area, const ClickTarget& target) {
    for (int row = area.row; row < area.bottom(); ++row) {
        for (int col = area.col; col < area.right(); ++col) {
            set(col, row, target);
        }
    }
}

const ClickTarget& HitMap::at(int col, int row) const {
    static const ClickTarget nothing;
    if (col < 0 || col >= width_ || row < 0 || row >= height_) {
        return nothing;
    }
    return targets_[static_cast<size_t>(row * width_ + col)];
}

} // namespace platform::terminal
