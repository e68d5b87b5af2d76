#pragma once
// The application framework: what the program's classes derive from and call.

#include "platform/afx/DataExchange.h"
#include "platform/afx/Dialog.h"
#include "platform/afx/Static.h"
#include "platform/afx/WinApp.h"
#include "platform/afx/Wnd.h"
