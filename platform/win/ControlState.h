#pragma once
// What each kind of window keeps beyond the common window data. Renderers read it to draw the
// control; only the control's own procedure changes it.

#include "platform/win/Types.h"

#include <string>

namespace platform {

struct ButtonState {
    int check = 0;        // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    bool pushed = false;  // drawn pressed while the mouse or the space bar holds it
    bool tracking = false; // the mouse went down on it and has not come up yet
};

struct EditState {
    int anchor = 0;       // where the selection started
    int caret = 0;        // where it ends; the caret stands here
    int firstVisible = 0; // the first character shown, as the text scrolls sideways
    int selectionStart() const { return anchor < caret ? anchor : caret; }
    int selectionEnd() const { return anchor < caret ? caret : anchor; }
};

struct StaticState {
    HICON icon = nullptr;
};

struct DialogState {
    DLGPROC procedure = nullptr;
    LONG_PTR messageResult = 0;
    LONG_PTR user = 0;
    SIZE baseUnits{6, 13}; // pixels per four horizontal and eight vertical dialog units
    bool ended = false;
    INT_PTR result = 0;
    HWND savedFocus = nullptr;    // the control to give the focus back to on activation
    HWND disabledOwner = nullptr; // the owner a modal run disabled, enabled again as it ends
    int defaultId = 0;         // set by DM_SETDEFID; 0 means the default push button's id
};

struct MenuState {
    HMENU menu = nullptr;
    HWND owner = nullptr;
    int selected = -1;
};

} // namespace platform
