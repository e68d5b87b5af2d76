// The terminal's screen as text: the panel, a message box, the About box and the system menu
// over it, the minimized panel on the task bar, a terminal too small for the panel, and how
// focus, the default button, disabled controls and the edit box's selection are drawn.

#include "platform/display/terminal/ScreenPainter.h"
#include "platform/display/terminal/Canvas.h"
#include "platform/display/terminal/ScreenGeometry.h"
#include "platform/win/Win32.h"
#include "tests/display/PanelGolden.h"
#include "tests/display/PanelOnTerminal.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace terminaltest {
namespace {

using platform::terminal::Role;

constexpr platform::Modifiers alt{false, false, true};

TEST_F(PanelOnTerminal, ShowsThePanelWithFrameTitleBarAndTaskBarButton) {
    EXPECT_EQ(screen(), panelWithDefaults);
}

TEST_F(PanelOnTerminal, ShowsAMessageBoxCentredOverThePanelWithItsIcon) {
    h.onWindowThread([&] { PostMessageA(panel, WM_COMMAND, 1033, 0); }); // Tuning
    h.waitIdle();
    const std::vector<std::string> box{
        "[-] Skarvel                       [X]",  "│                                   │",
        "│  /!\\    Please enter an integer.  │", "│                                   │",
        "│           [<   OK   >]            │",  "│                                   │",
        "└───────────────────────────────────┘",
    };
    POINT title = find("[-] Skarvel");
    Picture picture = paint();
    for (size_t i = 0; i < box.size(); ++i) {
        EXPECT_EQ(textAt(picture, {title.x, title.y + static_cast<LONG>(i)}, 37), box[i])
            << "row " << i;
    }
    // The panel is 80 x 23 cells from the top left; the box's middle is the panel's.
    EXPECT_NEAR(title.x + 37 / 2.0, 40, 1);
    EXPECT_NEAR(title.y + box.size() / 2.0, 23 / 2.0, 1);
    EXPECT_TRUE(allDrawnAs(picture, title, 37, Role::TitleActive));
    EXPECT_TRUE(allDrawnAs(picture, {0, 0}, 3, Role::TitleInactive));
    // The box belongs to the panel, whose task-bar button stays the active one.
    EXPECT_TRUE(allDrawnAs(picture, {0, 23}, 40, Role::TaskButtonActive));
}

TEST_F(PanelOnTerminal, ShowsTheOpenSystemMenuWithItsSelectedItem) {
    key(VK_SPACE, alt);
    const std::vector<std::string> menu{
        "┌──────────────────┐", "│ Move             │", "│ Close     Alt+F4 │",
        "├──────────────────┤", "│ About Skarvel... │", "└──────────────────┘",
    };
    Picture picture = paint();
    for (size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(textAt(picture, {1, 1 + static_cast<LONG>(i)}, 20), menu[i]) << "row " << i;
    }
    EXPECT_TRUE(allDrawnAs(picture, {2, 2}, 18, Role::MenuSelected)) << "Move";
    EXPECT_TRUE(picture.canvas.at(3, 2).underline) << "the mnemonic M";
    key(VK_DOWN);
    picture = paint();
    EXPECT_TRUE(allDrawnAs(picture, {2, 3}, 18, Role::MenuSelected)) << "Close";
    EXPECT_TRUE(allDrawnAs(picture, {2, 2}, 18, Role::Menu)) << "Move";
    key(VK_ESCAPE);
    EXPECT_EQ(screen(), panelWithDefaults);
}

TEST_F(PanelOnTerminal, ShowsTheAboutBoxWithTheProgramsIcon) {
    h.onWindowThread([&] { PostMessageA(panel, WM_SYSCOMMAND, 16, 0); });
    h.waitIdle();
    POINT title = find("[-] About Skarvel");
    Picture picture = paint();
    EXPECT_EQ(textAt(picture, {title.x, title.y + 2}, 61),
              "│          Skarvel Version 1.0                [<   OK   >]  │");
    EXPECT_EQ(textAt(picture, {title.x, title.y + 3}, 61),
              "│   \\|/    DVB-T receiver card test bench                   │");
    EXPECT_EQ(textAt(picture, {title.x, title.y + 4}, 61),
              "│    |                                                      │");
    EXPECT_TRUE(allDrawnAs(picture, find("[<   OK   >]"), 12, Role::Focus));
}

TEST_F(PanelOnTerminal, ShowsTheMinimizedPanelAsATaskBarButtonOnly) {
    h.onWindowThread([&] { PostMessageA(panel, WM_COMMAND, 1000, 0); }); // Minimize
    h.waitIdle();
    std::vector<std::string> expected(23, std::string(80, ' '));
    expected.push_back(panelWithDefaults.back());
    EXPECT_EQ(screen(), expected);
}

TEST_F(PanelOnTerminal, AsksForALargerTerminalWhenThePanelDoesNotFit) {
    std::vector<std::string> expected(20, std::string(70, ' '));
    expected[0].replace(0, 62, "Skarvel needs a terminal of at least 79x21; this one is 70x20.");
    EXPECT_EQ(screen(70, 20), expected);
    EXPECT_TRUE(paint(70, 20).tooSmall);
    // The size it asks for is enough, and one column or row less is not.
    EXPECT_FALSE(paint(79, 21).tooSmall);
    EXPECT_TRUE(paint(78, 21).tooSmall);
    EXPECT_TRUE(paint(79, 20).tooSmall);
}

TEST_F(PanelOnTerminal, DrawsTheFocusTheDefaultButtonAndDisabledControls) {
    Picture picture = paint();
    POINT exit = find("[<   Exit   >]");
    POINT minimize = find("[  Minimize  ]");
    EXPECT_TRUE(allDrawnAs(picture, exit, 14, Role::Focus));
    key(VK_TAB);
    picture = paint();
    EXPECT_TRUE(allDrawnAs(picture, minimize, 14, Role::Focus));
    EXPECT_TRUE(allDrawnAs(picture, exit, 14, Role::DefaultButton));

    h.onWindowThread([&] { EnableWindow(GetDlgItem(panel, 1033), FALSE); });
    picture = paint();
    EXPECT_TRUE(allDrawnAs(picture, find("[   Tuning   ]"), 14, Role::Disabled));
    EXPECT_TRUE(allDrawnAs(picture, find("[   Abort   ]"), 13, Role::Window));
}

TEST_F(PanelOnTerminal, DrawsTheEditBoxsSelectionAndPutsTheCursorAtItsCaret) {
    POINT text = find("593000");
    EXPECT_FALSE(paint().cursor) << "no caret while the edit box has no focus";
    key(VK_TAB);
    key(VK_TAB); // Exit, Minimize, then the frequency box, which selects all its text
    Picture picture = paint();
    EXPECT_TRUE(allDrawnAs(picture, text, 6, Role::Selection));
    EXPECT_TRUE(allDrawnAs(picture, {text.x + 6, text.y}, 5, Role::Field));
    ASSERT_TRUE(picture.cursor);
    EXPECT_EQ(picture.cursor->x, text.x + 6);
    EXPECT_EQ(picture.cursor->y, text.y);
    key(VK_HOME);
    picture = paint();
    EXPECT_TRUE(allDrawnAs(picture, text, 6, Role::Field));
    EXPECT_EQ(picture.cursor->x, text.x);
}

TEST(MessageBoxOnTerminal, ShowsEveryLineOfItsTextAndItsButtons) {
    harness::Harness h;
    h.display().setMetrics(platform::terminal::metricsFor(80, 24));
    h.start([] {
        MessageBoxA(nullptr, "A first line, the longest of them\nsecond\n\nfourth", "Question",
                    MB_YESNO | MB_ICONQUESTION);
        return 0;
    });
    platform::terminal::ScreenPainter painter("Skarvel");
    auto lines = h.onWindowThread([&] { return painter.paint(80, 24).canvas.lines(); });
    const std::vector<std::string> box{
        "[-] Question                               [X]",
        "│        A first line, the longest of them   │",
        "│  (?)   second                              │",
        "│                                            │",
        "│        fourth                              │",
        "│        [<   Yes   >]  [    No    ]         │",
        "│                                            │",
        "└────────────────────────────────────────────┘",
    };
    auto top = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("[-] Question") != std::string::npos;
    });
    ASSERT_NE(top, lines.end());
    size_t left = top->find("[-] Question");
    for (size_t i = 0; i < box.size(); ++i) {
        ASSERT_LT(top - lines.begin() + static_cast<long>(i), static_cast<long>(lines.size()));
        EXPECT_EQ((top + static_cast<long>(i))->substr(left, box[i].size()), box[i]) << "row " << i;
    }
    h.press(VK_RETURN);
    EXPECT_EQ(h.finish(), 0);
}

} // namespace
} // namespace terminaltest
