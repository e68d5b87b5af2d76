#include "platform/win/ThreadQueue.h"

#include "platform/win/Constants.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Threads.h"
#include "platform/win/Window.h"

#include <algorithm>
#include <unordered_map>

namespace platform {
namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<DWORD, std::weak_ptr<ThreadQueue>> queues;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

// Keeps the calling thread's queue alive for as long as the thread runs.
struct Owner {
    std::shared_ptr<ThreadQueue> queue;
    ~Owner() {
        if (queue) {
            auto& r = registry();
            std::lock_guard lock(r.mutex);
            r.queues.erase(queue->threadId());
        }
    }
};

thread_local Owner owner;

DWORD messageTime() {
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(now().time_since_epoch()).count());
}

} // namespace

std::shared_ptr<ThreadQueue> ThreadQueue::currentShared() {
    if (!owner.queue) {
        owner.queue = std::make_shared<ThreadQueue>(currentThreadId());
        auto& r = registry();
        std::lock_guard lock(r.mutex);
        r.queues[owner.queue->threadId()] = owner.queue;
    }
    return owner.queue;
}

ThreadQueue& ThreadQueue::current() { return *currentShared(); }

std::shared_ptr<ThreadQueue> ThreadQueue::find(DWORD threadId) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.queues.find(threadId);
    return it == r.queues.end() ? nullptr : it->second.lock();
}

void ThreadQueue::wakeAll() {
    std::vector<std::shared_ptr<ThreadQueue>> all;
    {
        auto& r = registry();
        std::lock_guard lock(r.mutex);
        for (auto& [id, weak] : r.queues) {
            if (auto queue = weak.lock()) {
                all.push_back(std::move(queue));
            }
        }
    }
    for (auto& queue : all) {
        queue->wake();
    }
}

void ThreadQueue::post(const MSG& msg) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(msg);
        posted_.back().time = messageTime();
    }
    wake();
}

void ThreadQueue::postQuit(int exitCode) {
    {
        std::lock_guard lock(mutex_);
        quitPosted_ = true;
        quitCode_ = exitCode;
    }
    wake();
}

void ThreadQueue::wake() {
    Display* display = nullptr;
    {
        std::lock_guard lock(mutex_);
        wakePending_ = true;
        display = display_;
    }
    // The display is told outside the lock: its wait hands input back to this queue.
    if (display != nullptr) {
        display->wake();
    } else {
        woken_.notify_all();
    }
}

void ThreadQueue::call(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(work));
    }
    wake();
}

void ThreadQueue::runCalls() {
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            if (calls_.empty()) {
                return;
            }
            work = std::move(calls_.front());
            calls_.pop_front();
        }
        work();
    }
}

void ThreadQueue::bindDisplay(Display* display) {
    std::lock_guard lock(mutex_);
    display_ = display;
    presentedChanges_ = changeCount() - 1;
}

void ThreadQueue::postInput(const MSG& msg, Modifiers keys) {
    input_.push_back({msg, keys});
    input_.back().msg.time = messageTime();
}

bool ThreadQueue::matches(const MSG& msg, HWND filter, UINT first, UINT last) const {
    if (first != 0 || last != 0) {
        if (msg.message < first || msg.message > last) {
            return false;
        }
    }
    if (filter == reinterpret_cast<HWND>(-1)) {
        return msg.hwnd == nullptr;
    }
    return filter == nullptr || msg.hwnd == filter || isDescendant(filter, msg.hwnd);
}

std::optional<MSG> ThreadQueue::take(HWND filter, UINT first, UINT last, bool remove) {
    runCalls();
    {
        std::lock_guard lock(mutex_);
        for (auto it = posted_.begin(); it != posted_.end(); ++it) {
            if (matches(*it, filter, first, last)) {
                MSG msg = *it;
                if (remove) {
                    posted_.erase(it);
                }
                return msg;
            }
        }
    }
    for (auto it = input_.begin(); it != input_.end(); ++it) {
        if (matches(it->msg, filter, first, last)) {
            MSG msg = it->msg;
            if (remove) {
                // The keyboard state follows the input as the thread takes it.
                windows.keys = it->keys;
                input_.erase(it);
            }
            return msg;
        }
    }
    {
        std::lock_guard lock(mutex_);
        // The quit request is seen whatever the filters ask for.
        if (quitPosted_) {
            if (remove) {
                quitPosted_ = false;
            }
            return MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode_), 0, messageTime(), {}};
        }
    }
    for (HWND window : unpainted_) {
        MSG paint{window, WM_PAINT, 0, 0, messageTime(), {}};
        if (matches(paint, filter, first, last)) {
            return paint; // stays queued until the window is validated
        }
    }
    TimePoint time = now();
    for (auto& timer : timers_) {
        MSG tick{timer.window, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.procedure),
                 messageTime(), {}};
        if (timer.due <= time && matches(tick, filter, first, last)) {
            if (remove) {
                timer.due = time + timer.period;
            }
            return tick;
        }
    }
    return std::nullopt;
}

