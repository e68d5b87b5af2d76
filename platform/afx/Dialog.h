#pragma once
// CDialog: a dialog built on a dialog template of the program's resources, run modally.

#include "platform/afx/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the dialog from its template, runs it until it ends and destroys it. Gives the
    // result it ended with, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // The initialisation: loads the object's values into the controls. A failed load ends the
    // dialog with -1.
    virtual BOOL OnInitDialog();
    // OK: saves the controls and, when the save succeeds, ends the dialog with IDOK.
    virtual void OnOK();
    // Cancel: ends the dialog with IDCANCEL at once.
    virtual void OnCancel();
    void EndDialog(int result);

    DWORD helpContext() const override;
    // A command that the dialog's tables leave goes on to the application object.
    BOOL OnCmdMsg(UINT id, UINT code) override;

    static const MessageMap* thisMessageMap();
    const MessageMap* GetMessageMap() const override;

private:
    static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL initialise(HWND window);

    UINT templateId_;
    CWnd* parent_;
    bool templateAtOrigin_ = false;
};
