// The panel's template, 102, as the platform creates the window from the registered resource:
// the window itself, every control in template order, and the radio groups that the order and
// the group marks make.

#include "tests/ui/ResourceDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace templatecheck;

namespace {

constexpr int panelTemplateId = 102;

// Written out from the panel's layout, row by row; deliberately not derived from the template
// code, so that a slip in either shows up here.
const std::vector<ExpectedControl> panelControls = {
    {defaultPushButton, 1, "Exit", {53, 226, 50, 14}, tabStop},
    {pushButton, 1000, "Minimize", {181, 226, 50, 14}, tabStop},
    {groupBox, noId, "OFDM Parameters", {15, 6, 256, 106}, noMarks},
    {staticText, noId, "Mode:", {21, 19, 37, 8}, group},
    {autoRadioButton, 1001, "2K", {69, 17, 25, 10}, group},
    {autoRadioButton, 1002, "8K", {104, 17, 25, 10}, noMarks},
    {autoRadioButton, 1003, "Auto", {144, 17, 31, 10}, noMarks},
    {staticText, noId, "Guard Interval:", {21, 30, 48, 8}, group},
    {autoRadioButton, 1006, "1/32", {69, 28, 31, 10}, group},
    {autoRadioButton, 1007, "1/16", {104, 28, 31, 10}, noMarks},
    {autoRadioButton, 1008, "1/8", {144, 28, 27, 10}, noMarks},
    {autoRadioButton, 1009, "1/4", {185, 28, 27, 10}, noMarks},
    {autoRadioButton, 1010, "Auto", {226, 28, 31, 10}, noMarks},
    {staticText, noId, "Constellation:", {21, 42, 43, 8}, group},
    {autoRadioButton, 1011, "QPSK", {69, 40, 32, 10}, group},
    {autoRadioButton, 1012, "QAM16", {104, 40, 37, 10}, noMarks},
    {autoRadioButton, 1013, "QAM64", {144, 40, 37, 10}, noMarks},
    {autoRadioButton, 1014, "Auto", {185, 40, 29, 10}, noMarks},
    {staticText, noId, "Hierarchy:", {21, 54, 33, 8}, group},
    {autoRadioButton, 1015, "No", {69, 52, 25, 10}, group},
    {autoRadioButton, 1016, "Alpha 1", {104, 52, 37, 10}, noMarks},
    {autoRadioButton, 1017, "Alpha 2", {144, 52, 38, 10}, noMarks},
    {autoRadioButton, 1018, "Alpha 4", {185, 52, 38, 10}, noMarks},
    {autoRadioButton, 1019, "Auto", {226, 52, 31, 10}, noMarks},
    {staticText, noId, "Priority:", {21, 66, 24, 8}, group},
    {autoRadioButton, 1020, "High", {69, 64, 31, 10}, group},
    {autoRadioButton, 1021, "Low", {104, 64, 29, 10}, noMarks},
    {autoRadioButton, 1022, "Auto", {144, 64, 31, 10}, noMarks},
    {staticText, noId, "Code Rate:", {21, 80, 37, 8}, group},
    {autoRadioButton, 1023, "1/2", {69, 78, 27, 10}, group},
    {autoRadioButton, 1024, "2/3", {104, 78, 27, 10}, noMarks},
    {autoRadioButton, 1025, "3/4", {144, 78, 27, 10}, noMarks},
    {autoRadioButton, 1026, "5/6", {178, 78, 24, 10}, noMarks},
    {autoRadioButton, 1027, "7/8", {208, 78, 25, 10}, noMarks},
    {autoRadioButton, 1028, "Auto", {238, 78, 27, 10}, noMarks},
    {staticText, noId, "Mirror:", {23, 95, 37, 8}, group},
    {autoRadioButton, 1043, "Auto", {69, 95, 29, 10}, group},
    {autoRadioButton, 1044, "Normal", {104, 95, 37, 10}, noMarks},
    {autoRadioButton, 1045, "Mirror", {144, 95, 33, 10}, noMarks},
    {groupBox, noId, "Tuner Parameters", {140, 120, 131, 54}, noMarks},
    {autoRadioButton, 1029, "6Mhz", {148, 151, 33, 10}, group},
    {autoRadioButton, 1030, "7Mhz", {188, 151, 33, 10}, noMarks},
    {autoRadioButton, 1031, "8Mhz", {226, 151, 33, 10}, noMarks},
    {staticText, noId, "Frequency:", {149, 135, 36, 8}, group},
    {editBox, 1032, "", {193, 132, 47, 14}, tabStop},
    {staticText, noId, "Khz", {243, 136, 13, 8}, group},
    {pushButton, 1033, "Tuning", {21, 132, 50, 14}, tabStop},
    {pushButton, 1034, "Abort", {79, 132, 50, 14}, tabStop},
    {staticText, noId, "Loop Times:", {23, 159, 40, 8}, group},
    {staticText, 1035, "0", {69, 159, 28, 8}, group},
    {staticText, noId, "Status:", {23, 175, 23, 8}, group},
    {staticText, 1036, "Unknowing...", {51, 175, 82, 8}, group},
    {staticText, 1037, "0", {91, 192, 30, 8}, group},
    {staticText, noId, "LastLockFrequency:", {23, 192, 66, 8}, group},
    {staticText, noId, "(Khz)", {125, 193, 17, 8}, group},
    {staticText, noId, "PBER:", {143, 177, 24, 8}, group},
    {staticText, 1038, "0", {172, 177, 39, 8}, group},
    {staticText, noId, "S/N:", {143, 191, 24, 8}, group},
    {staticText, 1039, "0", {172, 191, 50, 8}, group},
    {autoCheckBox, 1040, "Periodic Check", {151, 204, 80, 10}, tabStop},
    {staticText, noId, "APER:", {216, 177, 22, 8}, group},
    {staticText, 1041, "0", {241, 177, 39, 8}, group},
    {autoCheckBox, 1042, "Reset Tuner", {148, 162, 55, 10}, tabStop},
};

struct RadioGroup {
    const char* name;
    std::vector<int> members;
    // Controls that lie in the group's range without being members.
    std::vector<std::string> othersInRange;
};

const RadioGroup radioGroups[] = {
    {"Mode", {1001, 1002, 1003}, {}},
    {"Guard Interval", {1006, 1007, 1008, 1009, 1010}, {}},
    {"Constellation", {1011, 1012, 1013, 1014}, {}},
    {"Hierarchy", {1015, 1016, 1017, 1018, 1019}, {}},
    {"Priority", {1020, 1021, 1022}, {}},
    {"Code Rate", {1023, 1024, 1025, 1026, 1027, 1028}, {}},
    {"Mirror", {1043, 1044, 1045}, {"Tuner Parameters"}},
    {"Bandwidth", {1029, 1030, 1031}, {}},
};

struct GroupSeen {
    std::vector<int> radioButtonsInRange; // by the group marks, from the first member on
    std::vector<std::string> othersInRange;
    std::vector<int> visitedByArrows; // GetNextDlgGroupItem from the first member, once around
};

GroupSeen seeGroup(HWND dialog, int firstId) {
    GroupSeen seen;
    HWND first = GetDlgItem(dialog, firstId);
    for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        auto style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        if (control != first && (style & WS_GROUP) != 0) {
            break;
        }
        char caption[64];
        GetWindowTextA(control, caption, sizeof caption);
        if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
            seen.radioButtonsInRange.push_back(GetDlgCtrlID(control));
        } else {
            seen.othersInRange.push_back(caption);
        }
    }
    HWND control = first;
    for (int step = 0; control != nullptr && step < 64; ++step) {
        seen.visitedByArrows.push_back(GetDlgCtrlID(control));
        control = GetNextDlgGroupItem(dialog, control, FALSE);
        if (control == first) {
            break;
        }
    }
    return seen;
}

