#include "platform/display/terminal/CellLayout.h"

#include "platform/display/terminal/CaptionText.h"
#include "platform/display/terminal/ElasticAxis.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace platform::terminal {
namespace {

// Dialog units to a cell at the dialog's natural size: an average character is four units wide,
// and a row holds one line of controls, which dialogs space about twelve units apart. A line
// of text is eight units high.
constexpr int unitsPerColumn = 4;
constexpr int unitsPerRow = 12;
constexpr int unitsPerTextLine = 8;
// Left edges this close together are drawn in one column, where the room allows.
constexpr int alignUnits = 2;
// Text lines whose middles lie this close together share a row.
constexpr double sameLineUnits = 4;

bool isGroupBox(const LayoutControl& c) { return c.kind == ControlKind::GroupBox; }

bool overlapsVertically(const RECT& a, const RECT& b) { return a.top < b.bottom && b.top < a.bottom; }

// A control as the column pass sees it: a left edge and a width. A group box is two of these,
// its left and its right side.
struct Span {
    int x;
    int width;
    RECT units;
};

std::vector<Span> spansOf(const std::vector<LayoutControl>& controls) {
    std::vector<Span> spans;
    for (const auto& c : controls) {
        if (isGroupBox(c)) {
            spans.push_back({c.units.left, 1, c.units});
            spans.push_back({c.units.right, 1, c.units});
        } else {
            spans.push_back({c.units.left, contentWidth(c), c.units});
        }
    }
    return spans;
}

// The columns pass: distinct left edges become grid lines, some of them merged into one.
class ColumnGrid {
public:
    ColumnGrid(const std::vector<LayoutControl>& controls, LONG clientWidth)
        : controls_(controls), spans_(spansOf(controls)), clientWidth_(clientWidth) {
        std::vector<int> edges;
        for (const Span& s : spans_) {
            edges.push_back(s.x);
        }
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
        for (int x : edges) {
            starts_.push_back(x);
            lineOf_[x] = static_cast<int>(starts_.size()) - 1;
        }
    }

    // Draws nearby left edges in one column, one pair at a time, as long as the tightest
    // layout still fits the room and no two controls side by side would collide.
    void alignNearbyEdges(int room) {
        for (size_t i = 1; i < starts_.size(); ++i) {
            if (starts_[i] - starts_[i - 1] > alignUnits || sideBySide(starts_[i - 1], starts_[i])) {
                continue;
            }
            auto saved = lineOf_;
            auto savedStarts = starts_;
            for (auto& [x, line] : lineOf_) {
                if (line == static_cast<int>(i)) {
                    line = static_cast<int>(i) - 1;
                } else if (line > static_cast<int>(i)) {
                    --line;
                }
            }
            starts_.erase(starts_.begin() + static_cast<long>(i));
            if (axis().shortestLength() > std::max(room, before_)) {
                lineOf_ = saved;
                starts_ = savedStarts;
                continue;
            }
            --i;
        }
    }

    ElasticAxis axis() const {
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
            if (isGroupBox(c)) {
                int left = lineOf_.at(c.units.left);
                int right = lineOf_.at(c.units.right);
                if (left < right) {
                    axis.keepApart(left, right, static_cast<int>(c.caption.size()) + decorationWidth(c.kind) - 1);
                }
            }
        }
        return axis;
    }

    void rememberUnaligned() { before_ = axis().shortestLength(); }

    // The column of every grid line, the last one being the client width.
    std::vector<int> place(int width) const {
        std::vector<double> ideal;
        for (int x : starts_) {
            ideal.push_back(static_cast<double>(x) * width / std::max<LONG>(clientWidth_, 1));
        }
        ideal.push_back(width);
        return axis().place(ideal, width);
    }

    int lineOf(int x) const { return lineOf_.at(x); }

private:
    // Two edges cannot share a column when controls starting at them stand side by side.
    bool sideBySide(int x1, int x2) const {
        for (const Span& a : spans_) {
            for (const Span& b : spans_) {
                if (lineOf_.at(a.x) == lineOf_.at(x1) && lineOf_.at(b.x) == lineOf_.at(x2) &&
                    overlapsVertically(a.units, b.units)) {
                    return true;
                }
            }
        }
        return false;
    }

