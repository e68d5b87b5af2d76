#pragma once
// The last step of a cell layout: static text takes the free cells to its right, up to its
// next neighbour, so that a text longer than the one it was laid out for still shows; push
// buttons widen towards the width their template gives them.

#include "platform/display/terminal/CellLayout.h"

namespace platform::terminal {

// `columnsPerUnit` is how many columns a dialog unit of width came to.
void spreadIntoFreeCells(const std::vector<LayoutControl>& controls, double columnsPerUnit,
                         DialogLayout& layout);

} // namespace platform::terminal
