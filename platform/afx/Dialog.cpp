#include "platform/afx/Dialog.h"

#include "platform/afx/FrameworkStrings.h"
#include "platform/afx/WinApp.h"

#include <cstring>

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(templateId_), RT_DIALOG);
    const void* source = resource != nullptr ? ::LockResource(::LoadResource(instance, resource)) : nullptr;
    if (source == nullptr) {
        return -1;
    }
    DLGTEMPLATE header;
    std::memcpy(&header, source, sizeof header);
    templateAtOrigin_ = header.x == 0 && header.y == 0;

    // Without a parent of its own, a dialog belongs to the application's main window, unless
    // it is the main window itself.
    HWND owner = parent_ != nullptr ? parent_->GetSafeHwnd() : nullptr;
    if (parent_ == nullptr) {
        CWnd* main = AfxGetMainWnd();
        if (main != nullptr && main != this) {
            owner = main->GetSafeHwnd();
        }
    }
    INT_PTR result = ::DialogBoxIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(source), owner,
                                             &CDialog::dialogProcedure, reinterpret_cast<LPARAM>(this));
    Detach();
    return result;
}

INT_PTR CALLBACK CDialog::dialogProcedure(HWND window, UINT message, WPARAM, LPARAM lParam) {
    // Only the initialisation comes here: from then on the framework's window procedure takes
    // the dialog's messages and leaves the rest to the dialog's default processing.
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    return dialog->initialise(window);
}

BOOL CDialog::initialise(HWND window) {
    Attach(window);
    subclass(window);
    RECT before{};
    ::GetWindowRect(window, &before);
    BOOL result = OnInitDialog();
    if (!::IsWindow(window)) {
        return FALSE;
    }
    // The framework centres a dialog that its template puts at the origin, when neither the
    // initialisation nor a style of its own has placed or shown it, and when it has no owner or
    // a disabled one (it is modal).
    RECT after{};
    ::GetWindowRect(window, &after);
    LONG style = ::GetWindowLongA(window, GWL_STYLE);
    HWND owner = ::GetWindow(window, GW_OWNER);
    bool placedByStyle = (style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE)) != 0;
    bool untouched = std::memcmp(&before, &after, sizeof before) == 0 && (style & WS_VISIBLE) == 0;
    if (templateAtOrigin_ && !placedByStyle && untouched && (owner == nullptr || !::IsWindowEnabled(owner))) {
        CenterWindow();
    }
    return result;
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) { ::EndDialog(hwnd_, result); }

BOOL CDialog::OnCmdMsg(UINT id, UINT code) {
    if (CWnd::OnCmdMsg(id, code)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}

DWORD CDialog::helpContext() const { return afxHelpContextBase + templateId_; }

const MessageMap* CDialog::thisMessageMap() {
    static const MessageMap map{CWnd::thisMessageMap(),
                                {route::command(IDOK, &CDialog::OnOK), route::command(IDCANCEL, &CDialog::OnCancel)}};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const { return thisMessageMap(); }
