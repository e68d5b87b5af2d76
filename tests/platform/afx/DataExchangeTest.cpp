// The data exchange between a dialog's controls and its values: the radio walk, the check
// clamp, the integer box with its prompt, attaching a field, and the exchanging mark.

#include "platform/win/Icons.h"
#include "tests/platform/afx/AfxTestApp.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace harness;

namespace {

constexpr int fieldId = 600;
constexpr int firstRadio = 101;
constexpr int numberBox = 501;
constexpr int checkId = 301;
constexpr int lastRadio = 201;

// A field, a radio group with a group box inside its range, the integer box, a check box and a
// second radio group, in that order.
DialogTemplateData exchangeDialog() {
    return dialogOf("Exchange", {
                                    defaultButton(IDOK, "OK", 5, 100),
                                    label("0", 5, 5, WS_GROUP, fieldId),
                                    radio(firstRadio, "A0", 30, 5, WS_GROUP),
                                    radio(firstRadio + 1, "A1", 70, 5),
                                    groupBox("Box", 5, 20, 150, 60),
                                    radio(firstRadio + 2, "A2", 110, 5),
                                    editBox(numberBox, 30, 30, WS_GROUP | WS_TABSTOP),
                                    checkBox(checkId, "Check", 30, 50),
                                    radio(lastRadio, "B0", 30, 65, WS_GROUP),
                                    radio(lastRadio + 1, "B1", 70, 65),
                                });
}

struct Values {
    int radio = 1;
    int number = 593000;
    int check = 0;
    int last = 0;
};

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setModulePath("/opt/bench/Exchanger");
        registerTestDialog(exchangeDialog());
        app.dialog.exchange = [this](CDataExchange* dx) {
            DDX_Control(dx, fieldId, app.dialog.field);
            DDX_Radio(dx, firstRadio, values.radio);
            DDX_Text(dx, numberBox, values.number);
            DDX_Check(dx, checkId, values.check);
            DDX_Radio(dx, lastRadio, values.last);
        };
        h.start([] { return AfxWinMain(); });
        dialog = app.dialog.GetSafeHwnd();
    }
    void TearDown() override {
        h.onWindowThread([this] { app.dialog.EndDialog(IDCANCEL); });
        h.finish();
    }
    BOOL exchange(BOOL save) {
        return h.onWindowThread([this, save] { return app.dialog.UpdateData(save); });
    }
    // Runs an exchange that opens a message box: the box's loop runs inside it, so the call is
    // posted and the harness waits for the box.
    void exchangeShowingABox(BOOL save) {
        h.onWindowThread([this, save] { PostMessageA(dialog, WM_APP, save, 0); });
        h.waitIdle();
    }
    std::vector<Command> commands() {
        return h.onWindowThread([this] { return app.dialog.commands; });
    }

    Harness h;
    TestApp app;
    Values values;
    HWND dialog = nullptr;
};

} // namespace

TEST_F(DataExchange, TheInitialLoadShowsTheValuesAndAttachesTheField) {
    EXPECT_TRUE(h.checked(h.control(firstRadio + 1)));
    EXPECT_EQ(h.text(h.control(numberBox)), "593000");
    EXPECT_TRUE(h.checked(h.control(lastRadio)));
    EXPECT_EQ(h.onWindowThread([this] { return app.dialog.field.GetSafeHwnd(); }), h.control(fieldId));
    EXPECT_EQ(h.text(h.control(fieldId)), "0") << "an exchange never writes a field's text";
}

TEST_F(DataExchange, ASaveStoresTheLastTickedIndexOrMinusOne) {
    h.click(h.control(firstRadio + 2));
    ASSERT_TRUE(exchange(TRUE));
    EXPECT_EQ(values.radio, 2) << "the group box in the range is not counted";

    h.onWindowThread([this] {
        for (int id = firstRadio; id <= firstRadio + 2; ++id) {
            SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, BST_UNCHECKED, 0);
        }
    });
    ASSERT_TRUE(exchange(TRUE));
    EXPECT_EQ(values.radio, -1);
    EXPECT_EQ(values.last, 0) << "the walk stops at the next group mark";
}

TEST_F(DataExchange, ALoadOutOfRangeUnticksTheWholeGroupAndRaisesNoCommand) {
    auto before = commands().size();
    for (int value : {-1, 3}) {
        values.radio = value;
        ASSERT_TRUE(exchange(FALSE));
        for (int id = firstRadio; id <= firstRadio + 2; ++id) {
            EXPECT_FALSE(h.checked(h.control(id))) << "value " << value << ", button " << id;
        }
        EXPECT_EQ(values.radio, value) << "a load leaves the value as it is";
    }
    EXPECT_EQ(commands().size(), before);
}