    const std::vector<LayoutControl>& controls_;
    std::vector<Span> spans_;
    LONG clientWidth_;
    std::vector<int> starts_;     // the first left edge of each grid line
    std::map<int, int> lineOf_;   // left edge in units to grid line
    int before_ = 0;              // the tightest width before any edges were aligned
};

// A control, or one horizontal side of a group box, as the rows pass sees it.
struct Band {
    double middle; // where its first text line lies, in units
    int left;
    int right;
    int height;
    size_t control;
    bool bottomSide = false;
};

bool sideBySide(const Band& a, const Band& b) { return a.left < b.right && b.left < a.right; }

struct RowLine {
    double middle;
    std::vector<Band> bands;
};

std::vector<RowLine> rowLinesOf(std::vector<Band> bands) {
    std::stable_sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) { return a.middle < b.middle; });
    std::vector<RowLine> lines;
    for (const Band& band : bands) {
        bool joins = !lines.empty() && band.middle - lines.back().middle <= sameLineUnits &&
                     std::none_of(lines.back().bands.begin(), lines.back().bands.end(),
                                  [&](const Band& other) { return sideBySide(band, other); });
        if (joins) {
            lines.back().bands.push_back(band);
        } else {
            lines.push_back({band.middle, {band}});
        }
    }
    return lines;
}

ElasticAxis rowAxis(const std::vector<RowLine>& lines) {
    int end = static_cast<int>(lines.size());
    ElasticAxis axis(end + 1);
    for (int i = 0; i < end; ++i) {
        for (const Band& a : lines[static_cast<size_t>(i)].bands) {
            for (int j = i + 1; j < end; ++j) {
                for (const Band& b : lines[static_cast<size_t>(j)].bands) {
                    if (sideBySide(a, b)) {
                        axis.keepApart(i, j, a.height);
                    }
                }
            }
            axis.keepApart(i, end, a.height);
        }
    }
    return axis;
}

// Which cells of the client area are taken, for text and buttons that spread into free cells.
class Occupancy {
public:
    Occupancy(int width, int height) : width_(width), taken_(static_cast<size_t>(width * height), false) {}

    void take(const CellRect& r) {
        for (int row = r.row; row < r.bottom(); ++row) {
            for (int col = r.col; col < r.right(); ++col) {
                if (inside(col, row)) {
                    taken_[index(col, row)] = true;
                }
            }
        }
    }

    void takeFrame(const CellRect& r) {
        take({r.col, r.row, r.width, 1});
        take({r.col, r.bottom() - 1, r.width, 1});
        take({r.col, r.row, 1, r.height});
        take({r.right() - 1, r.row, 1, r.height});
    }

    // How far a rectangle can grow to the right, keeping a blank cell before its neighbour and
    // the blank column inside the frame.
    int widthUpTo(const CellRect& r, int wanted) const {
        int width = r.width;
        while (width < wanted && r.col + width + 1 < width_ && free(r.col + width, r.row, r.height) &&
               free(r.col + width + 1, r.row, r.height)) {
            ++width;
        }
        return width;
    }

private:
    bool inside(int col, int row) const {
        return col >= 0 && col < width_ && row >= 0 && index(col, row) < taken_.size();
    }
    size_t index(int col, int row) const { return static_cast<size_t>(row * width_ + col); }
    bool free(int col, int row, int height) const {
        for (int r = row; r < row + height; ++r) {
            if (inside(col, r) && taken_[index(col, r)]) {
                return false;
            }
        }
        return true;
    }

    int width_;
    std::vector<bool> taken_;
};

void spreadIntoFreeCells(const std::vector<LayoutControl>& controls, double columnsPerUnit,
                         DialogLayout& layout) {
    Occupancy occupancy(layout.client.cx, layout.client.cy);
    for (size_t i = 0; i < controls.size(); ++i) {
        if (isGroupBox(controls[i])) {
            occupancy.takeFrame(layout.controls[i]);
        } else {
            occupancy.take(layout.controls[i]);
        }
    }
    std::vector<size_t> order(controls.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
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
        } else if (c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultPushButton) {
            // A button keeps the width its template gives it, as far as that is free.
            wanted = static_cast<int>(std::lround((c.units.right - c.units.left) * columnsPerUnit));
            // The caption stands in the middle only when the blanks split evenly.
            wanted -= std::max(wanted - r.width, 0) % 2;
        }
        int grown = occupancy.widthUpTo(r, wanted);
        occupancy.take({r.right(), r.row, grown - r.width, r.height});
        r.width = grown;
    }
}

} // namespace

