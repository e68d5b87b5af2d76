#pragma once
// CStatic: a static control, written through its window text.

#include "platform/afx/Wnd.h"

class CStatic : public CWnd {};
