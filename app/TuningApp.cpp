#include "app/TuningApp.h"

#include "driver/DVBTDLL.h"
#include "panel/TuningDlg.h"
#include "platform/afx/FrameworkStrings.h"

// The one application object of the process.
CTuningApp theApp;

CTuningApp::CTuningApp() = default;

BOOL CTuningApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CTuningDlg panel;
    mainWindow = &panel;
    if (DVBT_INIT_IO() != 0) {
        panel.DoModal();
    } else {
        AfxMessageBox("The Driver is not installed properly", MB_OK, 0);
    }
    mainWindow = nullptr;
    // No message loop follows: the process ends with the panel.
    return FALSE;
}

const MessageMap* CTuningApp::thisMessageMap() {
    static const MessageMap map{CWinApp::thisMessageMap(), {route::command(afxHelpCommand, &CWinApp::OnHelp)}};
    return &map;
}

const MessageMap* CTuningApp::GetMessageMap() const { return thisMessageMap(); }