int contentWidth(const LayoutControl& control) {
    int caption = static_cast<int>(control.caption.size());
    switch (control.kind) {
    case ControlKind::Text: {
        int width = widestLine(control.caption);
        if (control.changing) {
            int reserved = static_cast<int>((control.units.right - control.units.left) * 3 + 9) / 10;
            width = std::max(width, reserved);
        }
        return std::max(width, 1);
    }
    case ControlKind::Edit: return editWidth(control.visibleCharacters);
    case ControlKind::Icon: return iconWidth;
    case ControlKind::Other: return std::max(widestLine(control.caption), 1);
    default: return caption + decorationWidth(control.kind);
    }
}

int contentHeight(const LayoutControl& control) {
    switch (control.kind) {
    case ControlKind::Text:
        return std::max<int>(1, (control.units.bottom - control.units.top + unitsPerTextLine / 2) / unitsPerTextLine);
    case ControlKind::Icon: return iconHeight;
    default: return 1;
    }
}

DialogLayout layOutDialog(SIZE clientUnits, const std::vector<LayoutControl>& controls, SIZE room) {
    DialogLayout layout;
    layout.controls.resize(controls.size());

    ColumnGrid columns(controls, clientUnits.cx);
    columns.rememberUnaligned();
    columns.alignNearbyEdges(room.cx);
    int minimumWidth = columns.axis().shortestLength();
    int naturalWidth = static_cast<int>(std::lround(static_cast<double>(clientUnits.cx) / unitsPerColumn));
    int width = std::max(minimumWidth, std::min<int>(naturalWidth, room.cx));
    std::vector<int> columnAt = columns.place(width);

    std::vector<Band> bands;
    for (size_t i = 0; i < controls.size(); ++i) {
        const LayoutControl& c = controls[i];
        CellRect& r = layout.controls[i];
        r.col = columnAt[static_cast<size_t>(columns.lineOf(c.units.left))];
        if (isGroupBox(c)) {
            int right = columnAt[static_cast<size_t>(columns.lineOf(c.units.right))];
            r.width = right - r.col + 1;
            bands.push_back({c.units.top + unitsPerTextLine / 2.0, r.col, right + 1, 1, i});
            bands.push_back({static_cast<double>(c.units.bottom), r.col, right + 1, 1, i, true});
            continue;
        }
        r.width = contentWidth(c);
        r.height = contentHeight(c);
        // A text of several lines is placed by its first line; an icon's picture shows mostly on
        // its first row, which goes where the icon's middle is.
        bool byFirstLine = r.height > 1 && c.kind != ControlKind::Icon;
        double middle = byFirstLine ? c.units.top + unitsPerTextLine / 2.0 : (c.units.top + c.units.bottom) / 2.0;
        bands.push_back({middle, r.col, r.right(), r.height, i});
    }

    std::vector<RowLine> lines = rowLinesOf(bands);
    ElasticAxis rows = rowAxis(lines);
    int minimumHeight = rows.shortestLength();
    int naturalHeight = static_cast<int>(std::lround(static_cast<double>(clientUnits.cy) / unitsPerRow));
    int height = std::max(minimumHeight, std::min<int>(naturalHeight, room.cy));
    std::vector<double> ideal;
    for (const RowLine& line : lines) {
        ideal.push_back(std::floor(line.middle * height / std::max<LONG>(clientUnits.cy, 1)));
    }
    ideal.push_back(height);
    std::vector<int> rowAt = rows.place(ideal, height);
    for (size_t l = 0; l < lines.size(); ++l) {
        for (const Band& band : lines[l].bands) {
            CellRect& r = layout.controls[band.control];
            if (!isGroupBox(controls[band.control])) {
                r.row = rowAt[l];
            } else if (band.bottomSide) {
                r.height = rowAt[l] - r.row + 1;
            } else {
                r.row = rowAt[l];
            }
        }
    }

    layout.client = {width, height};
    layout.minimum = {minimumWidth, minimumHeight};
    layout.fits = minimumWidth <= room.cx && minimumHeight <= room.cy;
    spreadIntoFreeCells(controls, static_cast<double>(width) / std::max<LONG>(clientUnits.cx, 1), layout);
    return layout;
}

} // namespace platform::terminal
