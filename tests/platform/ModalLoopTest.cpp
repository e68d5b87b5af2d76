// Modal loops: dialogs and message boxes run their own loops inside handlers, disable their
// owner while they are open, and keep timers and painting going; the system menu and the
// close box end a dialog through its cancel command.

#include "platform/win/Icons.h"
#include "platform/win/Menus.h"
#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <gtest/gtest.h>

using namespace harness;
using namespace std::chrono_literals;

namespace {

constexpr int openBoxButton = 400;
constexpr int openDialogButton = 401;

struct Panel {
    int ticks = 0;
    bool visibleDuringInit = true;
    int boxResult = 0;
};

Panel* thePanel = nullptr;

INT_PTR CALLBACK innerProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == openBoxButton) {
        MessageBoxA(dialog, "Inner", "Nested", MB_OK);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

// A dialog with a one-second timer, a button that opens a message box and one that opens
// another dialog.
INT_PTR CALLBACK panelProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        thePanel->visibleDuringInit = IsWindowVisible(dialog) != FALSE;
        SetTimer(dialog, 1, 1000, nullptr);
        return TRUE;
    case WM_TIMER: ++thePanel->ticks; return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case openBoxButton: thePanel->boxResult = MessageBoxA(dialog, "Hello\nthere", "Greeting", MB_OK | MB_ICONEXCLAMATION); return TRUE;
        case openDialogButton: {
            auto bytes = platform::writeDialogTemplate(
                dialogOf("Inner", {pushButton(openBoxButton, "Box", 5, 5), defaultButton(IDOK, "OK", 60, 5)}, 120, 30));
            DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), dialog, innerProcedure, 0);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        default: return FALSE;
        }
    default: return FALSE;
    }
}

class ModalLoops : public ::testing::Test {
protected:
    void SetUp() override {
        thePanel = &panel;
        h.start([] {
            auto bytes = platform::writeDialogTemplate(dialogOf(
                "Panel", {pushButton(openBoxButton, "Box", 5, 5), pushButton(openDialogButton, "Dialog", 60, 5)}));
            return static_cast<int>(DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                                            nullptr, panelProcedure, 0));
        });
        dialog = h.activeWindow();
    }
    void TearDown() override {
        h.press(VK_ESCAPE);
        h.finish();
        thePanel = nullptr;
    }
    std::string caption(HWND window) { return h.text(window); }

    Harness h;
    Panel panel;
    HWND dialog = nullptr;
};

} // namespace

TEST_F(ModalLoops, ADialogIsShownOnlyOnceItsInitialisationIsOver) {
    EXPECT_FALSE(panel.visibleDuringInit);
    EXPECT_TRUE(h.onWindowThread([this] { return IsWindowVisible(dialog) != FALSE; }));
    EXPECT_EQ(caption(dialog), "Panel");
}

TEST_F(ModalLoops, TheOwnerIsDisabledWhileAMessageBoxIsOpenAndTimersKeepTicking) {
    h.click(h.control(openBoxButton));
    HWND box = h.activeWindow();
    ASSERT_NE(box, dialog);
    EXPECT_EQ(caption(box), "Greeting");
    EXPECT_FALSE(h.enabled(dialog));

    h.advance(1000ms);
    h.advance(1000ms);
    EXPECT_EQ(h.onWindowThread([this] { return panel.ticks; }), 2) << "the box's loop delivers the owner's ticks";

    h.click(dialog); // a click on the disabled owner does nothing
    EXPECT_EQ(h.activeWindow(), box);

    h.press(VK_RETURN);
    EXPECT_TRUE(h.enabled(dialog));
    EXPECT_EQ(h.activeWindow(), dialog);
    EXPECT_EQ(h.onWindowThread([this] { return panel.boxResult; }), IDOK);
}

TEST_F(ModalLoops, AMessageBoxShowsItsTextIconAndOneOkButtonCentredOverItsOwner) {
    h.click(h.control(openBoxButton));
    HWND box = h.activeWindow();
    auto contents = h.onWindowThread([box] {
        std::vector<std::string> texts;
        std::string icon;
        for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            char text[64];
            GetWindowTextA(c, text, sizeof text);
            texts.push_back(text);
            if (auto* shown = platform::findIcon(reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0)))) {
                icon = shown->name;
            }
        }
        return std::make_pair(texts, icon);
    });
    EXPECT_EQ(contents.first, (std::vector<std::string>{"", "Hello\nthere", "OK"}));
    EXPECT_EQ(contents.second, "exclamation");
    auto centres = h.onWindowThread([&] {
        RECT a, b;
        GetWindowRect(box, &a);
        GetWindowRect(dialog, &b);
        return std::make_pair((a.left + a.right) / 2 - (b.left + b.right) / 2, (a.top + a.bottom) / 2 - (b.top + b.bottom) / 2);
    });
    EXPECT_LE(std::abs(centres.first), 1);
    EXPECT_LE(std::abs(centres.second), 1);
    h.press(VK_ESCAPE);
    EXPECT_EQ(h.onWindowThread([this] { return panel.boxResult; }), IDOK) << "Esc answers OK in a box with only OK";
}

