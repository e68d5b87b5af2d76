#include "platform/win/KernelObjects.h"

#include "platform/win/ThreadQueue.h"

#include <condition_variable>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

struct HandleTable {
    std::mutex mutex;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects;
    std::uintptr_t nextValue = 0x1000;
};

HandleTable& table() {
    static HandleTable instance;
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

HANDLE addHandle(std::shared_ptr<KernelObject> object) {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    // Values are never reused, so a closed handle stays invalid instead of naming a new object.
    HANDLE handle = reinterpret_cast<HANDLE>(t.nextValue);
    t.nextValue += 4;
    t.objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<KernelObject> findHandle(HANDLE handle) {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.objects.find(handle);
    return it == t.objects.end() ? nullptr : it->second;
}

bool closeHandle(HANDLE handle) {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    return t.objects.erase(handle) == 1;
}

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
