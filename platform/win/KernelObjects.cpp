#include "platform/win/KernelObjects.h"

#include "platform/win/HandleTable.h"
#include "platform/win/ThreadQueue.h"

#include <condition_variable>
#include <mutex>

namespace platform {
namespace {

HandleTable<HANDLE, KernelObject>& table() {
    static HandleTable<HANDLE, KernelObject> instance(0x1000);
    return instance;
}

std::mutex signalMutex;
std::condition_variable signalChanged;

} // namespace

void KernelObject::signal() {
    {
        std::lock_guard lock(signalMutex);
        signalled_.store(true, std::memory_order_release);
    }
    notifyObjectWaiters();
    ThreadQueue::wakeAll();
}

void ThreadObject::finish(DWORD exitCode) {
    exitCode_.store(exitCode, std::memory_order_release);
    signal();
}

HANDLE addHandle(std::shared_ptr<KernelObject> object) { return table().add(std::move(object)); }

std::shared_ptr<KernelObject> findHandle(HANDLE handle) { return table().find(handle); }

bool closeHandle(HANDLE handle) { return table().remove(handle); }

bool waitForObject(const KernelObject& object, std::optional<std::chrono::milliseconds> timeout) {
    std::unique_lock lock(signalMutex);
    auto isSignalled = [&] { return object.signalled(); };
    if (!timeout) {
        signalChanged.wait(lock, isSignalled);
        return true;
    }
    return signalChanged.wait_for(lock, *timeout, isSignalled);
}

void notifyObjectWaiters() {
    std::lock_guard lock(signalMutex);
    signalChanged.notify_all();
}

} // namespace platform
