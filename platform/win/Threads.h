#pragma once
// Thread identities, and a test hook that makes thread creation fail.

#include "platform/win/Types.h"

namespace platform {

// The identity of the calling thread, given the first time it asks.
DWORD currentThreadId();

// Makes the next `count` calls of CreateThread fail as if the system had no resources left.
void failThreadCreations(int count);

} // namespace platform
