#pragma once
// CWinApp: the application object. The process has one; its start-up operation runs the
// program, and its routing table takes the application's own commands (help).

#include "platform/afx/CmdTarget.h"

#include <string>

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // Without a name, the application is named after its executable file.
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The message loop, for an application whose start-up returned true.
    virtual int Run();
    virtual int ExitInstance();

    // The three-dimensional look of controls; nothing to do on this platform.
    BOOL Enable3dControlsStatic();

    // The Help command: asks the window with the focus, then its parents, for a help context,
    // and asks the help engine for that topic.
    void OnHelp();
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
    virtual int DoMessageBox(LPCSTR prompt, UINT type, UINT helpId);

    LPCSTR appName() const { return appName_.c_str(); }
    const std::string& helpFilePath() const { return helpFilePath_; }
    HINSTANCE instance() const { return instance_; }

    // The window that owns the application's message boxes and receives its Help command.
    CWnd* mainWindow = nullptr;

    static const MessageMap* thisMessageMap();
    const MessageMap* GetMessageMap() const override;

private:
    // Names the application and its help file after the executable, once it is known.
    void initialise();

    std::string appName_;
    std::string helpFilePath_;
    HINSTANCE instance_ = nullptr;
    bool named_ = false;

    friend int AfxWinMain();
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Runs the application object: its start-up, then its message loop if start-up asks for one.
int AfxWinMain();

// Hosting of ActiveX controls in dialogs; the program has none, so there is nothing to do.
void AfxEnableControlContainer();

// A message box with the application's name as its caption, owned by its main window. An OK
// box that names no icon gets the exclamation mark.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
