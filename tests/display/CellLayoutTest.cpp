// The panel's template laid out in cells, on the terminals it must work on: it fits with its
// frame, title bar and the task bar; no two controls share a cell; the group boxes enclose
// exactly what they enclose in the template; left-to-right and top-to-bottom order is kept;
// and every caption and read-out, at its longest, is readable in full.

#include "platform/display/terminal/WindowCells.h"
#include "tests/display/PanelOnTerminal.h"

#include <gtest/gtest.h>

#include <map>

namespace terminaltest {
namespace {

using namespace platform::terminal;

// The longest text each read-out field shows: the longest status, a nine-digit lock
// frequency, the largest S/N, the worst error rates the receiver reports, a long run's count.
const std::map<int, std::string> longestReadOuts{
    {1035, "99999"},        {1036, "Locking in Fault Ch..."}, {1037, "123456789"},
    {1038, "500000(1E-6)"}, {1039, "65535(1/10 dB)"},         {1041, "500000(1E-6)"},
};

struct Control {
    int id;
    ControlKind kind;
    RECT units;
    std::string caption;
    CellRect cells;
};

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The cells inside a group box's frame.
CellRect interiorOf(const CellRect& box) {
    return {box.col + 1, box.row + 1, box.width - 2, box.height - 2};
}

bool within(const CellRect& inner, const CellRect& outer) {
    return inner.col >= outer.col && inner.right() <= outer.right() && inner.row >= outer.row &&
           inner.bottom() <= outer.bottom();
}

class PanelLayout : public PanelOnTerminal {
protected:
    // The panel's controls and their cells on a terminal of this size.
    std::vector<Control> layOut(int columns, int rows, DialogLayout* whole = nullptr) {
        return h.onWindowThread([&] {
            LayoutCache cache;
            const platform::Window* window = platform::findWindow(panel);
            const WindowCells& cells = cache.cellsOf(*window, clientRoom(columns, rows));
            if (whole != nullptr) {
                *whole = cells.layout;
            }
            std::vector<Control> controls;
            for (size_t i = 0; i < cells.controls.size(); ++i) {
                const platform::Window* c = platform::findWindow(cells.controls[i]);
                controls.push_back({static_cast<int>(c->id), kindOf(*c), *c->templateUnits,
                                    captionOf(*c).text, cells.layout.controls[i]});
            }
            return controls;
        });
    }
};

struct Size {
    int columns;
    int rows;
};

// The terminal the panel is made for, the smallest one it reports it needs, and a large one.
const std::vector<Size> sizes{{80, 24}, {79, 21}, {132, 43}};

TEST_F(PanelLayout, FitsTheTerminalWithFrameTitleAndTaskBar) {
    for (Size size : sizes) {
        SCOPED_TRACE(testing::Message() << size.columns << "x" << size.rows);
        DialogLayout layout;
        auto controls = layOut(size.columns, size.rows, &layout);
        EXPECT_TRUE(layout.fits);
        EXPECT_LE(layout.client.cx + 2, size.columns);
        EXPECT_LE(layout.client.cy + 3, size.rows); // title row, bottom frame, task bar
        CellRect client{0, 0, layout.client.cx, layout.client.cy};
        for (const Control& c : controls) {
            EXPECT_TRUE(within(c.cells, client)) << c.caption;
        }
    }
}

TEST_F(PanelLayout, NoTwoControlsShareACell) {
    for (Size size : sizes) {
        SCOPED_TRACE(testing::Message() << size.columns << "x" << size.rows);
        auto controls = layOut(size.columns, size.rows);
        for (size_t i = 0; i < controls.size(); ++i) {
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const Control& a = controls[i];
                const Control& b = controls[j];
                if (a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox) {
                    // A control inside a frame keeps off the frame's lines; one outside keeps off
                    // the box.
                    const Control& box = a.kind == ControlKind::GroupBox ? a : b;
                    const Control& other = &box == &a ? b : a;
                    EXPECT_TRUE(within(other.cells, interiorOf(box.cells)) ||
                                !other.cells.overlaps(box.cells))
                        << "\"" << other.caption << "\" and the frame of \"" << box.caption << "\"";
                } else {
                    EXPECT_FALSE(a.cells.overlaps(b.cells))
                        << "\"" << a.caption << "\" and \"" << b.caption << "\"";
                }
            }
        }
    }
}

TEST_F(PanelLayout, GroupBoxesEncloseWhatTheyEncloseInTheTemplate) {
    for (Size size : sizes) {
        SCOPED_TRACE(testing::Message() << size.columns << "x" << size.rows);
        auto controls = layOut(size.columns, size.rows);
        int enclosed = 0;
        for (const Control& box : controls) {
            if (box.kind != ControlKind::GroupBox) {
                continue;
            }
            for (const Control& c : controls) {
                if (&c == &box) {
                    continue;
                }
                bool inTemplate = inside(c.units, box.units);
                enclosed += inTemplate ? 1 : 0;
                EXPECT_EQ(within(c.cells, interiorOf(box.cells)), inTemplate)
                    << "\"" << c.caption << "\" in \"" << box.caption << "\"";
            }
        }
        EXPECT_EQ(enclosed, 36 + 7); // the OFDM lines, and the tuner's seven controls
    }
}

TEST_F(PanelLayout, KeepsTheTemplatesOrder) {
    for (Size size : sizes) {
        SCOPED_TRACE(testing::Message() << size.columns << "x" << size.rows);
        auto controls = layOut(size.columns, size.rows);
        for (const Control& a : controls) {
            for (const Control& b : controls) {
                if (a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox) {
                    continue;
                }
                bool sameRow = a.cells.row == b.cells.row;
                bool sameColumns = a.cells.col < b.cells.right() && b.cells.col < a.cells.right();
                if (sameRow && a.units.left < b.units.left) {
                    EXPECT_LT(a.cells.col, b.cells.col)
                        << "\"" << a.caption << "\" left of \"" << b.caption << "\"";
                }
                if (sameColumns && a.units.bottom <= b.units.top) {
                    EXPECT_LT(a.cells.row, b.cells.row)
                        << "\"" << a.caption << "\" above \"" << b.caption << "\"";
                }
            }
        }
    }
}

TEST_F(PanelLayout, EveryCaptionAndReadOutIsReadableInFull) {
    for (Size size : sizes) {
        SCOPED_TRACE(testing::Message() << size.columns << "x" << size.rows);
        for (const Control& c : layOut(size.columns, size.rows)) {
            auto longest = longestReadOuts.find(c.id);
            if (longest != longestReadOuts.end()) {
                EXPECT_GE(c.cells.width, static_cast<int>(longest->second.size()))
                    << "field " << c.id;
            } else if (c.kind == ControlKind::GroupBox) {
                EXPECT_GE(c.cells.width, static_cast<int>(c.caption.size()) + 4) << c.caption;
            } else {
                LayoutControl shown{c.kind, c.units, c.caption, false, 10};
                EXPECT_GE(c.cells.width, contentWidth(shown)) << c.caption;
            }
        }
    }
}

TEST_F(PanelLayout, SaysWhenTheTerminalIsTooSmall) {
    DialogLayout smallest;
    layOut(79, 21, &smallest);
    EXPECT_EQ(smallest.minimum.cx + 2, 79);
    EXPECT_EQ(smallest.minimum.cy + 3, 21);
    for (Size size : {Size{78, 24}, Size{80, 20}}) {
        DialogLayout layout;
        layOut(size.columns, size.rows, &layout);
        EXPECT_FALSE(layout.fits) << size.columns << "x" << size.rows;
    }
}

} // namespace
} // namespace terminaltest
