#include "platform/display/terminal/ScreenGeometry.h"

#include <algorithm>

namespace platform::terminal {
namespace {

LONG floorDivide(LONG a, LONG b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

} // namespace

ScreenMetrics metricsFor(int columns, int rows) {
    ScreenMetrics metrics;
    LONG width = std::max(columns, 1) * pixelsPerColumn;
    LONG height = std::max(rows, 1) * pixelsPerRow;
    metrics.screen = {width, height};
    metrics.workArea = {0, 0, width, std::max<LONG>(height - pixelsPerRow, pixelsPerRow)};
    return metrics;
}

POINT cellOf(POINT pixel) {
    return {floorDivide(pixel.x, pixelsPerColumn), floorDivide(pixel.y, pixelsPerRow)};
}

POINT middleOf(int col, int row) {
    return {col * pixelsPerColumn + pixelsPerColumn / 2, row * pixelsPerRow + pixelsPerRow / 2};
}

} // namespace platform::terminal
