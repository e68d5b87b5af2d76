#pragma once
// One axis of a cell layout. Lines stand in a fixed order along the axis (the left edges of
// controls, or the rows of text lines); each gets a cell position so that the order is kept,
// every required spacing is met, and otherwise each line stays as near its proportional place
// as it can. The last line is the far end of the axis.

#include <vector>

namespace platform::terminal {

class ElasticAxis {
public:
    explicit ElasticAxis(int lineCount);

    // Line `to` must lie at least `cells` after line `from`; `from` comes before `to`.
    void keepApart(int from, int to, int cells);
    // No line may lie before `cell`.
    void startAt(int line, int cell);

    // Where each line lies when everything is packed as tightly as the spacings allow.
    std::vector<int> tightest() const;
    int shortestLength() const { return tightest().back(); }

    // Places the lines with the far end at `end` (at least the shortest length): each line goes
    // to its ideal cell, moved only as far as the spacings force it.
    std::vector<int> place(const std::vector<double>& ideal, int end) const;

private:
    struct Spacing {
        int from;
        int cells;
    };

    std::vector<int> lowest_;
    std::vector<std::vector<Spacing>> before_; // for each line, the spacings that end at it
};

} // namespace platform::terminal
