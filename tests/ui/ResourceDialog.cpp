#include "tests/ui/ResourceDialog.h"

#include "platform/win/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace templatecheck {
namespace {

INT_PTR CALLBACK handlesNothing(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string textOf(HWND window) {
    char buffer[256];
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// Where the template placed the control; the platform keeps it beside the pixel rectangle.
Box templateBoxOf(HWND window) {
    const auto& units = platform::findWindow(window)->templateUnits;
    if (!units) {
        return {-1, -1, -1, -1};
    }
    return {units->left, units->top, units->right - units->left, units->bottom - units->top};
}

// Styles read best as hexadecimal when a check fails.
std::string hex(DWORD style) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(style));
    return text;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "{" << box.x << ", " << box.y << ", " << box.cx << " x " << box.cy << "}";
}

void expectControls(const std::vector<CreatedControl>& created,
                    const std::vector<ExpectedControl>& table) {
    EXPECT_EQ(created.size(), table.size()) << "number of controls";
    for (size_t i = 0; i < std::min(created.size(), table.size()); ++i) {
        const ExpectedControl& want = table[i];
        const CreatedControl& got = created[i];
        SCOPED_TRACE(testing::Message() << "row " << i + 1 << " \"" << want.caption << "\"");
        EXPECT_EQ(got.windowClass, want.kind.windowClass);
        EXPECT_EQ(hex(got.style), hex(WS_CHILD | WS_VISIBLE | want.kind.style | want.marks));
        EXPECT_EQ(hex(got.exStyle), hex(0));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.box, want.box);
    }
}

std::optional<platform::DialogTemplateData> registeredTemplate(int templateId) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    return platform::readDialogTemplate(LockResource(LoadResource(module, found)));
}

ResourceDialog::ResourceDialog(int templateId) {
    harness_.start([this, templateId] {
        HMODULE module = GetModuleHandleA(nullptr);
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
        auto* bytes = static_cast<LPCDLGTEMPLATEA>(LockResource(LoadResource(module, found)));
        if (bytes != nullptr) {
            dialog_ = CreateDialogIndirectParamA(module, bytes, nullptr, handlesNothing, 0);
        }
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
        return 0;
    });
}

std::vector<CreatedControl> ResourceDialog::controls() {
    return query([](HWND dialog) {
        std::vector<CreatedControl> found;
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            found.push_back({platform::findWindow(child)->windowClass->name,
                             static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)),
                             static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE)),
                             GetDlgCtrlID(child), textOf(child), templateBoxOf(child)});
        }
        return found;
    });
}

} // namespace templatecheck
