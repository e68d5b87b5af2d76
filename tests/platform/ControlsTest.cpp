// The controls as a user meets them: clicks on radio buttons, check boxes and push buttons,
// and typing in an edit box.

#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

// Two radio groups with a group box inside the first group's range, a check box, a push
// button and an edit box.
DialogTemplateData controlsDialog() {
    return dialogOf("Controls", {
                                    label("A:", 5, 5),
                                    radio(101, "A0", 30, 5, WS_GROUP),
                                    radio(102, "A1", 70, 5),
                                    groupBox("Box", 5, 20, 150, 30),
                                    radio(103, "A2", 110, 5),
                                    radio(201, "B0", 30, 60, WS_GROUP),
                                    radio(202, "B1", 70, 60),
                                    checkBox(301, "Check", 30, 75, WS_GROUP | WS_TABSTOP),
                                    pushButton(401, "Push", 30, 90),
                                    editBox(501, 100, 90),
                                });
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        h.start([this] { return static_cast<int>(runRecorded(controlsDialog(), recorder)); });
        dialog = h.activeWindow();
    }
    void TearDown() override {
        h.press(VK_ESCAPE);
        h.finish();
    }
    std::vector<Command> commands() {
        return h.onWindowThread([this] { return recorder.commands; });
    }

    Harness h;
    Recorder recorder;
    HWND dialog = nullptr;
};

} // namespace

TEST_F(Controls, ARadioClickTicksItAndUnticksOnlyItsOwnGroup) {
    h.click(h.control(201));
    h.click(h.control(101));
    h.click(h.control(103));
    EXPECT_TRUE(h.checked(h.control(103)));
    EXPECT_FALSE(h.checked(h.control(101)));
    EXPECT_FALSE(h.checked(h.control(102)));
    EXPECT_TRUE(h.checked(h.control(201))) << "the group box inside the first range does not end it";
    EXPECT_EQ(commands(), (std::vector<Command>{{201, BN_CLICKED}, {101, BN_CLICKED}, {103, BN_CLICKED}}));
}

TEST_F(Controls, ATickedRadioButtonStillSendsItsClick) {
    h.click(h.control(102));
    h.click(h.control(102));
    EXPECT_TRUE(h.checked(h.control(102)));
    EXPECT_EQ(commands(), (std::vector<Command>{{102, BN_CLICKED}, {102, BN_CLICKED}}));
}

TEST_F(Controls, ACheckBoxHasToggledWhenItsCommandArrives) {
    HWND box = h.control(301);
    h.click(box);
    EXPECT_TRUE(h.checked(box));
    h.click(box);
    EXPECT_FALSE(h.checked(box));
    EXPECT_EQ(commands(), (std::vector<Command>{{301, BN_CLICKED}, {301, BN_CLICKED}}));
    auto ticks = h.onWindowThread([this] { return recorder.checkAtCommand; });
    EXPECT_EQ(ticks, (std::vector<LRESULT>{BST_CHECKED, BST_UNCHECKED}));
}

TEST_F(Controls, APressReleasedOutsideAButtonIsNoClick) {
    HWND push = h.control(401);
    RECT r = h.onWindowThread([push] {
        RECT rect;
        GetWindowRect(push, &rect);
        return rect;
    });
    h.display().pushMouseButton({r.left + 2, r.top + 2}, true);
    h.display().pushMouseButton({r.left - 20, r.top - 20}, false);
    h.waitIdle();
    EXPECT_TRUE(commands().empty());
    h.click(push);
    EXPECT_EQ(commands(), (std::vector<Command>{{401, BN_CLICKED}}));
}

TEST_F(Controls, ClicksOnDisabledControlsDoNothing) {
    HWND push = h.control(401);
    h.onWindowThread([push] { EnableWindow(push, FALSE); });
    h.click(push);
    EXPECT_TRUE(commands().empty());
}

TEST_F(Controls, TypingEditsTheBoxAtTheCaretAndOverASelection) {
    HWND edit = h.control(501);
    h.click(edit);
    h.type("12345");
    EXPECT_EQ(h.text(edit), "12345");
    h.press(VK_LEFT);
    h.press(VK_LEFT);
    h.press(VK_BACK);
    h.type("x");
    EXPECT_EQ(h.text(edit), "12x45");
    h.press(VK_HOME);
    h.press(VK_DELETE);
    h.press(VK_END, {true, false, false}); // Shift+End selects to the end
    h.type("9");
    EXPECT_EQ(h.text(edit), "9");
    auto changes = commands();
    EXPECT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), (Command{501, EN_CHANGE}));
}
