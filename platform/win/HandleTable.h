#pragma once
// A table from handle values to the objects they stand for. Values are never reused, so a
// handle that was closed stays invalid instead of naming a newer object.

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace platform {

template <class Handle, class Object> class HandleTable {
public:
    explicit HandleTable(std::uintptr_t firstValue) : next_(firstValue) {}

    Handle add(std::shared_ptr<Object> object) {
        std::lock_guard lock(mutex_);
        auto handle = reinterpret_cast<Handle>(next_);
        next_ += 4;
        objects_.emplace(handle, std::move(object));
        return handle;
    }

    // The object, or nullptr when the handle names none.
    std::shared_ptr<Object> find(Handle handle) const {
        std::lock_guard lock(mutex_);
        auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second;
    }

    bool remove(Handle handle) {
        std::lock_guard lock(mutex_);
        return objects_.erase(handle) == 1;
    }

private:
    mutable std::mutex mutex_;
    std::unordered_map<Handle, std::shared_ptr<Object>> objects_;
    std::uintptr_t next_;
};

} // namespace platform
