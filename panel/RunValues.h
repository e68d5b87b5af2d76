#pragma once
// The four run values of the process. Three are shared by the window thread and a tuning
// run's acquisition worker without a lock: each is one 32-bit word, written whole, read afresh
// at every test, and published with release and acquire ordering so that the worker's count is
// visible before its "done" mark. `unlockCount` belongs to the window thread alone.

#include <atomic>
#include <cstdint>

// Nonzero: the running acquisition is to stop; after a run, nonzero also means that the run
// did not end on the real channel.
extern std::atomic<std::int32_t> abortFlag;
// Nonzero: the last run's worker has finished (or the run's wait has seen a quit message).
extern std::atomic<std::int32_t> acquisitionDone;
// The number of 10 ms pauses that the last worker made.
extern std::atomic<std::int32_t> pollCount;
// Link-watch ticks without lock since the last watched lock.
extern std::int32_t unlockCount;
