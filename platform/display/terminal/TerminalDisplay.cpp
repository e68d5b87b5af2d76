#include "platform/display/terminal/TerminalDisplay.h"

#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/win/User32.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform::terminal {
namespace {

// How long an ESC waits for the rest of a sequence before it counts as the Esc key. Terminals
// send a key's sequence in one piece, but over a slow link its bytes may come apart; a pause
// this long is a person, and still feels immediate.
constexpr auto escapeDelay = std::chrono::milliseconds(100);

std::string programName() {
    std::string name = program_invocation_short_name;
    if (!name.empty()) {
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return name;
}

int millisecondsUntil(TimePoint when) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(when - SteadyClock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 24 * 60 * 60 * 1000));
}

} // namespace

std::unique_ptr<TerminalDisplay> TerminalDisplay::open(std::string& why) {
    auto resize = std::make_unique<ResizeSignal>();
    auto session = TerminalSession::open(why);
    if (!session) {
        return nullptr;
    }
    int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        why = "no wake descriptor could be made";
        return nullptr;
    }
    return std::unique_ptr<TerminalDisplay>(
        new TerminalDisplay(std::move(resize), std::move(session), wakeFd));
}

TerminalDisplay::TerminalDisplay(std::unique_ptr<ResizeSignal> resize,
                                 std::unique_ptr<TerminalSession> session, int wakeFd)
    : resize_(std::move(resize)), session_(std::move(session)), wakeFd_(wakeFd),
      painter_(programName()), decoder_(session_->utf8()) {
    takeSize();
}

TerminalDisplay::~TerminalDisplay() {
    session_.reset();
    close(wakeFd_);
}

ScreenMetrics TerminalDisplay::metrics() const {
    std::lock_guard lock(mutex_);
    return metrics_;
}

void TerminalDisplay::takeSize() {
    std::lock_guard lock(mutex_);
    metrics_ = metricsFor(session_->columns(), session_->rows());
}

void TerminalDisplay::present() {
    redraw();
}

void TerminalDisplay::redraw() {
    shown_.emplace(painter_.paint(session_->columns(), session_->rows()));
    output_.show(*shown_);
}

void TerminalDisplay::wake() {
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t ignored = write(wakeFd_, &one, sizeof one);
}

bool TerminalDisplay::readInput(std::vector<TerminalEvent>& events) {
    char buffer[4096];
    ssize_t got = read(session_->input(), buffer, sizeof buffer);
    if (got < 0) {
        return errno == EINTR || errno == EAGAIN;
    }
    if (got == 0) {
        return false;
    }
    bool wasPending = decoder_.pending();
    auto decoded = decoder_.feed({buffer, static_cast<size_t>(got)});
    events.insert(events.end(), decoded.begin(), decoded.end());
    if (!decoder_.pending()) {
        escapeSince_.reset();
    } else if (!wasPending || !decoded.empty()) {
        escapeSince_ = SteadyClock::now();
    }
    return true;
}

void TerminalDisplay::wait(std::optional<TimePoint> deadline, InputSink& sink) {
    for (;;) {
        std::optional<TimePoint> until = deadline;
        if (escapeSince_) {
            TimePoint escapeEnds = *escapeSince_ + escapeDelay;
            until = until ? std::min(*until, escapeEnds) : escapeEnds;
        }
        pollfd watched[3] = {{wakeFd_, POLLIN, 0},
                             {resize_->fd(), POLLIN, 0},
                             {inputOpen_ ? session_->input() : -1, POLLIN, 0}};
        int ready = poll(watched, 3, until ? millisecondsUntil(*until) : -1);
        if (ready < 0 && errno != EINTR) {
            return;
        }
        bool woken = false;
        if (ready > 0 && (watched[0].revents & POLLIN) != 0) {
            std::uint64_t count;
            [[maybe_unused]] ssize_t ignored = read(wakeFd_, &count, sizeof count);
            woken = true;
        }
        if (resize_->ok() && resize_->take()) {
            session_->resized();
            takeSize();
            redraw();
        }
        std::vector<TerminalEvent> events;
        if (ready > 0 && watched[2].revents != 0 && !readInput(events)) {
            // The terminal has gone (hung up or closed): the program has no user left.
            inputOpen_ = false;
            PostQuitMessage(0);
            woken = true;
        }
        if (escapeSince_ && SteadyClock::now() >= *escapeSince_ + escapeDelay) {
            auto flushed = decoder_.flush();
            events.insert(events.end(), flushed.begin(), flushed.end());
            escapeSince_.reset();
        }
        if (!events.empty()) {
            for (const TerminalEvent& event : events) {
                dispatcher_.deliver(event, shown_ ? shown_->hits : HitMap(0, 0), sink);
            }
            return;
        }
        if (woken || (deadline && SteadyClock::now() >= *deadline)) {
            return;
        }
    }
}

} // namespace platform::terminal
