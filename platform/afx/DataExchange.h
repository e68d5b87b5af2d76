#pragma once
// The exchange between a dialog's controls and the values of its object: the context of one
// exchange and the four kinds of step that a DoDataExchange lists.

#include "platform/win/Win32.h"

class CWnd;

// A step refused the control's content; its message has been shown.
struct DataExchangeRefused {};
// A step could not find or attach its control.
struct DataExchangeUnsupported {};

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Looks up a control of the dialog and remembers it as the last one; a missing control
    // ends the exchange.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Ends the exchange as refused: the focus goes to the last control, with an edit box's
    // whole text selected.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Attaches `control` to the dialog's control `id`, the first time only.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// A group of automatic radio buttons, from `firstId` to the next control with the group mark:
// the index of the ticked one, counted from 0, or -1 when none is ticked.
void DDX_Radio(CDataExchange* exchange, int firstId, int& value);
// A check box's state: 0 unticked, 1 ticked, 2 undetermined.
void DDX_Check(CDataExchange* exchange, int id, int& value);
// An integer in an edit box; a save of text that is not an integer asks for one.
void DDX_Text(CDataExchange* exchange, int id, int& value);
