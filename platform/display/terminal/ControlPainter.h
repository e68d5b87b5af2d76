#pragma once
// Draws one control of a dialog into its cells, from the state the platform keeps for it, and
// marks what a click on those cells does.

#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/HitMap.h"
#include "platform/win/Window.h"

#include <optional>

namespace platform::terminal {

// `at` is on the screen. `cursor` receives the caret's cell when the control is the focused
// edit box.
void paintControl(Canvas& canvas, HitMap& hits, const Window& control, const CellRect& at,
                  std::optional<POINT>& cursor);

} // namespace platform::terminal
