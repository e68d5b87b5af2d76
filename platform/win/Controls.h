#pragma once
// The window procedures of the built-in control classes.

#include "platform/win/Types.h"

namespace platform {

LRESULT CALLBACK buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK menuProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform
