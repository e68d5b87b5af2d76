#include "platform/afx/WinApp.h"

#include "platform/afx/FrameworkStrings.h"
#include "platform/afx/Wnd.h"

namespace {

CWinApp* theApp = nullptr;

std::string executablePath() {
    char path[1024];
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

} // namespace

CWinApp::CWinApp(LPCSTR appName) {
    if (appName != nullptr) {
        appName_ = appName;
        named_ = true;
    }
    theApp = this;
}

CWinApp::~CWinApp() {
    if (theApp == this) {
        theApp = nullptr;
    }
}

void CWinApp::initialise() {
    instance_ = ::GetModuleHandleA(nullptr);
    std::string path = executablePath();
    size_t nameStart = path.find_last_of("/\\") + 1;
    size_t dot = path.find_last_of('.');
    bool hasExtension = dot != std::string::npos && dot >= nameStart;
    if (!named_) {
        char title[256];
        if (::LoadStringA(instance_, afxAppTitle, title, sizeof title) > 0) {
            appName_ = title;
        } else {
            appName_ = path.substr(nameStart, hasExtension ? dot - nameStart : std::string::npos);
        }
    }
    helpFilePath_ = (hasExtension ? path.substr(0, dot) : path) + ".HLP";
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

void CWinApp::OnHelp() {
    for (HWND window = ::GetFocus(); window != nullptr; window = ::GetParent(window)) {
        if (CWnd* object = CWnd::FromHandlePermanent(window)) {
            if (DWORD context = object->helpContext()) {
                WinHelp(context);
                return;
            }
        }
    }
    WinHelp(0, HELP_FINDER);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    HWND main = mainWindow != nullptr ? mainWindow->GetSafeHwnd() : nullptr;
    if (!::WinHelpA(main, helpFilePath_.c_str(), command, data)) {
        AfxMessageBox(afxFailedToLaunchHelp);
    }
}

int CWinApp::DoMessageBox(LPCSTR prompt, UINT type, UINT) {
    // The box belongs to the main window, or to the box that the main window has open.
    HWND owner = mainWindow != nullptr ? mainWindow->GetSafeHwnd() : nullptr;
    if (owner != nullptr) {
        HWND active = ::GetActiveWindow();
        for (HWND w = active; w != nullptr; w = ::GetWindow(w, GW_OWNER)) {
            if (w == owner) {
                owner = active;
                break;
            }
        }
    }
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL: type |= MB_ICONEXCLAMATION; break;
        case MB_YESNO: type |= MB_ICONQUESTION; break;
        default: break;
        }
    }
    return ::MessageBoxA(owner, prompt, appName(), type);
}

const MessageMap* CWinApp::thisMessageMap() {
    // An application takes the Help command only when its own table routes it to OnHelp.
    static const MessageMap map{CCmdTarget::thisMessageMap(), {}};
    return &map;
}

const MessageMap* CWinApp::GetMessageMap() const { return thisMessageMap(); }

CWinApp* AfxGetApp() { return theApp; }

CWnd* AfxGetMainWnd() { return theApp != nullptr ? theApp->mainWindow : nullptr; }

HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleA(nullptr); }

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    app->initialise();
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    return app->Run();
}

void AfxEnableControlContainer() {}

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId) {
    if (CWinApp* app = AfxGetApp()) {
        return app->DoMessageBox(text, type, helpId);
    }
    return ::MessageBoxA(nullptr, text, nullptr, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
    char prompt[512] = "";
    ::LoadStringA(AfxGetResourceHandle(), promptId, prompt, sizeof prompt);
    return AfxMessageBox(prompt, type, helpId == static_cast<UINT>(-1) ? promptId : helpId);
}
