#include "platform/display/terminal/ColumnGrid.h"

#include <algorithm>

namespace platform::terminal {
namespace {

// Left edges this close together are drawn in one column.
constexpr LONG alignUnits = 2;

bool overlapsVertically(const RECT& a, const RECT& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

} // namespace

ColumnGrid::ColumnGrid(const std::vector<LayoutControl>& controls, LONG clientUnits, int room)
    : controls_(controls), clientUnits_(clientUnits) {
    for (const auto& c : controls) {
        if (c.kind == ControlKind::GroupBox) {
            spans_.push_back({c.units.left, 1, c.units});
            spans_.push_back({c.units.right, 1, c.units});
        } else {
            spans_.push_back({c.units.left, contentWidth(c), c.units});
        }
    }
    for (const Span& s : spans_) {
        starts_.push_back(s.x);
    }
    std::sort(starts_.begin(), starts_.end());
    starts_.erase(std::unique(starts_.begin(), starts_.end()), starts_.end());
    for (size_t line = 0; line < starts_.size(); ++line) {
        lineOf_[starts_[line]] = static_cast<int>(line);
    }

    // Each nearby pair is tried in turn and kept merged only when the tightest layout still
    // fits the room, or grows no wider than it was before any merging.
    int limit = std::max(room, shortestWidth());
    for (size_t line = 1; line < starts_.size(); ++line) {
        if (starts_[line] - starts_[line - 1] > alignUnits || standSideBySide(line - 1, line)) {
            continue;
        }
        auto savedLines = lineOf_;
        auto savedStarts = starts_;
        merge(line);
        if (shortestWidth() > limit) {
            lineOf_ = std::move(savedLines);
            starts_ = std::move(savedStarts);
        } else {
            --line; // the merged line may take the next edge too
        }
    }
}

void ColumnGrid::merge(size_t line) {
    for (auto& [x, at] : lineOf_) {
        if (at >= static_cast<int>(line)) {
            --at;
        }
    }
    starts_.erase(starts_.begin() + static_cast<long>(line));
}

// Two grid lines cannot share a column when controls starting at them stand side by side.
bool ColumnGrid::standSideBySide(size_t line1, size_t line2) const {
    for (const Span& a : spans_) {
        for (const Span& b : spans_) {
            if (lineOf_.at(a.x) == static_cast<int>(line1) &&
                lineOf_.at(b.x) == static_cast<int>(line2) &&
                overlapsVertically(a.units, b.units)) {
                return true;
            }
        }
    }
    return false;
}

ElasticAxis ColumnGrid::axis() const {
    int end = static_cast<int>(starts_.size());
    ElasticAxis axis(end + 1);
    for (size_t line = 0; line < starts_.size(); ++line) {
        if (starts_[line] > 0) {
            axis.startAt(static_cast<int>(line), 1); // a blank column inside the frame
        }
    }
    for (const Span& a : spans_) {
        int from = lineOf_.at(a.x);
        for (const Span& b : spans_) {
            int to = lineOf_.at(b.x);
            if (from < to && overlapsVertically(a.units, b.units)) {
                axis.keepApart(from, to, a.width + 1);
            }
        }
        axis.keepApart(from, end, a.width + 1);
    }
    for (const auto& c : controls_) {
        int left = c.kind == ControlKind::GroupBox ? lineOf_.at(c.units.left) : 0;
        int right = c.kind == ControlKind::GroupBox ? lineOf_.at(c.units.right) : 0;
        if (left < right) {
            axis.keepApart(left, right,
                           static_cast<int>(c.caption.size()) + decorationWidth(c.kind) - 1);
        }
    }
    return axis;
}

std::vector<int> ColumnGrid::place(int width) const {
    std::vector<double> ideal;
    for (LONG x : starts_) {
        ideal.push_back(static_cast<double>(x) * width / std::max<LONG>(clientUnits_, 1));
    }
    ideal.push_back(width);
    return axis().place(ideal, width);
}

} // namespace platform::terminal
