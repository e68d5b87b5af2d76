#pragma once
// CWnd: a C++ object standing for a window. The framework routes the window's messages to the
// object's handlers through its routing tables; what no handler takes goes on to the window's
// own procedure.

#include "platform/afx/CmdTarget.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return hwnd_; }
    // The object attached to a window, if any.
    static CWnd* FromHandlePermanent(HWND window);
    // Binds the object to a window; false when either is bound already.
    BOOL Attach(HWND window);
    HWND Detach();

    // The window's own calls, on the attached window.
    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int size) const;
    HWND GetDlgItem(int id) const;
    BOOL EnableWindow(BOOL enable);
    BOOL ShowWindow(int command);
    BOOL IsIconic() const;
    BOOL IsWindowVisible() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC procedure = nullptr);
    BOOL KillTimer(UINT_PTR id);
    HMENU GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL big);
    void GetClientRect(LPRECT rect) const;
    // Centres the window over its owner, or in the work area when the owner is hidden or
    // minimized, keeping it inside the work area.
    void CenterWindow();

    // Moves data between the controls and the object: from the controls when saving, into them
    // otherwise. False when a step refused; its message has been shown.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* exchange);

    // The help context that this window answers when help is asked for; 0 for none.
    virtual DWORD helpContext() const { return 0; }

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // The window's own processing of the message being handled.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The default handling of the messages that routing tables take.
    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    BOOL OnHelpInfo(HELPINFO* info);

    static const MessageMap* thisMessageMap();
    const MessageMap* GetMessageMap() const override;

protected:
    // Replaces the window's procedure with the framework's, keeping the old one for the
    // default processing.
    void subclass(HWND window);

    HWND hwnd_ = nullptr;
    WNDPROC superProcedure_ = nullptr;

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
};

// The procedure of every window the framework has subclassed.
LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
