#pragma once
// Small dialog templates for platform tests, and a dialog procedure that records the commands
// its controls send.

#include "platform/win/DialogTemplate.h"
#include "platform/win/Win32.h"

#include <string>
#include <vector>

namespace harness {

using platform::DialogItem;
using platform::DialogTemplateData;

constexpr DWORD visibleChild = WS_CHILD | WS_VISIBLE;

DialogItem pushButton(WORD id, std::string caption, short x, short y, DWORD marks = WS_TABSTOP);
DialogItem defaultButton(WORD id, std::string caption, short x, short y, DWORD marks = WS_TABSTOP);
DialogItem radio(WORD id, std::string caption, short x, short y, DWORD marks = 0);
DialogItem checkBox(WORD id, std::string caption, short x, short y, DWORD marks = WS_TABSTOP);
DialogItem groupBox(std::string caption, short x, short y, short cx, short cy);
DialogItem label(std::string caption, short x, short y, DWORD marks = WS_GROUP, WORD id = 0xFFFF);
DialogItem editBox(WORD id, short x, short y, DWORD marks = WS_TABSTOP);

DialogTemplateData dialogOf(std::string caption, std::vector<DialogItem> items, short cx = 200,
                            short cy = 120);

// A command as the dialog received it.
struct Command {
    int id;
    int code;
    bool operator==(const Command&) const = default;
};

// Records every WM_COMMAND and WM_HELP the dialog receives; ends the dialog on IDOK and
// IDCANCEL. Give the recorder as the dialog's init parameter.
struct Recorder {
    std::vector<Command> commands;
    std::vector<LRESULT> checkAtCommand; // the sending control's tick as its command arrived
    std::vector<UINT> systemCommands; // WM_SYSCOMMAND values, before the default processing
    int helpRequests = 0;
    HWND dialog = nullptr;
};
INT_PTR CALLBACK recordingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the template as a modal dialog owned by `owner`, recording into `recorder`.
INT_PTR runRecorded(const DialogTemplateData& data, Recorder& recorder, HWND owner = nullptr);

} // namespace harness
