#pragma once
// The calling thread's last error, and a shorthand for the failing return of a call.

#include "platform/win/Types.h"

namespace platform {

extern thread_local DWORD lastError;

// Records the error for GetLastError and returns the call's failure value.
template <class Result = BOOL> Result fail(DWORD error, Result failure = Result{}) {
    lastError = error;
    return failure;
}

} // namespace platform
