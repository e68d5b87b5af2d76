// The terminal's clicks and keys reach the platform as a user's would: a click on a cell acts
// on what is drawn there, through the platform's own control behaviour.

#include "platform/win/Menus.h"
#include "platform/win/Win32.h"
#include "tests/display/PanelOnTerminal.h"

#include <gtest/gtest.h>

namespace terminaltest {
namespace {

struct TickCase {
    const char* click; // text on the screen, clicked at its first cell
    int ticked;        // the control ticked afterwards
    int unticked;      // one that is not
};

TEST_F(PanelOnTerminal, AClickTicksTheButtonOrBoxDrawnThere) {
    const std::vector<TickCase> cases{
        {"( ) 7Mhz", 1030, 1029},
        {"Mhz    ( ) 8Mhz", 1031, 1030}, // on the caption, past the tick box of 7Mhz
        {"( ) Alpha 2", 1017, 1019},
        {"[ ] Periodic Check", 1040, 0},
    };
    for (const TickCase& c : cases) {
        POINT at = find(c.click);
        if (c.click[0] == 'M') {
            at.x += 11; // the caption "8Mhz", not the box
        }
        clickCell(at);
        EXPECT_TRUE(h.checked(item(c.ticked))) << c.click;
        if (c.unticked != 0) {
            EXPECT_FALSE(h.checked(item(c.unticked))) << c.click;
        }
    }
}

TEST_F(PanelOnTerminal, AClickInTheEditBoxPutsTheCaretBeforeThatCharacter) {
    POINT text = find("593000");
    HWND edit = item(1032);
    auto selection = [&] {
        return h.onWindowThread([&] { return SendMessageA(edit, EM_GETSEL, 0, 0); });
    };
    for (int character : {0, 3, 6}) {
        clickCell({text.x + character, text.y});
        EXPECT_EQ(LOWORD(selection()), character);
        EXPECT_EQ(HIWORD(selection()), character);
        EXPECT_EQ(h.focus(), edit);
    }
    // A click past the text, on the closing bracket, puts the caret at the end.
    clickCell({text.x + 11, text.y});
    EXPECT_EQ(LOWORD(selection()), 6);
}

TEST_F(PanelOnTerminal, KeysWorkTheDialogKeyboard) {
    for (int i = 0; i < 5; ++i) {
        key(VK_TAB); // Exit, Minimize, the frequency, Tuning, Abort, then Periodic Check
    }
    EXPECT_EQ(h.focus(), item(1040));
    key(VK_SPACE);
    EXPECT_TRUE(h.checked(item(1040)));
    key(VK_TAB, {true, false, false});
    EXPECT_EQ(h.focus(), item(1034));
    key(VK_ESCAPE);
    EXPECT_EQ(log.endedWith, IDCANCEL);
}

TEST_F(PanelOnTerminal, TypingEditsTheFrequency) {
    clickCell(find("593000"));
    key(VK_DELETE);
    deliverText("7");
    key(VK_END);
    key(VK_BACK);
    EXPECT_EQ(h.text(item(1032)), "79300");
}

TEST_F(PanelOnTerminal, APressReleasedElsewhereDoesNotClick) {
    POINT tuning = find("[   Tuning   ]");
    POINT elsewhere = find("Loop Times:");
    deliverMouse({true, tuning.x + 2, tuning.y});
    deliverMouse({false, elsewhere.x, elsewhere.y});
    EXPECT_EQ(activeCaption(), "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)");
}

TEST_F(PanelOnTerminal, TheCloseBoxClosesThePanel) {
    clickCell(find("[X]"));
    EXPECT_EQ(log.endedWith, IDCANCEL);
}

TEST_F(PanelOnTerminal, TheSystemMenuBoxOpensTheMenuAndAClickChoosesAnItem) {
    clickCell(find("[Y]"));
    EXPECT_NE(h.onWindowThread([] { return platform::openMenuWindow(); }), nullptr);
    click("About Skarvel...");
    EXPECT_EQ(activeCaption(), "About Skarvel");
    click("[<   OK   >]");
    EXPECT_EQ(activeCaption(), "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)");
}

TEST_F(PanelOnTerminal, AClickOutsideTheMenuClosesItAndDoesNothingElse) {
    key(VK_SPACE, {false, false, true});
    click("[ ] Periodic Check");
    EXPECT_EQ(h.onWindowThread([] { return platform::openMenuWindow(); }), nullptr);
    EXPECT_FALSE(h.checked(item(1040)));
}

TEST_F(PanelOnTerminal, MenuKeysChooseAnItem) {
    key(VK_SPACE, {false, false, true});
    deliverText("a"); // the About item's letter
    EXPECT_EQ(activeCaption(), "About Skarvel");
    key(VK_ESCAPE);
    key(VK_SPACE, {false, false, true});
    key(VK_DOWN);
    key(VK_RETURN); // Close
    EXPECT_EQ(log.endedWith, IDCANCEL);
}

TEST_F(PanelOnTerminal, ClicksOnThePanelUnderAMessageBoxDoNothing) {
    click("[   Tuning   ]");
    ASSERT_EQ(activeCaption(), "Skarvel");
    click("[ ] Periodic Check");
    EXPECT_FALSE(h.checked(item(1040)));
    click("[<   OK   >]");
    EXPECT_EQ(activeCaption(), "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)");
}

TEST_F(PanelOnTerminal, CtrlCClosesTheActiveWindowAsItsCloseBoxWould) {
    click("[   Tuning   ]");
    closeKey();
    EXPECT_EQ(activeCaption(), "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)");
    EXPECT_EQ(log.endedWith, 0);
    closeKey();
    EXPECT_EQ(log.endedWith, IDCANCEL);
}

TEST_F(PanelOnTerminal, TheTaskBarButtonOrEnterRestoresTheMinimizedPanel) {
    click("[  Minimize  ]");
    ASSERT_TRUE(h.onWindowThread([&] { return IsIconic(panel) != FALSE; }));
    click("[Y Osprain");
    EXPECT_FALSE(h.onWindowThread([&] { return IsIconic(panel) != FALSE; }));

    click("[  Minimize  ]");
    key(VK_RETURN);
    EXPECT_FALSE(h.onWindowThread([&] { return IsIconic(panel) != FALSE; }));
    EXPECT_EQ(log.endedWith, 0) << "Enter restored the panel and did not press Exit";
}

} // namespace
} // namespace terminaltest
