#include "platform/afx/Wnd.h"

#include "platform/afx/DataExchange.h"
#include "platform/afx/FrameworkStrings.h"
#include "platform/afx/ThreadState.h"
#include "platform/afx/WinApp.h"

#include <algorithm>
#include <map>

namespace {

// Windows belong to one thread, and so does the map from windows to their objects.
std::map<HWND, CWnd*>& permanentMap() {
    thread_local std::map<HWND, CWnd*> map;
    return map;
}

} // namespace

CWnd::~CWnd() { Detach(); }

CWnd* CWnd::FromHandlePermanent(HWND window) {
    auto& map = permanentMap();
    auto it = map.find(window);
    return it == map.end() ? nullptr : it->second;
}

BOOL CWnd::Attach(HWND window) {
    if (window == nullptr || hwnd_ != nullptr || FromHandlePermanent(window) != nullptr) {
        return FALSE;
    }
    hwnd_ = window;
    permanentMap()[window] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = hwnd_;
    if (window != nullptr) {
        permanentMap().erase(window);
        hwnd_ = nullptr;
        superProcedure_ = nullptr;
    }
    return window;
}

void CWnd::subclass(HWND window) {
    superProcedure_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
}

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowTextA(hwnd_, text); }

int CWnd::GetWindowText(LPSTR buffer, int size) const { return ::GetWindowTextA(hwnd_, buffer, size); }

HWND CWnd::GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(hwnd_, enable); }

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(hwnd_, command); }

BOOL CWnd::IsIconic() const { return ::IsIconic(hwnd_); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(hwnd_); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(hwnd_, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    return ::SetTimer(hwnd_, id, elapse, procedure);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(hwnd_, id); }

HMENU CWnd::GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(hwnd_, revert); }

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(
        ::SendMessageA(hwnd_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(hwnd_, rect); }

void CWnd::CenterWindow() {
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &around);
    }
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    LONG width = r.right - r.left;
    LONG height = r.bottom - r.top;
    LONG left = (around.left + around.right - width) / 2;
    LONG top = (around.top + around.bottom - height) / 2;
    // Inside the work area; a window larger than it keeps its left and top edges in view.
    left = std::max(area.left, std::min(left, area.right - width));
    top = std::max(area.top, std::min(top, area.bottom - height));
    ::SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    // While the exchange runs, the notifications that it makes controls send are not commands.
    AfxThreadState& state = afxThreadState();
    HWND previousLockout = state.lockoutNotifyWindow;
    state.lockoutNotifyWindow = hwnd_;
    BOOL completed = FALSE;
    try {
        DoDataExchange(&exchange);
        completed = TRUE;
    } catch (const DataExchangeRefused&) {
        // The step has shown its own message.
    } catch (const DataExchangeUnsupported&) {
        AfxMessageBox(afxNotSupported, MB_ICONEXCLAMATION);
    } catch (...) {
        AfxMessageBox(afxInternalFailure, MB_ICONEXCLAMATION);
    }
    state.lockoutNotifyWindow = previousLockout;
    return completed;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            return 0;
        }
        return DefWindowProc(message, wParam, lParam);
    }
    if (const MessageEntry* entry = findEntry(message)) {
        return entry->handler(*this, wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A control's notification sent while this window exchanges data is dropped.
    if (lParam != 0 && afxThreadState().lockoutNotifyWindow == hwnd_) {
        return TRUE;
    }
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::Default() {
    const MSG& current = afxThreadState().currentMessage;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProcedure_ != nullptr) {
        return ::CallWindowProcA(superProcedure_, hwnd_, message, wParam, lParam);
    }
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

void CWnd::OnSysCommand(UINT command, LPARAM lParam) { DefWindowProc(WM_SYSCOMMAND, command, lParam); }

void CWnd::OnPaint() { DefWindowProc(WM_PAINT, 0, 0); }

void CWnd::OnTimer(UINT_PTR id) { DefWindowProc(WM_TIMER, id, 0); }

BOOL CWnd::OnHelpInfo(HELPINFO* info) {
    // Help asked for in a top-level window is the application's Help command, sent to its
    // main window; a child's question goes to its parent.
    if ((::GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) == 0) {
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->GetSafeHwnd() != nullptr) {
            main->SendMessage(WM_COMMAND, afxHelpCommand, 0);
            return TRUE;
        }
    }
    return static_cast<BOOL>(DefWindowProc(WM_HELP, 0, reinterpret_cast<LPARAM>(info)));
}

const MessageMap* CWnd::thisMessageMap() {
    static const MessageMap map{CCmdTarget::thisMessageMap(), {route::helpInfo(&CWnd::OnHelpInfo)}};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return thisMessageMap(); }

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = CWnd::FromHandlePermanent(window);
    if (object == nullptr) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    AfxThreadState& state = afxThreadState();
    MSG previous = state.currentMessage;
    state.currentMessage = MSG{window, message, wParam, lParam, 0, {}};
    LRESULT result;
    if (message == WM_NCDESTROY) {
        // The window's last message: the object lets go of it after the window's own processing.
        result = object->DefWindowProc(message, wParam, lParam);
        object->Detach();
    } else {
        result = object->WindowProc(message, wParam, lParam);
    }
    state.currentMessage = previous;
    return result;
}
