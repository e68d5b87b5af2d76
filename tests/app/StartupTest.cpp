// Start-up: the driver message when the receiver does not open, and the fresh panel.

#include "platform/win/Menus.h"
#include "platform/win/Resources.h"
#include "tests/support/PanelFixture.h"
#include "ui/ResourceIds.h"

using namespace harness;

namespace {

class Startup : public PanelFixture {};

std::vector<HWND> visibleTopLevelWindows(Harness& h) {
    return h.onWindowThread([] {
        std::vector<HWND> shown;
        for (HWND w = GetWindow(GetActiveWindow(), GW_HWNDFIRST); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            if (IsWindowVisible(w)) {
                shown.push_back(w);
            }
        }
        return shown;
    });
}

} // namespace

TEST_F(Startup, WithoutTheReceiverOneMessageSaysSoAndTheProcessEndsWhenItIsClosed) {
    const std::pair<const char*, const char*> executables[] = {
        {"/opt/bench/Skarvel.EXE", "Skarvel"},
        {"/usr/local/bin/tuner-check", "tuner-check"},
    };
    for (auto [path, caption] : executables) {
        Harness run;
        driver().reset();
        driver().configure([](DriverScript& s) { s.initResult = 0; });
        platform::setModulePath(path);
        run.start([] { return AfxWinMain(); });
        HWND box = run.activeWindow();
        EXPECT_EQ(visibleTopLevelWindows(run), std::vector<HWND>{box}) << "no panel, only the message";
        EXPECT_EQ(run.text(box), caption);
        EXPECT_EQ(run.childTexts(box), (std::vector<std::string>{"", "The Driver is not installed properly", "OK"}));
        EXPECT_EQ(run.iconShown(box), "exclamation");
        run.press(VK_RETURN);
        EXPECT_EQ(run.finish(), 0);
        EXPECT_EQ(driver().calls(), (std::vector<DriverCall>{{"DVBT_INIT_IO", {}}})) << "no release";
    }
}

TEST_F(Startup, AFreshPanelShowsItsDefaultsCentredWithExitFocused) {
    startProgram();
    const int tickedButtons[] = {1003, 1010, 1014, 1019, 1022, 1028, control::mirrorAuto, control::bandwidth6};
    for (int id : tickedButtons) {
        EXPECT_TRUE(ticked(id)) << "button " << id;
    }
    const int untickedButtons[] = {1001, 1002, 1006, 1009, 1011, 1013, 1015, 1018, 1020, 1021, 1023, 1027, 1044, 1045, 1030, 1031};
    for (int id : untickedButtons) {
        EXPECT_FALSE(ticked(id)) << "button " << id;
    }
    EXPECT_EQ(text(control::frequencyBox), "593000");
    EXPECT_FALSE(ticked(control::periodicCheckBox));
    EXPECT_FALSE(ticked(control::resetTunerBox));
    for (int id : {control::loopTimesField, control::lastLockField, control::pberField, control::snField, control::aperField}) {
        EXPECT_EQ(text(id), "0") << "field " << id;
    }
    EXPECT_EQ(text(control::statusField), "Unknowing...");
    EXPECT_EQ(h.focus(), item(control::exitButton));

    RECT where = h.onWindowThread([this] {
        RECT r;
        GetWindowRect(panel, &r);
        return r;
    });
    RECT area = h.display().metrics().workArea;
    EXPECT_LE(std::abs((where.left + where.right) - (area.left + area.right)), 1);
    EXPECT_LE(std::abs((where.top + where.bottom) - (area.top + area.bottom)), 1);

    auto menu = h.onWindowThread([this] {
        HMENU m = GetSystemMenu(panel, FALSE);
        int count = GetMenuItemCount(m);
        char last[64];
        GetMenuStringA(m, static_cast<UINT>(count - 1), last, sizeof last, MF_BYPOSITION);
        return std::make_tuple(GetMenuState(m, static_cast<UINT>(count - 2), MF_BYPOSITION), std::string(last),
                               GetMenuItemID(m, count - 1));
    });
    EXPECT_NE(std::get<0>(menu) & MF_SEPARATOR, 0u);
    EXPECT_EQ(std::get<1>(menu), "&About Skarvel...");
    EXPECT_EQ(std::get<2>(menu), 16u);
    EXPECT_EQ(driver().calls(), (std::vector<DriverCall>{{"DVBT_INIT_IO", {}}}));
}

TEST_F(Startup, WithoutTheAboutTextTheSystemMenuGetsNoAboutItem) {
    platform::addStringResource(resource::aboutItemText, "");
    startProgram();
    int count = h.onWindowThread([this] { return GetMenuItemCount(GetSystemMenu(panel, FALSE)); });
    platform::addStringResource(resource::aboutItemText, "&About Skarvel...");
    EXPECT_EQ(count, 2) << "only the dialog's own Move and Close";
}
