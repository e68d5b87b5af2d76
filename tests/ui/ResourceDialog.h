#pragma once
// Opens a dialog from one of the program's registered templates on a harness window thread and
// reads its controls back as the platform created them, so that tests can hold them against
// tables written out by hand.

#include "platform/win/DialogTemplate.h"
#include "platform/win/Win32.h"
#include "tests/support/Harness.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace templatecheck {

// The window class and the style bits that make a control's kind.
struct Kind {
    const char* windowClass;
    DWORD style;
};

inline constexpr Kind defaultPushButton{"Button", BS_DEFPUSHBUTTON};
inline constexpr Kind pushButton{"Button", BS_PUSHBUTTON};
inline constexpr Kind autoRadioButton{"Button", BS_AUTORADIOBUTTON};
inline constexpr Kind autoCheckBox{"Button", BS_AUTOCHECKBOX};
inline constexpr Kind groupBox{"Button", BS_GROUPBOX};
inline constexpr Kind staticText{"Static", SS_LEFT};
inline constexpr Kind plainStaticText{"Static", SS_LEFT | SS_NOPREFIX};
inline constexpr Kind iconStatic{"Static", SS_ICON};
inline constexpr Kind editBox{"Edit", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER};

inline constexpr int noId = 0xFFFF;
inline constexpr DWORD noMarks = 0;
inline constexpr DWORD group = WS_GROUP;
inline constexpr DWORD tabStop = WS_TABSTOP;

// A rectangle in dialog units: position and size.
struct Box {
    int x;
    int y;
    int cx;
    int cy;
    bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Box& box);

// One row of a control table: every control is a visible child with no extended style, so the
// kind and the marks give its whole style.
struct ExpectedControl {
    Kind kind;
    int id;
    std::string caption;
    Box box;
    DWORD marks;
};

struct CreatedControl {
    std::string windowClass;
    DWORD style;
    DWORD exStyle;
    int id;
    std::string caption;
    Box box;
};

// Checks the created controls against the table in creation order; a failure names its row,
// counted from 1.
void expectControls(const std::vector<CreatedControl>& created,
                    const std::vector<ExpectedControl>& table);

// The registered template `templateId`, read back from the bytes that FindResourceA finds.
std::optional<platform::DialogTemplateData> registeredTemplate(int templateId);

class ResourceDialog {
public:
    // Creates the dialog modeless, with a dialog procedure that handles nothing, from the
    // template that FindResourceA finds under `templateId`.
    explicit ResourceDialog(int templateId);

    // Runs `read` with the dialog's handle on the window thread; the handle is null when the
    // dialog could not be made.
    template <class Read> auto query(Read read) {
        return harness_.onWindowThread([&] { return read(dialog_); });
    }

    // The dialog's children in creation order, read with GetWindow.
    std::vector<CreatedControl> controls();

private:
    // Declared first, so that it outlives the window thread, which still reads it on its way out.
    HWND dialog_ = nullptr;
    harness::Harness harness_;
};

} // namespace templatecheck
