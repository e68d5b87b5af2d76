#pragma once
// Kernel objects behind HANDLE values: the handle table, and the signalled state that waits
// test. The only object the program needs is a thread, signalled when it ends.

#include "platform/win/Types.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

namespace platform {

class KernelObject {
public:
    virtual ~KernelObject() = default;
    bool signalled() const { return signalled_.load(std::memory_order_acquire); }

protected:
    // Marks the object signalled and wakes every thread that waits for objects or messages.
    void signal();

private:
    std::atomic<bool> signalled_{false};
};

class ThreadObject : public KernelObject {
public:
    explicit ThreadObject(DWORD id) : id_(id) {}
    DWORD id() const { return id_; }
    DWORD exitCode() const { return exitCode_.load(std::memory_order_acquire); }
    void finish(DWORD exitCode);

private:
    DWORD id_;
    std::atomic<DWORD> exitCode_{259}; // STILL_ACTIVE
};

HANDLE addHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> findHandle(HANDLE handle);
bool closeHandle(HANDLE handle);

// Blocks the calling thread without looking at its messages until the object is signalled or
// the timeout passes; true when signalled.
bool waitForObject(const KernelObject& object, std::optional<std::chrono::milliseconds> timeout);

// Wakes threads blocked in waitForObject; called whenever an object becomes signalled.
void notifyObjectWaiters();

} // namespace platform
