#include "tests/support/TestDialogs.h"

namespace harness {

namespace {
DialogItem button(DWORD kind, WORD id, std::string caption, short x, short y, short cx, short cy, DWORD marks) {
    return {visibleChild | kind | marks, 0, x, y, cx, cy, id, "Button", std::move(caption), {}};
}
} // namespace

DialogItem pushButton(WORD id, std::string caption, short x, short y, DWORD marks) {
    return button(BS_PUSHBUTTON, id, std::move(caption), x, y, 50, 14, marks);
}

DialogItem defaultButton(WORD id, std::string caption, short x, short y, DWORD marks) {
    return button(BS_DEFPUSHBUTTON, id, std::move(caption), x, y, 50, 14, marks);
}

DialogItem radio(WORD id, std::string caption, short x, short y, DWORD marks) {
    return button(BS_AUTORADIOBUTTON, id, std::move(caption), x, y, 40, 10, marks);
}

DialogItem checkBox(WORD id, std::string caption, short x, short y, DWORD marks) {
    return button(BS_AUTOCHECKBOX, id, std::move(caption), x, y, 60, 10, marks);
}

DialogItem groupBox(std::string caption, short x, short y, short cx, short cy) {
    return button(BS_GROUPBOX, 0xFFFF, std::move(caption), x, y, cx, cy, 0);
}

DialogItem label(std::string caption, short x, short y, DWORD marks, WORD id) {
    return {visibleChild | SS_LEFT | marks, 0, x, y, 40, 8, id, "Static", std::move(caption), {}};
}

DialogItem editBox(WORD id, short x, short y, DWORD marks) {
    return {visibleChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | marks, 0, x, y, 47, 14, id, "Edit", "", {}};
}

DialogTemplateData dialogOf(std::string caption, std::vector<DialogItem> items, short cx, short cy) {
    DialogTemplateData data;
    data.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    data.cx = cx;
    data.cy = cy;
    data.caption = std::move(caption);
    data.items = std::move(items);
    return data;
}

INT_PTR CALLBACK recordingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<Recorder*>(lParam)->dialog = dialog;
        return TRUE;
    }
    auto* recorder = reinterpret_cast<Recorder*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (recorder == nullptr) {
        return FALSE;
    }
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        recorder->commands.push_back({id, HIWORD(wParam)});
        recorder->checkAtCommand.push_back(
            lParam != 0 ? SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0) : 0);
        if (id == IDOK || id == IDCANCEL) {
            EndDialog(dialog, id);
        }
        return TRUE;
    }
    if (message == WM_SYSCOMMAND) {
        recorder->systemCommands.push_back(static_cast<UINT>(wParam));
        return FALSE;
    }
    if (message == WM_HELP) {
        ++recorder->helpRequests;
        return TRUE;
    }
    return FALSE;
}

INT_PTR runRecorded(const DialogTemplateData& data, Recorder& recorder, HWND owner) {
    auto bytes = platform::writeDialogTemplate(data);
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                   owner, recordingProcedure, reinterpret_cast<LPARAM>(&recorder));
}

} // namespace harness
