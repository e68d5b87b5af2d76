#include "platform/afx/DataExchange.h"

#include "platform/afx/FrameworkStrings.h"
#include "platform/afx/IntegerText.h"
#include "platform/afx/WinApp.h"
#include "platform/afx/Wnd.h"

#include <cstring>

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), id);
    if (control == nullptr) {
        throw DataExchangeUnsupported{};
    }
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) {
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    throw DataExchangeRefused{};
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.GetSafeHwnd() != nullptr) {
        return;
    }
    if (!control.Attach(exchange->PrepareCtrl(id))) {
        throw DataExchangeUnsupported{};
    }
}

void DDX_Radio(CDataExchange* exchange, int firstId, int& value) {
    HWND button = exchange->PrepareCtrl(firstId);
    if (exchange->m_bSaveAndValidate) {
        value = -1;
    }
    int index = 0;
    do {
        if ((::SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
            if (exchange->m_bSaveAndValidate) {
                if (::SendMessageA(button, BM_GETCHECK, 0, 0) != 0) {
                    value = index;
                }
            } else {
                ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        button = ::GetWindow(button, GW_HWNDNEXT);
    } while (button != nullptr && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP) == 0);
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
    HWND box = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(box, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2) {
        value = 0;
    }
    ::SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* exchange, int id, int& value) {
    HWND box = exchange->PrepareEditCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        char text[32];
        ::GetWindowTextA(box, text, sizeof text);
        auto number = parseIntegerText(text);
        if (!number) {
            AfxMessageBox(afxParseInteger);
            exchange->Fail();
        }
        value = *number;
        return;
    }
    char wanted[32];
    ::wsprintfA(wanted, "%d", value);
    char shown[256];
    ::GetWindowTextA(box, shown, sizeof shown);
    // Rewriting an unchanged text would move the caret and raise a change notice for nothing.
    if (std::strcmp(wanted, shown) != 0) {
        ::SetWindowTextA(box, wanted);
    }
}
