// The dialog keyboard: Tab and Shift+Tab over the tab stops, arrows inside a group, Enter to
// the default button, Esc to cancel, F1 to help, Space on the focused button.

#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace harness;

namespace {

constexpr platform::Modifiers shift{true, false, false};

DialogTemplateData keyboardDialog() {
    return dialogOf("Keys", {
                                defaultButton(IDOK, "OK", 5, 100),
                                pushButton(400, "Other", 60, 100),
                                label("Radios:", 5, 5),
                                radio(101, "R1", 40, 5, WS_GROUP),
                                radio(102, "R2", 80, 5),
                                radio(103, "R3", 120, 5),
                                label("Value:", 5, 30),
                                editBox(501, 40, 30, WS_GROUP | WS_TABSTOP),
                                checkBox(301, "Check", 5, 50, WS_GROUP | WS_TABSTOP),
                            });
}

class DialogKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        h.start([this] { return result = static_cast<int>(runRecorded(keyboardDialog(), recorder)); });
    }
    void TearDown() override {
        if (!h.finished()) {
            h.press(VK_ESCAPE);
        }
        h.finish();
    }
    int focusId() {
        return h.onWindowThread([] { return GetDlgCtrlID(GetFocus()); });
    }
    std::vector<Command> commands() {
        return h.onWindowThread([this] { return recorder.commands; });
    }

    Harness h;
    Recorder recorder;
    int result = 0;
};

} // namespace

TEST_F(DialogKeyboard, TheFirstTabStopHasTheFocusAndTabVisitsTabStopsInOrderWrapping) {
    EXPECT_EQ(focusId(), IDOK);
    std::vector<int> forward;
    for (int i = 0; i < 4; ++i) {
        h.press(VK_TAB);
        forward.push_back(focusId());
    }
    EXPECT_EQ(forward, (std::vector<int>{400, 501, 301, IDOK}));
    std::vector<int> backward;
    for (int i = 0; i < 4; ++i) {
        h.press(VK_TAB, shift);
        backward.push_back(focusId());
    }
    EXPECT_EQ(backward, (std::vector<int>{301, 501, 400, IDOK}));
}

TEST_F(DialogKeyboard, TabIntoTheEditBoxSelectsAllItsText) {
    HWND edit = h.control(501);
    h.onWindowThread([edit] { SetWindowTextA(edit, "593000"); });
    h.press(VK_TAB);
    h.press(VK_TAB);
    ASSERT_EQ(focusId(), 501);
    DWORD selection = h.onWindowThread([edit] { return static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0)); });
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 6);
}

TEST_F(DialogKeyboard, ArrowsMoveWithinTheGroupAndTickAutomaticRadioButtons) {
    h.click(h.control(101));
    std::vector<int> visited;
    for (int i = 0; i < 3; ++i) {
        h.press(VK_RIGHT);
        visited.push_back(focusId());
    }
    EXPECT_EQ(visited, (std::vector<int>{102, 103, 101}));
    EXPECT_TRUE(h.checked(h.control(101)));
    EXPECT_FALSE(h.checked(h.control(103)));
    h.press(VK_UP);
    EXPECT_EQ(focusId(), 103);

    h.press(VK_TAB, shift); // back to the buttons' group
    ASSERT_EQ(focusId(), 400);
    h.press(VK_DOWN);
    EXPECT_EQ(focusId(), IDOK) << "the label that closes the buttons' group is skipped";
}

TEST_F(DialogKeyboard, EnterInTheEditBoxPressesTheDefaultButton) {
    h.click(h.control(501));
    h.press(VK_RETURN);
    h.finish();
    EXPECT_EQ(result, IDOK);
    std::vector<Command> clicks;
    std::copy_if(recorder.commands.begin(), recorder.commands.end(), std::back_inserter(clicks),
                 [](const Command& c) { return c.code == BN_CLICKED; });
    EXPECT_EQ(clicks, (std::vector<Command>{{IDOK, BN_CLICKED}}));
}

TEST_F(DialogKeyboard, EnterOnAnotherPushButtonPressesThatOne) {
    h.press(VK_TAB);
    ASSERT_EQ(focusId(), 400);
    h.press(VK_RETURN);
    EXPECT_EQ(commands(), (std::vector<Command>{{400, BN_CLICKED}}));
}

TEST_F(DialogKeyboard, EscapeIsTheCancelCommand) {
    h.press(VK_ESCAPE);
    h.finish();
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogKeyboard, F1AsksForHelpOnlyWithoutModifiers) {
    h.press(VK_F1, shift);
    h.press(VK_F1, {false, true, false});
    EXPECT_EQ(h.onWindowThread([this] { return recorder.helpRequests; }), 0);
    h.press(VK_F1);
    EXPECT_EQ(h.onWindowThread([this] { return recorder.helpRequests; }), 1);
}

TEST_F(DialogKeyboard, SpaceClicksTheFocusedButtonOrBox) {
    h.press(VK_TAB, shift);
    ASSERT_EQ(focusId(), 301);
    h.press(VK_SPACE);
    EXPECT_TRUE(h.checked(h.control(301)));
    EXPECT_EQ(commands(), (std::vector<Command>{{301, BN_CLICKED}}));
}
