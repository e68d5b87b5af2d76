// The panel as a window: the About box, system commands, the help key, minimizing and the
// picture of the minimized panel.

#include "platform/win/Help.h"
#include "platform/win/Icons.h"
#include "platform/win/Window.h"
#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class PanelWindow : public PanelFixture {
protected:
    void SetUp() override { startProgram(); }
    void systemCommand(UINT command) {
        h.onWindowThread([this, command] { PostMessageA(panel, WM_SYSCOMMAND, command, 0); });
        h.waitIdle();
    }
};

} // namespace

TEST_F(PanelWindow, TheAboutItemOpensTheAboutBoxAndEachWayOutLeavesThePanelAsItWas) {
    struct Way {
        const char* name;
        std::function<void(HWND box)> close;
    };
    const Way ways[] = {
        {"OK", [this](HWND) { h.press(VK_RETURN); }},
        {"Esc", [this](HWND) { h.press(VK_ESCAPE); }},
        {"close box", [this](HWND box) {
             RECT r = h.onWindowThread([box] {
                 RECT w;
                 GetWindowRect(box, &w);
                 return w;
             });
             h.clickAt({r.right - 8, r.top + 10});
         }},
    };
    for (const Way& way : ways) {
        h.press(VK_SPACE, {false, false, true});
        h.press(VK_UP); // the About item is the last one
        h.press(VK_RETURN);
        HWND box = h.activeWindow();
        ASSERT_NE(box, panel) << way.name;
        EXPECT_EQ(h.text(box), "About Skarvel");
        EXPECT_EQ(h.childTexts(box)[1], "Skarvel Version 1.0");
        EXPECT_FALSE(h.enabled(panel)) << "the panel is disabled while it is open";
        EXPECT_EQ(h.focus(), h.onWindowThread([box] { return GetDlgItem(box, IDOK); }));
        way.close(box);
        EXPECT_EQ(h.activeWindow(), panel) << way.name;
        EXPECT_TRUE(h.enabled(panel));
    }
    EXPECT_EQ(driver().calls().size(), 1u) << "the About box changes nothing";
    EXPECT_EQ(text(control::statusField), "Unknowing...");
}

TEST_F(PanelWindow, SystemCommandsFrom16To31OpenTheAboutBoxAndOthersGetTheDefault) {
    systemCommand(20);
    HWND box = h.activeWindow();
    EXPECT_EQ(h.text(box), "About Skarvel");
    h.press(VK_ESCAPE);
    systemCommand(32);
    EXPECT_EQ(h.activeWindow(), panel);
    systemCommand(SC_CLOSE);
    h.finish();
    panel = nullptr;
    EXPECT_EQ(driver().count("DVBT_FREE_IO"), 0) << "Close takes the cancel path";
}

TEST_F(PanelWindow, F1AsksForThePanelsTopicOrTheAboutBoxsAndSaysHelpFailed) {
    const struct {
        bool inAbout;
        ULONG_PTR context;
    } cases[] = {{false, 131174}, {true, 131172}};
    for (const auto& c : cases) {
        if (c.inAbout) {
            systemCommand(resource::aboutCommand);
        }
        HWND before = h.activeWindow();
        h.press(VK_F1);
        HWND box = h.activeWindow();
        ASSERT_NE(box, before);
        EXPECT_EQ(h.text(box), "Skarvel");
        EXPECT_EQ(h.childTexts(box)[1], "Failed to launch help.");
        auto request = platform::lastHelpRequest();
        EXPECT_EQ(request.data, c.context);
        EXPECT_EQ(request.command, static_cast<UINT>(HELP_CONTEXT));
        EXPECT_EQ(request.file, "/opt/bench/Skarvel.HLP");
        h.press(VK_RETURN);
        EXPECT_EQ(h.activeWindow(), before);
        if (c.inAbout) {
            h.press(VK_ESCAPE);
        }
    }
}

TEST_F(PanelWindow, MinimizedThePanelPaintsItsIconCentredAndDragsIt) {
    const struct {
        SIZE client;
        POINT icon;
    } cases[] = {{{36, 36}, {2, 2}}, {{30, 36}, {0, 2}}};
    for (const auto& c : cases) {
        platform::ScreenMetrics metrics = h.display().metrics();
        metrics.iconicClient = c.client;
        h.display().setMetrics(metrics);
        click(control::minimizeButton);
        auto drawn = h.onWindowThread([this] {
            platform::Window* w = platform::findWindow(panel);
            return std::make_pair(IsIconic(panel) != FALSE, w->drawnIcons);
        });
        EXPECT_TRUE(drawn.first);
        ASSERT_EQ(drawn.second.size(), 1u);
        EXPECT_EQ(drawn.second[0].at.x, c.icon.x) << "client " << c.client.cx;
        EXPECT_EQ(drawn.second[0].at.y, c.icon.y);
        HICON appIcon = values([](CTuningDlg& p) { return p.appIcon; });
        EXPECT_EQ(drawn.second[0].icon, appIcon);
        EXPECT_EQ(h.onWindowThread([this] { return reinterpret_cast<HICON>(SendMessageA(panel, WM_QUERYDRAGICON, 0, 0)); }),
                  appIcon);
        EXPECT_EQ(platform::findIcon(appIcon)->name, "#128");
        EXPECT_EQ(platform::findIcon(appIcon)->image.width, 32);
        systemCommand(SC_RESTORE);
        EXPECT_FALSE(h.onWindowThread([this] { return IsIconic(panel) != FALSE; }));
    }
}

TEST_F(PanelWindow, TheWindowCarriesTheApplicationIconBigAndSmall) {
    auto icons = h.onWindowThread([this] {
        return std::make_pair(SendMessageA(panel, WM_GETICON, ICON_BIG, 0), SendMessageA(panel, WM_GETICON, ICON_SMALL, 0));
    });
    HICON appIcon = values([](CTuningDlg& p) { return p.appIcon; });
    EXPECT_EQ(reinterpret_cast<HICON>(icons.first), appIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(icons.second), appIcon);
}
