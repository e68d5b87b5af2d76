#include "platform/display/terminal/ScreenGeometry.h"

#include <algorithm>

namespace platform::terminal {

ScreenMetrics metricsFor(int columns, int rows) {
    ScreenMetrics metrics;
    LONG width = std::max(columns, 1) * pixelsPerColumn;
    LONG height = std::max(rows, 1) * pixelsPerRow;
    metrics.screen = {width, height};
    metrics.workArea = {0, 0, width, std::max<LONG>(height - pixelsPerRow, pixelsPerRow)};
    return metrics;
}

POINT middleOf(const RECT& pixels) {
    return {(pixels.left + pixels.right) / 2, (pixels.top + pixels.bottom) / 2};
}

} // namespace platform::terminal
