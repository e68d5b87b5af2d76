#pragma once
// The one header through which the program and the framework reach the Windows programming
// interface. On Windows it is the system's own; elsewhere it is our stand-in, which keeps the
// names, argument lists and values of the real calls.

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/win/Constants.h"
#include "platform/win/Kernel32.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/Types.h"
#include "platform/win/User32.h"
#endif
