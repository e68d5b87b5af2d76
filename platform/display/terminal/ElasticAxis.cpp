#include "platform/display/terminal/ElasticAxis.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace platform::terminal {

ElasticAxis::ElasticAxis(int lineCount)
    : lowest_(static_cast<size_t>(lineCount), 0), before_(static_cast<size_t>(lineCount)) {}

void ElasticAxis::keepApart(int from, int to, int cells) {
    assert(from < to);
    before_[static_cast<size_t>(to)].push_back({from, cells});
}

void ElasticAxis::startAt(int line, int cell) {
    int& lowest = lowest_[static_cast<size_t>(line)];
    lowest = std::max(lowest, cell);
}

std::vector<int> ElasticAxis::tightest() const {
    std::vector<int> at(lowest_.size(), 0);
    for (size_t line = 0; line < at.size(); ++line) {
        int cell = lowest_[line];
        if (line > 0) {
            cell = std::max(cell, at[line - 1]);
        }
        for (const Spacing& s : before_[line]) {
            cell = std::max(cell, at[static_cast<size_t>(s.from)] + s.cells);
        }
        at[line] = cell;
    }
    return at;
}

std::vector<int> ElasticAxis::place(const std::vector<double>& ideal, int end) const {
    std::vector<int> tight = tightest();
    size_t count = tight.size();
    // The latest cell of each line that still leaves room for every line after it.
    std::vector<int> latest(count, 0);
    latest[count - 1] = std::max(end, tight[count - 1]);
    for (size_t line = count - 1; line-- > 0;) {
        latest[line] = latest[line + 1];
    }
    for (size_t line = count; line-- > 0;) {
        for (const Spacing& s : before_[line]) {
            int& from = latest[static_cast<size_t>(s.from)];
            from = std::min(from, latest[line] - s.cells);
        }
        if (line > 0) {
            latest[line - 1] = std::min(latest[line - 1], latest[line]);
        }
    }
    // Walking forwards, each line takes its ideal cell within what the lines already placed
    // and the lines still to come allow; the two bounds never cross (see tightest()).
    std::vector<int> at(count, 0);
    for (size_t line = 0; line < count; ++line) {
        int earliest = lowest_[line];
        if (line > 0) {
            earliest = std::max(earliest, at[line - 1]);
        }
        for (const Spacing& s : before_[line]) {
            earliest = std::max(earliest, at[static_cast<size_t>(s.from)] + s.cells);
        }
        int wanted = line + 1 == count ? latest[line] : static_cast<int>(std::lround(ideal[line]));
        at[line] = std::clamp(wanted, earliest, std::max(earliest, latest[line]));
    }
    return at;
}

} // namespace platform::terminal