DWORD ThreadQueue::status() {
    DWORD bits = 0;
    {
        std::lock_guard lock(mutex_);
        if (!posted_.empty() || quitPosted_) {
            bits |= QS_POSTMESSAGE;
        }
        if (!calls_.empty()) {
            bits |= QS_SENDMESSAGE;
        }
    }
    for (const auto& in : input_) {
        UINT m = in.msg.message;
        bits |= (m >= WM_KEYDOWN && m <= WM_SYSCHAR) ? QS_KEY : QS_MOUSEBUTTON;
    }
    if (!unpainted_.empty()) {
        bits |= QS_PAINT;
    }
    TimePoint time = now();
    if (std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.due <= time; })) {
        bits |= QS_TIMER;
    }
    return bits;
}

std::optional<TimePoint> ThreadQueue::nextTimerDue() const {
    std::optional<TimePoint> next;
    for (const auto& timer : timers_) {
        if (!next || timer.due < *next) {
            next = timer.due;
        }
    }
    return next;
}

void ThreadQueue::block(std::optional<TimePoint> deadline) {
    runCalls();
    // With platform time frozen, timers fall due only when a test moves time on, and that
    // wakes this thread; otherwise the next timer bounds the wait.
    if (auto due = nextTimerDue(); due && !timeIsManual()) {
        deadline = deadline ? std::min(*deadline, *due) : *due;
    }
    if (display_ != nullptr) {
        if (presentedChanges_ != changeCount()) {
            presentedChanges_ = changeCount();
            display_->present();
        }
        {
            std::lock_guard lock(mutex_);
            if (wakePending_ || !calls_.empty()) {
                wakePending_ = false;
                return;
            }
        }
        display_->wait(deadline, inputRouter());
        std::lock_guard lock(mutex_);
        wakePending_ = false;
        return;
    }
    std::unique_lock lock(mutex_);
    auto woken = [&] { return wakePending_ || !calls_.empty(); };
    if (deadline) {
        woken_.wait_until(lock, *deadline, woken);
    } else {
        woken_.wait(lock, woken);
    }
    wakePending_ = false;
}

UINT_PTR ThreadQueue::setTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    constexpr UINT minimum = 10;
    constexpr UINT maximum = 0x7FFFFFFF;
    elapse = std::clamp(elapse, minimum, maximum);
    if (window == nullptr) {
        id = nextThreadTimerId_++;
    }
    auto period = std::chrono::duration_cast<SteadyClock::duration>(std::chrono::milliseconds(elapse));
    Timer timer{window, id, period, now() + period, procedure};
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it != timers_.end()) {
        *it = timer;
    } else {
        timers_.push_back(timer);
    }
    return id;
}

bool ThreadQueue::killTimer(HWND window, UINT_PTR id) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers_.end()) {
        return false;
    }
    timers_.erase(it);
    return true;
}

void ThreadQueue::forgetWindow(HWND window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
    std::erase(unpainted_, window);
    std::erase_if(input_, [&](const Input& in) { return in.msg.hwnd == window; });
    std::lock_guard lock(mutex_);
    std::erase_if(posted_, [&](const MSG& msg) { return msg.hwnd == window; });
}

void ThreadQueue::invalidate(HWND window) {
    if (std::find(unpainted_.begin(), unpainted_.end(), window) == unpainted_.end()) {
        unpainted_.push_back(window);
    }
}

void ThreadQueue::validate(HWND window) { std::erase(unpainted_, window); }

bool ThreadQueue::needsPaint(HWND window) const {
    return std::find(unpainted_.begin(), unpainted_.end(), window) != unpainted_.end();
}

} // namespace platform
