// Window calls with handles that name no window, minimizing and restoring, and the paint cycle
// of a minimized window.

#include "platform/win/Input.h"
#include "platform/win/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <tuple>

using namespace harness;

TEST(WindowCalls, AHandleThatNamesNoWindowFailsEachCallAsTheSystemReportsIt) {
    HWND bogus = reinterpret_cast<HWND>(0x1234);
    HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(window); // a destroyed window's handle is no better
    struct Call {
        const char* name;
        std::function<bool(HWND)> fails;
    };
    const Call calls[] = {
        {"SetWindowTextA", [](HWND w) { return !SetWindowTextA(w, "x"); }},
        {"GetWindowTextA", [](HWND w) { char b[8] = "junk"; return GetWindowTextA(w, b, 8) == 0 && b[0] == '\0'; }},
        {"EnableWindow", [](HWND w) { return !EnableWindow(w, FALSE); }},
        {"ShowWindow", [](HWND w) { return !ShowWindow(w, SW_SHOW); }},
        {"GetClientRect", [](HWND w) { RECT r; return !GetClientRect(w, &r); }},
        {"SetWindowPos", [](HWND w) { return !SetWindowPos(w, nullptr, 0, 0, 1, 1, 0); }},
        {"DestroyWindow", [](HWND w) { return !DestroyWindow(w); }},
        {"SendMessageA", [](HWND w) { return SendMessageA(w, WM_SETTEXT, 0, 0) == 0; }},
        {"PostMessageA", [](HWND w) { return !PostMessageA(w, WM_USER, 0, 0); }},
        {"SetTimer", [](HWND w) { return SetTimer(w, 1, 100, nullptr) == 0; }},
        {"KillTimer", [](HWND w) { return !KillTimer(w, 1); }},
        {"GetDlgItem", [](HWND w) { return GetDlgItem(w, 1) == nullptr; }},
        {"GetWindowLongPtrA", [](HWND w) { return GetWindowLongPtrA(w, GWL_STYLE) == 0; }},
        {"GetSystemMenu", [](HWND w) { return GetSystemMenu(w, FALSE) == nullptr; }},
        {"SetFocus", [](HWND w) { return SetFocus(w) == nullptr; }},
        {"BeginPaint", [](HWND w) { PAINTSTRUCT p; return BeginPaint(w, &p) == nullptr; }},
        {"DialogBoxIndirectParamA", [](HWND w) {
             auto bytes = platform::writeDialogTemplate(dialogOf("x", {}));
             return DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), w, nullptr, 0) == -1;
         }},
        {"GetParent", [](HWND w) { return GetParent(w) == nullptr; }},
        {"GetWindow", [](HWND w) { return GetWindow(w, GW_CHILD) == nullptr; }},
    };
    for (HWND handle : {bogus, window}) {
        for (const Call& call : calls) {
            SetLastError(0);
            EXPECT_TRUE(call.fails(handle)) << call.name;
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << call.name;
        }
        EXPECT_FALSE(IsWindow(handle));
        EXPECT_FALSE(IsWindowVisible(handle));
        EXPECT_FALSE(IsIconic(handle));
        MSG msg{handle, WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_FALSE(IsDialogMessageA(handle, &msg));
    }
}

TEST(WindowCalls, AMinimizedWindowLeavesTheScreenPaintsAsAnIconAndComesBack) {
    Harness h;
    platform::ScreenMetrics metrics;
    metrics.iconicClient = {30, 36};
    h.display().setMetrics(metrics);
    HWND window = nullptr;
    std::vector<UINT> seen;
    h.start([&] {
        window = CreateWindowExA(0, "Static", "w", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 200, 150,
                                 nullptr, nullptr, nullptr, nullptr);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0)) {
            seen.push_back(msg.message);
            if (msg.message == WM_PAINT && IsIconic(window)) {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(window, &paint);
                DrawIcon(dc, 2, 2, LoadIconA(nullptr, IDI_EXCLAMATION));
                EndPaint(window, &paint);
                continue;
            }
            DispatchMessageA(&msg);
        }
        DestroyWindow(window);
        return 0;
    });
    RECT before = h.onWindowThread([&] {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    });
    h.onWindowThread([&] {
        seen.clear();
        ShowWindow(window, SW_MINIMIZE);
    });
    h.waitIdle();
    auto iconic = h.onWindowThread([&] {
        RECT client;
        GetClientRect(window, &client);
        auto* w = platform::findWindow(window);
        return std::make_tuple(IsIconic(window) != FALSE, client, w->drawnIcons.size(), GetActiveWindow());
    });
    EXPECT_TRUE(std::get<0>(iconic));
    EXPECT_EQ(std::get<1>(iconic).right, 30);
    EXPECT_EQ(std::get<1>(iconic).bottom, 36);
    EXPECT_EQ(std::get<2>(iconic), 1u) << "the minimized window was painted once";
    EXPECT_EQ(std::get<3>(iconic), nullptr) << "no other window to activate";
    EXPECT_EQ(h.onWindowThread([&] { return seen; }), std::vector<UINT>{WM_PAINT});
    EXPECT_EQ(h.onWindowThread([&] { return platform::hitTest({150, 150}).window; }), nullptr)
        << "a minimized window is off the screen";

    h.onWindowThread([&] { PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0); });
    h.waitIdle();
    RECT after = h.onWindowThread([&] {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    });
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    EXPECT_EQ(h.activeWindow(), window);
    h.onWindowThread([] { PostQuitMessage(0); });
    h.finish();
}
