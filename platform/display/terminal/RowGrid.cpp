#include "platform/display/terminal/RowGrid.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace platform::terminal {
namespace {

// Half a line of text: middles this close together are on one line.
constexpr double sameLineUnits = 4;

bool shareColumns(const Band& a, const Band& b) {
    return a.left < b.right && b.left < a.right;
}

} // namespace

RowGrid::RowGrid(const std::vector<Band>& bands) : bands_(bands), axis_(1) {
    std::vector<size_t> order(bands.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return bands[a].middle < bands[b].middle; });
    for (size_t index : order) {
        const Band& band = bands[index];
        bool joins = !lines_.empty() && band.middle - lines_.back().middle <= sameLineUnits &&
                     std::none_of(lines_.back().bands.begin(), lines_.back().bands.end(),
                                  [&](size_t other) { return shareColumns(band, bands[other]); });
        if (joins) {
            lines_.back().bands.push_back(index);
        } else {
            lines_.push_back({band.middle, {index}});
        }
    }

    int end = static_cast<int>(lines_.size());
    axis_ = ElasticAxis(end + 1);
    for (int i = 0; i < end; ++i) {
        for (size_t a : lines_[static_cast<size_t>(i)].bands) {
            for (int j = i + 1; j < end; ++j) {
                for (size_t b : lines_[static_cast<size_t>(j)].bands) {
                    if (shareColumns(bands[a], bands[b])) {
                        axis_.keepApart(i, j, bands[a].height);
                    }
                }
            }
            axis_.keepApart(i, end, bands[a].height);
        }
    }
}

std::vector<int> RowGrid::place(int height, LONG clientUnits) const {
    // A line's ideal row is the one its middle falls in, the client area's units being shared
    // out evenly among the rows.
    std::vector<double> ideal;
    for (const Line& line : lines_) {
        ideal.push_back(std::floor(line.middle * height / std::max<LONG>(clientUnits, 1)));
    }
    ideal.push_back(height);
    std::vector<int> lineRows = axis_.place(ideal, height);
    std::vector<int> rows(bands_.size(), 0);
    for (size_t line = 0; line < lines_.size(); ++line) {
        for (size_t band : lines_[line].bands) {
            rows[band] = lineRows[line];
        }
    }
    return rows;
}

} // namespace platform::terminal