TEST_F(DataExchange, ACheckValueOutsideZeroToTwoLoadsAsZero) {
    const std::pair<int, int> cases[] = {{5, 0}, {-1, 0}, {1, 1}, {2, 2}};
    for (auto [loaded, expected] : cases) {
        values.check = loaded;
        ASSERT_TRUE(exchange(FALSE));
        EXPECT_EQ(values.check, expected) << "loaded " << loaded;
        EXPECT_EQ(h.onWindowThread([this] { return SendMessageA(GetDlgItem(dialog, checkId), BM_GETCHECK, 0, 0); }),
                  expected)
            << "loaded " << loaded;
    }
}

TEST_F(DataExchange, ALoadRewritesTheIntegerBoxOnlyWhenItsTextDiffers) {
    HWND box = h.control(numberBox);
    auto selectionAfterLoad = [&](const char* shown) {
        return h.onWindowThread([&] {
            SetWindowTextA(box, shown);
            SendMessageA(box, EM_SETSEL, 2, 4);
            app.dialog.UpdateData(FALSE);
            return static_cast<DWORD>(SendMessageA(box, EM_GETSEL, 0, 0));
        });
    };
    EXPECT_EQ(selectionAfterLoad("593000"), static_cast<DWORD>(MAKELONG(2, 4))) << "left untouched";
    EXPECT_EQ(selectionAfterLoad(" 593000"), 0u) << "rewritten";
    EXPECT_EQ(h.text(box), "593000");
}

TEST_F(DataExchange, TheExchangingMarkDropsControlNoticesOnlyDuringTheExchange) {
    auto before = commands().size();
    values.number = 12;
    ASSERT_TRUE(exchange(FALSE));
    EXPECT_EQ(commands().size(), before) << "the rewritten box's change notice was dropped";
    h.click(h.control(numberBox));
    h.type("3");
    auto after = commands();
    ASSERT_GT(after.size(), before);
    EXPECT_EQ(after.back(), (Command{numberBox, EN_CHANGE}));
}

TEST_F(DataExchange, ARefusedSaveShowsThePromptAndKeepsTheValuesAfterTheNumber) {
    h.onWindowThread([this] {
        SetWindowTextA(GetDlgItem(dialog, numberBox), "12abc");
        SendMessageA(GetDlgItem(dialog, firstRadio), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, checkId), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, lastRadio + 1), BM_CLICK, 0, 0);
    });
    exchangeShowingABox(TRUE);
    HWND box = h.activeWindow();
    ASSERT_NE(box, dialog);
    EXPECT_EQ(h.text(box), "Exchanger") << "the application's name is the caption";
    auto texts = h.childTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Please enter an integer."), texts.end());
    EXPECT_EQ(h.iconShown(box), "exclamation");
    EXPECT_EQ(values.radio, 0) << "saved before the number";
    EXPECT_EQ(values.number, 593000);
    EXPECT_EQ(values.check, 0) << "not saved: it comes after the number";
    EXPECT_EQ(values.last, 0);

    h.press(VK_RETURN);
    EXPECT_EQ(h.onWindowThread([this] { return app.dialog.postedExchangeResult; }), std::optional<BOOL>(FALSE));
    EXPECT_EQ(h.focus(), h.control(numberBox));
    HWND edit = h.control(numberBox);
    EXPECT_EQ(h.onWindowThread([edit] { return static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0)); }),
              static_cast<DWORD>(MAKELONG(0, 5)))
        << "the whole text is selected";
}

TEST_F(DataExchange, AMissingControlStopsTheExchangeWithItsMessageAndClearsTheMark) {
    int unused = 0;
    h.onWindowThread([&] { app.dialog.exchange = [&](CDataExchange* dx) { DDX_Check(dx, 999, unused); }; });
    exchangeShowingABox(TRUE);
    HWND box = h.activeWindow();
    auto texts = h.childTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "An unsupported operation was attempted."), texts.end());
    EXPECT_EQ(h.iconShown(box), "exclamation");
    h.press(VK_RETURN);
    EXPECT_EQ(h.onWindowThread([this] { return app.dialog.postedExchangeResult; }), std::optional<BOOL>(FALSE));

    h.click(h.control(numberBox));
    h.type("4");
    EXPECT_EQ(commands().back(), (Command{numberBox, EN_CHANGE})) << "notices flow again after the exchange";
}