TEST(PanelTemplate, WindowHasItsCaptionStylesFontAndClientSize) {
    ResourceDialog panel(panelTemplateId);
    ASSERT_TRUE(panel.query([](HWND dialog) { return dialog != nullptr; }));

    auto data = registeredTemplate(panelTemplateId);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                              DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(data->exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ((Box{data->x, data->y, data->cx, data->cy}), (Box{0, 0, 287, 247}));
    EXPECT_EQ(data->pointSize, 8);
    EXPECT_EQ(data->faceName, "MS Sans Serif");

    auto [caption, visible, client] = panel.query([](HWND dialog) {
        char text[128];
        GetWindowTextA(dialog, text, sizeof text);
        RECT r{};
        GetClientRect(dialog, &r);
        return std::tuple(std::string(text), IsWindowVisible(dialog) != FALSE, r);
    });
    EXPECT_EQ(caption, "Osprain Technologies -- DVB-T Tuning Program(Tarnwell)");
    EXPECT_TRUE(visible);
    // MS Sans Serif at 8 points has base units of 6 x 13 pixels.
    EXPECT_EQ(client.right - client.left, MulDiv(287, 6, 4));
    EXPECT_EQ(client.bottom - client.top, MulDiv(247, 13, 8));
}

TEST(PanelTemplate, ControlsAreCreatedInTemplateOrderAsTheLayoutGivesThem) {
    ResourceDialog panel(panelTemplateId);
    ASSERT_TRUE(panel.query([](HWND dialog) { return dialog != nullptr; }));
    expectControls(panel.controls(), panelControls);
}

TEST(PanelTemplate, RadioGroupsRunFromTheirFirstButtonToTheNextGroupMark) {
    ResourceDialog panel(panelTemplateId);
    ASSERT_TRUE(panel.query([](HWND dialog) { return dialog != nullptr; }));
    for (const RadioGroup& radioGroup : radioGroups) {
        SCOPED_TRACE(radioGroup.name);
        GroupSeen seen =
            panel.query([&](HWND dialog) { return seeGroup(dialog, radioGroup.members.front()); });
        EXPECT_EQ(seen.radioButtonsInRange, radioGroup.members);
        EXPECT_EQ(seen.othersInRange, radioGroup.othersInRange);
        EXPECT_EQ(seen.visitedByArrows, radioGroup.members);
    }
}

} // namespace
