#include "tests/soak/SoakSession.h"

#include "panel/RunValues.h"
#include "platform/afx/WinApp.h"
#include "ui/ResourceIds.h"

using namespace std::chrono_literals;

namespace soak {

SoakSession::SoakSession(ManualClock& cardClock) : cardClock_(cardClock) {
    abortFlag = 0;
    acquisitionDone = 0;
    pollCount = 0;
    unlockCount = 0;
    h.start([] { return AfxWinMain(); });
    if (!h.finished()) {
        panel = h.activeWindow();
    }
}

SoakSession::~SoakSession() {
    if (!h.finished()) {
        h.onWindowThread([this] { PostMessageA(panel, WM_COMMAND, IDCANCEL, 0); });
        h.finish();
    }
}

HWND SoakSession::item(int id) {
    return h.onWindowThread([this, id] { return GetDlgItem(panel, id); });
}

std::string SoakSession::text(int id) {
    return h.text(item(id));
}

bool SoakSession::ticked(int id) {
    return h.checked(item(id));
}

bool SoakSession::enabled(int id) {
    return h.enabled(item(id));
}

void SoakSession::click(int id) {
    h.click(item(id));
}

void SoakSession::setFrequencyText(const std::string& text) {
    h.onWindowThread(
        [&] { SetWindowTextA(GetDlgItem(panel, control::frequencyBox), text.c_str()); });
}

void SoakSession::waitForRunEnd() {
    HWND tuning = item(control::tuningButton);
    h.waitUntil([tuning] { return IsWindowEnabled(tuning) != FALSE; }, "the tuning run has ended");
}

void SoakSession::tick() {
    h.advance(1000ms);
}

void SoakSession::letCardLock() {
    cardClock_.advance(3s);
}

std::array<int, 7> SoakSession::tickedResultButtons() {
    // Each group as its first button and its number of buttons.
    constexpr std::pair<int, int> groups[] = {{1001, 3}, {1006, 5}, {1011, 4}, {1015, 5},
                                              {1020, 3}, {1023, 6}, {1043, 3}};
    return h.onWindowThread([this, groups] {
        std::array<int, 7> ticked{};
        for (std::size_t g = 0; g < ticked.size(); ++g) {
            auto [first, size] = groups[g];
            for (int id = first; id < first + size; ++id) {
                if (SendMessageA(GetDlgItem(panel, id), BM_GETCHECK, 0, 0) == BST_CHECKED) {
                    ticked[g] = id;
                }
            }
        }
        return ticked;
    });
}

int SoakSession::finish() {
    return h.finish();
}

} // namespace soak
