#include "tests/support/PanelFixture.h"

#include "panel/RunValues.h"
#include "platform/win/Resources.h"
#include "ui/ResourceIds.h"

using namespace std::chrono_literals;

namespace harness {

PanelFixture::PanelFixture() {
    ScriptedDriver::instance().reset();
    // The run values start at 0 with the process; a test stands for a fresh process.
    abortFlag = 0;
    acquisitionDone = 0;
    pollCount = 0;
    unlockCount = 0;
    platform::setModulePath("/opt/bench/Skarvel.EXE");
}

PanelFixture::~PanelFixture() {
    if (panel != nullptr) {
        closePanel();
    }
}

void PanelFixture::startProgram() {
    h.start([] { return AfxWinMain(); });
    if (!h.finished()) {
        panel = h.activeWindow();
    }
}

void PanelFixture::closePanel() {
    if (!h.finished()) {
        h.onWindowThread([this] { PostMessageA(panel, WM_COMMAND, IDCANCEL, 0); });
    }
    h.finish();
    panel = nullptr;
}

HWND PanelFixture::item(int id) {
    return h.onWindowThread([this, id] { return GetDlgItem(panel, id); });
}

std::string PanelFixture::text(int id) { return h.text(item(id)); }

bool PanelFixture::ticked(int id) { return h.checked(item(id)); }

bool PanelFixture::enabled(int id) { return h.enabled(item(id)); }

void PanelFixture::click(int id) { h.click(item(id)); }

CTuningDlg* PanelFixture::panelObject() { return static_cast<CTuningDlg*>(CWnd::FromHandlePermanent(panel)); }

void PanelFixture::waitForRunEnd() {
    HWND tuning = item(control::tuningButton);
    h.waitUntil([tuning] { return IsWindowEnabled(tuning) != FALSE; }, "the tuning run has ended");
}

void PanelFixture::tick() { h.advance(1000ms); }

} // namespace harness