TEST_F(ModalLoops, LoopsNestAndUnwindInOrder) {
    h.click(h.control(openDialogButton));
    HWND inner = h.activeWindow();
    ASSERT_EQ(caption(inner), "Inner");
    h.click(h.control(openBoxButton));
    HWND box = h.activeWindow();
    ASSERT_EQ(caption(box), "Nested");
    EXPECT_FALSE(h.enabled(dialog));
    EXPECT_FALSE(h.enabled(inner));
    h.advance(1000ms);
    EXPECT_EQ(h.onWindowThread([this] { return panel.ticks; }), 1);

    h.press(VK_RETURN);
    EXPECT_EQ(h.activeWindow(), inner);
    EXPECT_FALSE(h.enabled(dialog)) << "the outer dialog stays disabled while the inner one is open";
    h.press(VK_ESCAPE);
    EXPECT_EQ(h.activeWindow(), dialog);
    EXPECT_TRUE(h.enabled(dialog));
}

struct CloseWay {
    const char* name;
    std::function<void(Harness&, RECT)> act;
};

class Closing : public ::testing::TestWithParam<CloseWay> {};

TEST_P(Closing, EndsTheDialogThroughItsCancelCommand) {
    Harness h;
    Recorder recorder;
    int result = 0;
    h.start([&] { return result = static_cast<int>(runRecorded(dialogOf("Closable", {pushButton(400, "B", 5, 5)}), recorder)); });
    RECT outer = h.onWindowThread([] {
        RECT r;
        GetWindowRect(GetActiveWindow(), &r);
        return r;
    });
    GetParam().act(h, outer);
    h.finish();
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_FALSE(recorder.systemCommands.empty());
    EXPECT_EQ(recorder.systemCommands.back() & 0xFFF0, static_cast<UINT>(SC_CLOSE));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Closing,
    ::testing::Values(
        CloseWay{"CloseBox", [](Harness& h, RECT outer) { h.clickAt({outer.right - 8, outer.top + 10}); }},
        CloseWay{"AltF4", [](Harness& h, RECT) { h.press(VK_F4, {false, false, true}); }},
        CloseWay{"AltSpaceDownEnter",
                 [](Harness& h, RECT) {
                     h.press(VK_SPACE, {false, false, true});
                     EXPECT_NE(h.onWindowThread([] { return platform::openMenuWindow(); }), nullptr);
                     h.press(VK_DOWN);
                     h.press(VK_RETURN);
                 }},
        CloseWay{"AltSpaceLetter",
                 [](Harness& h, RECT) {
                     h.press(VK_SPACE, {false, false, true});
                     h.type("c");
                 }},
        CloseWay{"MenuBoxThenClose",
                 [](Harness& h, RECT outer) {
                     h.clickAt({outer.left + 8, outer.top + 10});
                     HWND menu = h.onWindowThread([] { return platform::openMenuWindow(); });
                     ASSERT_NE(menu, nullptr);
                     RECT item = h.onWindowThread([menu] { return platform::menuItemRect(menu, 1); });
                     h.clickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
                 }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

TEST(SystemMenu, AnAppendedItemSendsItsCommandAndEscClosesTheMenuWithoutOne) {
    Harness h;
    Recorder recorder;
    h.start([&] { return static_cast<int>(runRecorded(dialogOf("Menu", {pushButton(400, "B", 5, 5)}), recorder)); });
    h.onWindowThread([] {
        HMENU menu = GetSystemMenu(GetActiveWindow(), FALSE);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 16, "&About...");
    });
    EXPECT_EQ(h.onWindowThread([] { return GetMenuItemCount(GetSystemMenu(GetActiveWindow(), FALSE)); }), 4);
    h.press(VK_SPACE, {false, false, true});
    h.press(VK_ESCAPE);
    EXPECT_EQ(h.onWindowThread([] { return platform::openMenuWindow(); }), nullptr);
    EXPECT_TRUE(h.onWindowThread([&] { return recorder.systemCommands; }).size() == 1) << "only the Alt+Space request";

    h.press(VK_SPACE, {false, false, true});
    h.press(VK_UP); // from Move, upwards past the separator to the last item
    h.press(VK_RETURN);
    EXPECT_EQ(h.onWindowThread([&] { return recorder.systemCommands.back(); }), 16u);
    h.press(VK_ESCAPE);
    h.finish();
}

TEST(CloseBox, APressReleasedOffTheBoxClosesNothing) {
    Harness h;
    Recorder recorder;
    h.start([&] { return static_cast<int>(runRecorded(dialogOf("Closable", {pushButton(400, "B", 5, 5)}), recorder)); });
    RECT outer = h.onWindowThread([] {
        RECT r;
        GetWindowRect(GetActiveWindow(), &r);
        return r;
    });
    h.display().pushMouseButton({outer.right - 8, outer.top + 10}, true);
    h.display().pushMouseButton({outer.left + 60, outer.top + 10}, false);
    h.waitIdle();
    EXPECT_FALSE(h.finished());
    EXPECT_TRUE(h.onWindowThread([&] { return recorder.systemCommands; }).empty());
    h.press(VK_ESCAPE);
    h.finish();
}
