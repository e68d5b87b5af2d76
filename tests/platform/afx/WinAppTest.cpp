// The application object: its name and help file from the executable, its message boxes, and
// the Help command.

#include "platform/win/Help.h"
#include "platform/win/Resources.h"
#include "tests/platform/afx/AfxTestApp.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace harness;

namespace {

class NamingApp : public CWinApp {
public:
    BOOL InitInstance() override {
        name = appName();
        help = helpFilePath();
        return FALSE;
    }
    std::string name;
    std::string help;
};

class MessageBoxApp : public CWinApp {
public:
    explicit MessageBoxApp(UINT type) : type_(type) {}
    BOOL InitInstance() override {
        AfxMessageBox("Something to say", type_);
        return FALSE;
    }

private:
    UINT type_;
};

} // namespace

TEST(WinApp, IsNamedAfterItsExecutableAndHelpFileBesideIt) {
    const struct {
        const char* path;
        const char* name;
        const char* help;
    } cases[] = {
        {"/opt/bench/Tester.exe", "Tester", "/opt/bench/Tester.HLP"},
        {"/usr/bin/skarvel", "skarvel", "/usr/bin/skarvel.HLP"},
        {"/a.b/tool", "tool", "/a.b/tool.HLP"},
    };
    for (const auto& c : cases) {
        platform::setModulePath(c.path);
        NamingApp app;
        EXPECT_EQ(AfxWinMain(), 0);
        EXPECT_EQ(app.name, c.name) << c.path;
        EXPECT_EQ(app.help, c.help) << c.path;
    }
}

TEST(WinApp, MessageBoxesCarryTheApplicationNameAndAnIcon) {
    const std::pair<UINT, const char*> cases[] = {
        {MB_OK, "exclamation"},
        {MB_OK | MB_ICONASTERISK, "asterisk"},
        {MB_OKCANCEL, "exclamation"},
        {MB_YESNO, "question"},
    };
    platform::setModulePath("/opt/bench/Tester");
    for (auto [type, icon] : cases) {
        Harness h;
        MessageBoxApp app(type);
        h.start([] { return AfxWinMain(); });
        HWND box = h.activeWindow();
        EXPECT_EQ(h.text(box), "Tester") << "type " << type;
        EXPECT_EQ(h.iconShown(box), icon) << "type " << type;
        h.press(VK_RETURN);
        h.finish();
    }
}

TEST(WinApp, F1AsksTheHelpEngineForTheDialogsTopicAndSaysWhenItCannot) {
    platform::setModulePath("/opt/bench/Tester");
    registerTestDialog(dialogOf("Helpful", {defaultButton(IDOK, "OK", 5, 5)}));
    Harness h;
    TestApp app;
    h.start([] { return AfxWinMain(); });
    HWND dialog = h.activeWindow();
    h.press(VK_F1);
    HWND box = h.activeWindow();
    ASSERT_NE(box, dialog);
    auto texts = h.childTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Failed to launch help."), texts.end());
    auto request = platform::lastHelpRequest();
    EXPECT_EQ(request.window, dialog);
    EXPECT_EQ(request.file, "/opt/bench/Tester.HLP");
    EXPECT_EQ(request.command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(request.data, 0x20000u + testDialogId);
    h.press(VK_RETURN);
    EXPECT_EQ(h.activeWindow(), dialog);
    h.press(VK_ESCAPE);
    h.finish();
    EXPECT_EQ(app.result, IDCANCEL);
}
