#pragma once
// The rows of a cell layout. Each control (and each horizontal side of a group box) is a band
// at the height of its first text line; bands whose middles lie within half a text line of
// each other share a row unless they share columns. Rows keep the template's top-to-bottom
// order, and a band is pushed below every band above it whose columns it shares.

#include "platform/display/terminal/ElasticAxis.h"
#include "platform/win/Types.h"

#include <vector>

namespace platform::terminal {

struct Band {
    double middle; // where its first text line lies, in units
    int left;      // its columns, the last one excluded
    int right;
    int height; // in rows
};

class RowGrid {
public:
    explicit RowGrid(const std::vector<Band>& bands);

    int shortestHeight() const { return axis_.shortestLength(); }
    // The row of each band, in the order given, for a client area `height` rows high that
    // stands for `clientUnits` units.
    std::vector<int> place(int height, LONG clientUnits) const;

private:
    struct Line {
        double middle;
        std::vector<size_t> bands;
    };

    std::vector<Band> bands_;
    std::vector<Line> lines_;
    ElasticAxis axis_;
};

} // namespace platform::terminal
