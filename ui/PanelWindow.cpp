// The panel as a window: its routing table, its initialisation (system menu, icons, the watch
// timer), the About item, minimizing and the picture of the minimized panel.

#include "panel/TuningDlg.h"
#include "ui/AboutBox.h"
#include "ui/ResourceIds.h"

namespace {
constexpr UINT_PTR watchTimer = 1;
constexpr UINT watchPeriodMs = 1000;
} // namespace

const MessageMap* CTuningDlg::thisMessageMap() {
    static const MessageMap map{CDialog::thisMessageMap(),
                                {
                                    route::sysCommand(&CTuningDlg::OnSysCommand),
                                    route::paint(&CTuningDlg::OnPaint),
                                    route::queryDragIcon(&CTuningDlg::OnQueryDragIcon),
                                    route::command(control::minimizeButton, &CTuningDlg::OnMinimize),
                                    route::timer(&CTuningDlg::OnWatchTick),
                                    route::command(control::periodicCheckBox, &CTuningDlg::OnPeriodicCheck),
                                    route::command(control::bandwidth6, &CTuningDlg::On6Mhz),
                                    route::command(control::bandwidth7, &CTuningDlg::On7Mhz),
                                    route::command(control::bandwidth8, &CTuningDlg::On8Mhz),
                                    route::command(control::tuningButton, &CTuningDlg::OnTuning),
                                    route::command(control::abortButton, &CTuningDlg::OnAbort),
                                    route::command(control::resetTunerBox, &CTuningDlg::OnResetTuner),
                                }};
    return &map;
}

const MessageMap* CTuningDlg::GetMessageMap() const { return thisMessageMap(); }

BOOL CTuningDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU systemMenu = GetSystemMenu(FALSE)) {
        char aboutItem[128];
        if (LoadStringA(AfxGetResourceHandle(), resource::aboutItemText, aboutItem, sizeof aboutItem) > 0 &&
            aboutItem[0] != '\0') {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, resource::aboutCommand, aboutItem);
        }
    }
    SetIcon(appIcon, TRUE);
    SetIcon(appIcon, FALSE);
    SetTimer(watchTimer, watchPeriodMs, nullptr);
    return TRUE;
}

void CTuningDlg::OnSysCommand(UINT command, LPARAM parameter) {
    // Every value from 16 to 31 opens the About box; the About item sends 16.
    if ((command & 0xFFF0) == resource::aboutCommand) {
        CAboutBox about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(command, parameter);
}

void CTuningDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetSafeHwnd(), &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    int x = (client.right - client.left - iconWidth + 1) / 2;
    int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, appIcon);
    EndPaint(GetSafeHwnd(), &paint);
}

HCURSOR CTuningDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(appIcon); }

void CTuningDlg::OnMinimize() { ShowWindow(SW_MINIMIZE); }
