#pragma once
// What the framework keeps per thread: the window whose control notifications are dropped
// while it exchanges data with its controls, and the message being handled (for Default).

#include "platform/win/Win32.h"

struct AfxThreadState {
    HWND lockoutNotifyWindow = nullptr;
    MSG currentMessage{};
};

AfxThreadState& afxThreadState();
